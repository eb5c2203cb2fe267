#include "engine/core/path_text.h"

#include "engine/core/run_error.h"
#include "engine/core/utf8.h"

namespace varnel {
namespace {

#ifdef _WIN32
// What Siguiente gives for half a surrogate pair: no character at all.
constexpr char32_t kSolitario = 0x110000;

// The character of UTF-16 text `w` at `i`, which then points past it.
char32_t Siguiente(const std::wstring& w, std::size_t& i) {
    const char32_t c = w[i++];
    if (c < 0xD800 || c > 0xDFFF) return c;
    if (c <= 0xDBFF && i < w.size() && w[i] >= 0xDC00 && w[i] <= 0xDFFF)
        return 0x10000 + ((c - 0xD800) << 10) + (static_cast<char32_t>(w[i++]) - 0xDC00);
    return kSolitario;
}
#endif

}  // namespace

std::string TextoRuta(const std::filesystem::path& ruta) {
#ifdef _WIN32
    // By hand: the library's own conversion throws on a lone surrogate.
    const std::wstring& w = ruta.native();
    std::string s;
    s.reserve(w.size());
    for (std::size_t i = 0; i < w.size();) {
        const char32_t c = Siguiente(w, i);
        AnadirUtf8(c == kSolitario ? U'\uFFFD' : c, s);
    }
    return s;
#else
    return ruta.string();
#endif
}

bool RutaEsTexto(const std::filesystem::path& ruta) {
#ifdef _WIN32
    const std::wstring& w = ruta.native();
    for (std::size_t i = 0; i < w.size();)
        if (Siguiente(w, i) == kSolitario) return false;
#else
    (void)ruta;  // bytes, shown as they stand
#endif
    return true;
}

void ExigirRutaConTexto(const std::filesystem::path& ruta) {
    if (!RutaEsTexto(ruta)) throw ErrorEjecucion::SobreFichero(codigo::RutaNoEncontrada, ruta);
}

}  // namespace varnel
