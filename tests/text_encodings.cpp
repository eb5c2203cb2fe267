#include "tests/text_encodings.h"

#include <stdexcept>
#include <vector>

namespace varnel::prueba {
namespace {

std::vector<char32_t> Decodificar(const std::string& utf8) {
    std::vector<char32_t> v;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int largo = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t c = largo == 1 ? b : largo == 2 ? (b & 0x1F) : largo == 3 ? (b & 0x0F) : (b & 0x07);
        for (int k = 1; k < largo; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8.at(i + k)) & 0x3F);
        v.push_back(c);
        i += largo;
    }
    return v;
}

void Unidad(std::string& s, char16_t u, bool bigEndian) {
    const char alto = static_cast<char>(u >> 8);
    const char bajo = static_cast<char>(u & 0xFF);
    s += bigEndian ? alto : bajo;
    s += bigEndian ? bajo : alto;
}

}  // namespace

std::string Utf16ConMarca(const std::string& utf8, bool bigEndian) {
    std::string s;
    Unidad(s, 0xFEFF, bigEndian);
    for (char32_t c : Decodificar(utf8)) {
        if (c < 0x10000) {
            Unidad(s, static_cast<char16_t>(c), bigEndian);
        } else {
            Unidad(s, static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)), bigEndian);
            Unidad(s, static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)), bigEndian);
        }
    }
    return s;
}

std::string Latin1(const std::string& utf8) {
    std::string s;
    for (char32_t c : Decodificar(utf8)) {
        if (c > 0xFF) throw std::invalid_argument("carácter fuera de ISO-8859-1");
        s += static_cast<char>(c);
    }
    return s;
}

std::string Codificar(Codificacion c, const std::string& utf8) {
    switch (c) {
    case Codificacion::Utf8: return utf8;
    case Codificacion::Utf8ConMarca: return "\xEF\xBB\xBF" + utf8;
    case Codificacion::Utf16Le: return Utf16ConMarca(utf8, false);
    case Codificacion::Utf16Be: return Utf16ConMarca(utf8, true);
    case Codificacion::Latin1: return Latin1(utf8);
    }
    return utf8;
}

}  // namespace varnel::prueba
