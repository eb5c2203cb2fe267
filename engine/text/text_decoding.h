#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnel {

// How an input file's bytes are text.
enum class Codificacion { Cp1252, Utf8, Utf16Le, Utf16Be };

// The encoding a file's first bytes announce with a byte-order mark, and the
// mark's length; Windows-1252 and 0 without one. UTF-8 needs three bytes to
// be told, UTF-16 two.
struct MarcaOrden {
    Codificacion codificacion;
    std::size_t largo;
};
MarcaOrden DetectarMarcaOrden(std::string_view inicio);

// UTF-16 to UTF-8 in pieces of any size: an odd byte or a high surrogate at
// the end of one piece waits for the next. Unpaired surrogates become U+FFFD.
class DecodificadorUtf16 {
public:
    void Empezar(bool bigEndian) { bigEndian_ = bigEndian; }
    // Appends the UTF-8 of `bytes` to `salida`.
    void Decodificar(std::string_view bytes, std::string& salida);
    // The same for text already in 16-bit units (what Windows hands over).
    void DecodificarUnidades(std::u16string_view unidades, std::string& salida);
    // What is left at the end of the file (a lone byte or surrogate) as U+FFFD.
    void Terminar(std::string& salida);

private:
    void Emitir(char32_t c, std::string& salida);
    bool bigEndian_ = false;
    bool hayByte_ = false;
    unsigned char byte_ = 0;
    char16_t alto_ = 0;  // a high surrogate waiting for its pair
};

}  // namespace varnel
