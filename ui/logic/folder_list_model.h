#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

// What the folder list shows, whatever toolkit draws it: the root, the folders
// down to the current folder, the current folder and its subfolders, indented
// by depth, the highlight on the current folder. The toolkit lends the
// system's answers (full paths, listings, the order its file manager sorts
// names in) and draws the entries.
namespace varnel::logica {

class SistemaCarpetas {
public:
    virtual ~SistemaCarpetas() = default;
    // The folder's full path, without a trailing separator except at a root;
    // empty when the path is none.
    virtual std::filesystem::path Completa(const std::filesystem::path& ruta) const = 0;
    virtual bool EsCarpeta(const std::filesystem::path& ruta) const = 0;
    // The names of the subfolders a user is shown, in the system's order;
    // nothing when the folder cannot be listed.
    virtual std::optional<std::vector<std::filesystem::path>> Subcarpetas(
        const std::filesystem::path& carpeta) const = 0;
};

struct EntradaCarpeta {
    std::filesystem::path ruta;
    std::filesystem::path nombre;  // the root whole, any other folder by its last part
    int nivel;                     // its indent
    bool abierta;                  // on the path down to the current folder, or the current one
    friend bool operator==(const EntradaCarpeta&, const EntradaCarpeta&) = default;
};

class ModeloCarpetas {
public:
    explicit ModeloCarpetas(const SistemaCarpetas& sistema) : sistema_(sistema) {}

    // The current folder: the exchange folder.
    const std::filesystem::path& Carpeta() const { return carpeta_; }
    // False, with nothing changed, when it cannot be listed.
    bool PonerCarpeta(const std::filesystem::path& ruta);
    // The working folder at start: current even when it cannot be listed, its
    // subfolders left out, so that the runs still use its full path. False,
    // nothing changed, when it is no folder.
    bool PonerCarpetaInicial(const std::filesystem::path& ruta);
    // The current folder listed again (a subfolder may have gone), the
    // highlight back on it.
    void ListarOtraVez();

    const std::vector<EntradaCarpeta>& Entradas() const { return entradas_; }
    // The current folder's row, where the highlight goes.
    std::size_t FilaActual() const { return filaActual_; }
    // The folder of a row; the current folder when the row is none.
    std::filesystem::path RutaDe(std::ptrdiff_t fila) const;

private:
    void Rellenar(const std::vector<std::filesystem::path>& subcarpetas);

    const SistemaCarpetas& sistema_;
    std::filesystem::path carpeta_;
    std::vector<EntradaCarpeta> entradas_;
    std::size_t filaActual_ = 0;
};

}  // namespace varnel::logica
