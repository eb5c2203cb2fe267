#include "engine/geodesy/zone30_projection.h"

#include <cmath>

#include "engine/core/blanks.h"

namespace varnel {
namespace {

constexpr double kFalsoNorteSur = 10'000'000.0;

}  // namespace

bool CabeEnLista(double este, double norte) {
    este = std::round(este);  // halves away from zero
    norte = std::round(norte);
    // Written so that a NaN fits nowhere.
    return este >= 100'000 && este <= 999'999 && norte >= 1'000'000 && norte <= 9'999'999;
}

bool RedondearEnLista(PosicionUtm p, Valor& x, Valor& y) {
    if (!CabeEnLista(p.este, p.norte)) return false;
    const double este = std::round(p.este);
    const double norte = std::round(p.norte);
    x = Valor::Numero(este);
    y = Valor::Numero(norte);
    return true;
}

bool CercaDelHuso30(PosicionGeografica p) {
    // Beyond these the series is meaningless.
    return std::fabs(p.latitud) <= 84.0 && p.longitud >= -30.0 && p.longitud <= 24.0;
}

std::optional<PosicionUtm> PosicionDeZona(bool sur, double este, double norte) {
    if (!std::isfinite(este) || !std::isfinite(norte) || std::fabs(este - 500'000) > 1'000'000 ||
        std::fabs(norte) > 2 * kFalsoNorteSur)
        return std::nullopt;
    return PosicionUtm{este, sur ? norte - kFalsoNorteSur : norte};
}

std::optional<ZonaUtm> LeerZonaUtm(std::string_view t) {
    t = SinBlancos(t);
    std::size_t i = 0;
    int huso = 0;
    while (i < t.size() && i < 2 && t[i] >= '0' && t[i] <= '9') huso = huso * 10 + (t[i++] - '0');
    if (i == 0 || huso < 1 || huso > 60) return std::nullopt;
    while (i < t.size() && EsBlanco(t[i])) ++i;
    if (i == t.size()) return ZonaUtm{huso, false};
    char banda = t[i];
    if (banda >= 'a' && banda <= 'z') banda = static_cast<char>(banda - 'a' + 'A');
    if (i + 1 != t.size() || banda < 'C' || banda > 'X' || banda == 'I' || banda == 'O') return std::nullopt;
    return ZonaUtm{huso, banda < 'N'};
}

}  // namespace varnel
