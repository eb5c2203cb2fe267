#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace varnel {

// A file written whole or not at all: the bytes go to a temporary file beside
// it, which takes the file's place only once every byte is on disk. Until
// then, and whenever a write fails, the old file stays as it was.
class FicheroSustituido {
public:
    // Throws ErrorEjecucion when the temporary file cannot be made (a missing
    // folder is 76, as for every output).
    explicit FicheroSustituido(const std::filesystem::path& ruta);
    ~FicheroSustituido();  // not confirmed: the temporary file goes
    FicheroSustituido(const FicheroSustituido&) = delete;
    FicheroSustituido& operator=(const FicheroSustituido&) = delete;

    void Escribir(std::string_view bytes);
    // Flushes, closes and puts the new file in the old one's place.
    void Confirmar();

    const std::filesystem::path& Temporal() const { return temporal_; }

private:
    [[noreturn]] void Fallo(int err);

    std::filesystem::path ruta_;
    std::filesystem::path temporal_;
    std::FILE* fichero_ = nullptr;
};

}  // namespace varnel
