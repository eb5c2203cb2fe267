#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include "engine/geodesy/transverse_mercator.h"

namespace varnel::prueba {

// Agreement asked of the projection against PROJ. A millimetre is the need,
// but both series agree to nanometres (the committed table to its rounding,
// under a micrometre); a hundredth of a millimetre also catches a series cut
// short at n^3, which a millimetre would let through.
inline constexpr double kToleranciaMetros = 0.00001;

// An ellipsoid as the program knows it and as PROJ names it (+ellps=).
struct CasoElipsoide {
    const char* nombre;  // case names: intl, wgs84, grs80
    const char* proj;
    Elipsoide elipsoide;
};

inline const std::vector<CasoElipsoide>& Elipsoides() {
    static const std::vector<CasoElipsoide> casos{{"intl", "intl", elipsoide::Internacional1924},
                                                  {"wgs84", "WGS84", elipsoide::Wgs84},
                                                  {"grs80", "GRS80", elipsoide::Grs80}};
    return casos;
}

// One ellipsoid and one zone.
struct CasoHuso {
    CasoElipsoide elipsoide;
    int huso;
};

inline void PrintTo(const CasoHuso& c, std::ostream* os) { *os << c.elipsoide.nombre << " huso " << c.huso; }

inline std::string NombreDeHuso(const ::testing::TestParamInfo<CasoHuso>& info) {
    return std::string(info.param.elipsoide.nombre) + "_huso" + std::to_string(info.param.huso);
}

// Every ellipsoid with zones 29, 30 and 31 (Navarre's zone and both neighbours).
inline std::vector<CasoHuso> HusosPeninsulares() {
    std::vector<CasoHuso> casos;
    for (const auto& e : Elipsoides())
        for (int huso = 29; huso <= 31; ++huso) casos.push_back({e, huso});
    return casos;
}

// Ground distance in metres between two nearby positions, through the
// ellipsoid's radii of curvature: geographic differences compared in metres.
inline double DistanciaMetros(const Elipsoide& el, PosicionGeografica p, PosicionGeografica q) {
    constexpr double kGrado = std::numbers::pi / 180.0;
    const double e2 = el.f * (2.0 - el.f);
    const double s = std::sin(p.latitud * kGrado);
    const double w = std::sqrt(1.0 - e2 * s * s);
    const double meridiano = el.a * (1.0 - e2) / (w * w * w);
    const double normal = el.a / w;
    const double norte = (q.latitud - p.latitud) * kGrado * meridiano;
    const double este = std::remainder(q.longitud - p.longitud, 360.0) * kGrado * normal * std::cos(p.latitud * kGrado);
    return std::hypot(norte, este);
}

inline double DistanciaMetros(PosicionUtm p, PosicionUtm q) { return std::hypot(q.este - p.este, q.norte - p.norte); }

// The largest difference seen over many points, and the input that gave it.
struct MayorDiferencia {
    double metros = 0.0;
    double x = 0.0;
    double y = 0.0;
    void Anotar(double d, double entradaX, double entradaY) {
        if (std::isnan(metros)) return;  // a NaN is the worst of all
        if (!(d <= metros)) {
            metros = d;
            x = entradaX;
            y = entradaY;
        }
    }
};

inline std::ostream& operator<<(std::ostream& os, const MayorDiferencia& m) {
    return os << m.metros * 1000.0 << " mm en (" << std::to_string(m.x) << ", " << std::to_string(m.y) << ")";
}

}  // namespace varnel::prueba
