#include "engine/mapsource_export.h"

#include <string>

namespace varnel::exportacion_mapsource {
namespace {

constexpr std::string_view kMarcaTrackpoint = "Trackpoint";

bool EsCifra(char c) { return c >= '0' && c <= '9'; }
bool EsLetra(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Up to `max` blank-separated words; returns how many there are (max + 1 when more).
std::size_t Palabras(std::string_view s, std::string_view* palabras, std::size_t max) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && s[i] == ' ') ++i;
        const std::size_t inicio = i;
        while (i < s.size() && s[i] != ' ') ++i;
        if (i == inicio) break;
        if (n == max) return max + 1;
        palabras[n++] = s.substr(inicio, i - inicio);
    }
    return n;
}

// "30T", or "30" and "T": one or two digits and a band letter.
bool EsZonaUtm(std::string_view numero, std::string_view banda) {
    if (numero.empty() || numero.size() > 2 || banda.size() != 1 || !EsLetra(banda[0])) return false;
    for (char c : numero)
        if (!EsCifra(c)) return false;
    return true;
}

bool LeerPosicionUtm(std::string_view campo, Valor& x, Valor& y) {
    std::string_view p[4];
    const std::size_t n = Palabras(campo, p, 4);
    if (n != 3 && n != 4) return false;
    const bool zona =
        n == 4 ? EsZonaUtm(p[0], p[1])
               : p[0].size() >= 2 && EsZonaUtm(p[0].substr(0, p[0].size() - 1), p[0].substr(p[0].size() - 1));
    const auto este = p[n - 2];
    const auto norte = p[n - 1];
    if (!zona || !LeerNumero(este) || !LeerNumero(norte)) return false;
    x.PonerTexto(este);
    y.PonerTexto(norte);
    return true;
}

}  // namespace

Lectura LeerLinea(std::string_view linea, Valor& x, Valor& y) {
    if (linea.substr(0, kMarcaTrackpoint.size()) != kMarcaTrackpoint) return Lectura::LineaIgnorada;
    const std::size_t tab = linea.find('\t');
    if (tab == std::string_view::npos) return Lectura::NoEsPunto;
    const std::size_t finCampo = linea.find('\t', tab + 1);
    return LeerPosicionUtm(linea.substr(tab + 1, finCampo == std::string_view::npos ? finCampo : finCampo - tab - 1), x,
                           y)
               ? Lectura::Punto
               : Lectura::NoEsPunto;
}

}  // namespace varnel::exportacion_mapsource
