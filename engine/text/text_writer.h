#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <vector>

namespace varnel {

// An exchange file open for writing (emptied or created). Every write is
// checked, the final flush and close included; text is UTF-8 and goes to the
// file as Windows-1252.
class EscritorTexto {
public:
    explicit EscritorTexto(const std::filesystem::path& ruta);
    ~EscritorTexto();
    EscritorTexto(const EscritorTexto&) = delete;
    EscritorTexto& operator=(const EscritorTexto&) = delete;

    void Escribir(std::string_view utf8);
    // Bytes that are already in the file's code page (plain ASCII, say).
    void EscribirBytes(std::string_view bytes);
    void Cerrar();

private:
    [[noreturn]] void Fallo(int err);
    // What the buffer holds, to the file.
    void Vaciar();
    void Volcar(std::string_view bytes);

    std::filesystem::path ruta_;
    std::FILE* fichero_ = nullptr;
    // Our own buffer, the stream unbuffered: a line is one copy, not a call
    // into the C library.
    std::vector<char> bufer_;
    std::size_t lleno_ = 0;
};

}  // namespace varnel
