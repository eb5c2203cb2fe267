#pragma once

#include <optional>
#include <string_view>

#include "engine/core/value.h"
#include "engine/geodesy/transverse_mercator.h"

namespace varnel {

// Why a projected point is refused: the SITNA list holds zone 30 only, six
// digits of easting and seven of northing.
inline constexpr std::string_view kFueraDelHuso30 = "punto fuera del huso 30";

// Whether an easting and a northing, rounded to whole metres as the list's
// file writes them, fit the list: six digits and seven.
bool CabeEnLista(double este, double norte);

// A zone-30 position rounded to whole metres (halves away from zero) into
// the list's easting and northing; false when it does not fit the list.
bool RedondearEnLista(PosicionUtm p, Valor& x, Valor& y);

// Whether latitude and longitude are where the projection to zone 30 means
// anything; such a point is far from zone 30 otherwise.
bool CercaDelHuso30(PosicionGeografica p);

// A UTM position of any zone, as an easting and a northing the inverse
// projection can take: nothing when out of reach. `sur` counts the
// northing from 10 000 000 m at the equator.
std::optional<PosicionUtm> PosicionDeZona(bool sur, double este, double norte);

// "30T", "30 T", "31": a UTM zone number 1..60 and, when present, whether its
// band letter is southern (C to M). Nothing for any other text.
struct ZonaUtm {
    int huso;
    bool sur;
};
std::optional<ZonaUtm> LeerZonaUtm(std::string_view texto);

}  // namespace varnel
