#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/platform/byte_source.h"
#include "engine/text/line_source.h"
#include "engine/text/text_decoding.h"

namespace varnel {

// An input read as a stream of lines. Lines end at
// CR LF, LF or a lone CR; the line end is not part of the line. The file is
// Windows-1252 unless it starts with a byte-order mark (UTF-8, UTF-16 LE or
// BE); lines are delivered as UTF-8 either way.
class LectorLineas : public FuenteLineas {
public:
    // Opens the file as every input is opened (FicheroEntrada).
    explicit LectorLineas(const std::filesystem::path& ruta);
    // Reads from where `bytes` stands; the caller keeps it alive.
    explicit LectorLineas(FuenteBytes& bytes);
    ~LectorLineas() override;
    LectorLineas(const LectorLineas&) = delete;
    LectorLineas& operator=(const LectorLineas&) = delete;

    // The next line into `linea`; false when nothing is left.
    bool SiguienteLinea(std::string& linea) override;
    UbicacionLinea Ubicacion() const override;
    std::int64_t NumeroLinea() const override { return numeroLinea_; }
    const std::filesystem::path& Ruta() const { return ruta_; }
    // Closes a file the reader opened; no more lines either way.
    void Cerrar();

private:
    bool Rellenar();
    std::size_t LeerCrudo(char* destino, std::size_t maximo);
    bool LeerBytesLinea(std::string& linea);

    std::unique_ptr<FuenteBytes> propia_;  // the file, when opened here
    FuenteBytes* bytes_;
    std::filesystem::path ruta_;
    bool empezado_ = false;
    Codificacion codificacion_ = Codificacion::Cp1252;
    DecodificadorUtf16 utf16_;
    std::vector<char> crudo_;  // UTF-16 bytes as read, before decoding
    std::string bufer_;        // the file's text: Windows-1252 or UTF-8 bytes
    std::string lineaCruda_;
    std::size_t trozo_ = 0;  // bytes asked for at a time
    std::size_t pos_ = 0;
    std::size_t fin_ = 0;
    bool saltarLf_ = false;  // the last line ended in CR: a following LF belongs to it
    std::int64_t numeroLinea_ = 0;
};

}  // namespace varnel
