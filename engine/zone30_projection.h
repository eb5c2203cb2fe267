#pragma once

#include <optional>
#include <string_view>

#include "engine/transverse_mercator.h"
#include "engine/value.h"

namespace varnel {

// Why a projected point is refused: the SITNA list holds zone 30 only, six
// digits of easting and seven of northing.
inline constexpr std::string_view kFueraDelHuso30 = "punto fuera del huso 30";

// Brings positions to UTM zone 30 on one ellipsoid, rounded to whole metres
// (halves away from zero). A map projection only: the datum stays the file's.
class ProyectorHuso30 {
public:
    explicit ProyectorHuso30(const Elipsoide& elipsoide = elipsoide::Internacional1924);
    void PonerElipsoide(const Elipsoide& elipsoide);

    // False when the point falls outside what the list can hold.
    bool DesdeGeograficas(PosicionGeografica p, Valor& x, Valor& y) const;
    // A UTM position of another zone; `sur` for a southern band, whose
    // northing counts from 10 000 000 m at the equator.
    bool DesdeUtm(int huso, bool sur, double este, double norte, Valor& x, Valor& y);

private:
    Elipsoide elipsoide_;
    ProyeccionUtm huso30_;
    std::optional<ProyeccionUtm> origen_;  // the last other zone read from
};

// "30T", "30 T", "31": a UTM zone number 1..60 and, when present, whether its
// band letter is southern (C to M). Nothing for any other text.
struct ZonaUtm {
    int huso;
    bool sur;
};
std::optional<ZonaUtm> LeerZonaUtm(std::string_view texto);

}  // namespace varnel
