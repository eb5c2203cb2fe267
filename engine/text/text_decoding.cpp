#include "engine/text/text_decoding.h"

#include "engine/core/utf8.h"

namespace varnel {

MarcaOrden DetectarMarcaOrden(std::string_view s) {
    if (s.starts_with("\xEF\xBB\xBF")) return {Codificacion::Utf8, 3};
    if (s.starts_with("\xFF\xFE")) return {Codificacion::Utf16Le, 2};
    if (s.starts_with("\xFE\xFF")) return {Codificacion::Utf16Be, 2};
    return {Codificacion::Cp1252, 0};
}

namespace {
constexpr char32_t kSustituto = 0xFFFD;
bool EsAlto(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool EsBajo(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }
}  // namespace

void DecodificadorUtf16::Emitir(char32_t u, std::string& salida) {
    if (alto_) {
        if (EsBajo(static_cast<char16_t>(u))) {
            AnadirUtf8(0x10000 + ((char32_t{alto_} - 0xD800) << 10) + (u - 0xDC00), salida);
            alto_ = 0;
            return;
        }
        AnadirUtf8(kSustituto, salida);
        alto_ = 0;
    }
    if (EsAlto(static_cast<char16_t>(u)))
        alto_ = static_cast<char16_t>(u);
    else
        AnadirUtf8(EsBajo(static_cast<char16_t>(u)) ? kSustituto : u, salida);
}

void DecodificadorUtf16::Decodificar(std::string_view bytes, std::string& salida) {
    std::size_t i = 0;
    const auto unidad = [this](unsigned char a, unsigned char b) {
        return static_cast<char32_t>(bigEndian_ ? (a << 8) | b : (b << 8) | a);
    };
    if (hayByte_ && !bytes.empty()) {
        Emitir(unidad(byte_, static_cast<unsigned char>(bytes[0])), salida);
        hayByte_ = false;
        i = 1;
    }
    for (; i + 1 < bytes.size(); i += 2)
        Emitir(unidad(static_cast<unsigned char>(bytes[i]), static_cast<unsigned char>(bytes[i + 1])), salida);
    if (i < bytes.size()) {
        hayByte_ = true;
        byte_ = static_cast<unsigned char>(bytes[i]);
    }
}

void DecodificadorUtf16::DecodificarUnidades(std::u16string_view unidades, std::string& salida) {
    for (const char16_t u : unidades) Emitir(u, salida);
}

void DecodificadorUtf16::Terminar(std::string& salida) {
    if (alto_ || hayByte_) AnadirUtf8(kSustituto, salida);
    alto_ = 0;
    hayByte_ = false;
}

}  // namespace varnel
