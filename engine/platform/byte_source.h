#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace varnel {

// Where a reader takes an input's bytes from: a file, or bytes already in
// memory (a test, a fuzzer). Readers never open files themselves.
class FuenteBytes {
public:
    explicit FuenteBytes(std::filesystem::path ruta) : ruta_(std::move(ruta)) {}
    virtual ~FuenteBytes() = default;
    FuenteBytes(const FuenteBytes&) = delete;
    FuenteBytes& operator=(const FuenteBytes&) = delete;

    // Up to `n` bytes into `destino`; fewer only at the end. A failed read is
    // thrown as the run-time error of the system's failure.
    virtual std::size_t Leer(char* destino, std::size_t n) = 0;
    // Back to the first byte: a probe's look and the reading share one open file.
    virtual void Rebobinar() = 0;
    // How much a reader should ask for at a time: a file's buffer, or no more
    // than what is left in memory (and one byte more, so the read that gets
    // it all also shows the end).
    virtual std::size_t TrozoLectura() const;
    // The input's path, for error reports (a name only, for bytes in memory).
    const std::filesystem::path& Ruta() const { return ruta_; }

private:
    std::filesystem::path ruta_;
};

// The whole input from its first byte into `destino` (a binary format is
// read at once); false, with the input only partly read, past `maximo` bytes.
bool LeerEntera(FuenteBytes& bytes, std::size_t maximo, std::string& destino);

// An input file, open from construction to destruction. Anything but a
// regular file (or a link to one) is error 75 before it is opened, so a named
// pipe never blocks the window; a missing one is 53 (76 without its folder).
class FicheroEntrada final : public FuenteBytes {
public:
    explicit FicheroEntrada(const std::filesystem::path& ruta);
    ~FicheroEntrada() override;

    std::size_t Leer(char* destino, std::size_t n) override;
    void Rebobinar() override;

private:
    std::FILE* fichero_;
};

// Bytes the caller keeps alive, read as a file would be.
class BytesEnMemoria final : public FuenteBytes {
public:
    BytesEnMemoria(std::string_view bytes, std::filesystem::path nombre)
        : FuenteBytes(std::move(nombre)), bytes_(bytes) {}

    std::size_t Leer(char* destino, std::size_t n) override;
    void Rebobinar() override { pos_ = 0; }
    std::size_t TrozoLectura() const override;

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

}  // namespace varnel
