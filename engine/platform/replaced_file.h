#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace varnel {

// A file written whole or not at all: the bytes go to a temporary file beside
// it, which takes the file's place only once every byte is on disk. Until
// then, and whenever a write fails, the old file stays as it was. A link is
// written through to the file it names, and the file keeps its permissions.
class FicheroSustituido {
public:
    // Throws ErrorEjecucion when the file cannot be replaced: one the list
    // writer would refuse too (read-only 70, with the same code), a missing
    // folder 76, a folder 75.
    explicit FicheroSustituido(const std::filesystem::path& ruta);
    ~FicheroSustituido();  // not confirmed: the temporary file goes
    FicheroSustituido(const FicheroSustituido&) = delete;
    FicheroSustituido& operator=(const FicheroSustituido&) = delete;

    void Escribir(std::string_view bytes);
    // Flushes to the disk, closes and puts the new file in the old one's place.
    void Confirmar();

    const std::filesystem::path& Temporal() const { return temporal_; }

private:
    [[noreturn]] void Fallo(const std::error_code& ec);

    std::filesystem::path ruta_;  // the file itself, past any link
    std::filesystem::path temporal_;
    std::FILE* fichero_ = nullptr;
};

}  // namespace varnel
