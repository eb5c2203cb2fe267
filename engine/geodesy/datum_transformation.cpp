#include "engine/geodesy/datum_transformation.h"

#include <array>
#include <cmath>
#include <numbers>

#include "engine/geodesy/sped2etv2.h"

namespace varnel {
namespace {

constexpr double kGrado = std::numbers::pi / 180.0;
constexpr double kSegundo = kGrado / 3600.0;

struct Geocentrico {
    double x;
    double y;
    double z;
};

// What the conversions need of an ellipsoid, worked out at compile time.
struct Forma {
    double a;
    double e2;   // first eccentricity squared
    double ep2;  // second eccentricity squared
    double b;    // semi-minor axis
};

constexpr Forma FormaDe(const Elipsoide& el) {
    const double e2 = el.f * (2.0 - el.f);
    return {el.a, e2, e2 / (1.0 - e2), el.a * (1.0 - el.f)};
}

constexpr Forma kEd50 = FormaDe(elipsoide::Internacional1924);
constexpr Forma kWgs84 = FormaDe(elipsoide::Wgs84);

// EPSG:1633, ED50 to WGS 84.
constexpr Geocentrico kTraslacion{-131.0, -100.3, -163.4};
constexpr double kRx = -1.244 * kSegundo;
constexpr double kRy = -0.020 * kSegundo;
constexpr double kRz = -1.144 * kSegundo;
constexpr double kEscala = 1.0 + 9.39e-6;

// The small-angle rotation of the position vector convention. It is not
// exactly orthogonal, and PROJ still undoes it with its transpose: so does
// the way back here, to give PROJ's answers rather than the exact inverse.
constexpr std::array<std::array<double, 3>, 3> kRotacion{{{1.0, -kRz, kRy}, {kRz, 1.0, -kRx}, {-kRy, kRx, 1.0}}};

Geocentrico AGeocentrico(const Forma& el, PosicionGeografica p) {
    const double phi = p.latitud * kGrado;
    const double lambda = p.longitud * kGrado;
    const double senoPhi = std::sin(phi);
    const double cosenoPhi = std::cos(phi);
    const double normal = el.a / std::sqrt(1.0 - el.e2 * senoPhi * senoPhi);
    return {normal * cosenoPhi * std::cos(lambda), normal * cosenoPhi * std::sin(lambda),
            normal * (1.0 - el.e2) * senoPhi};
}

// Bowring's closed form: within ten nanometres for heights of a kilometre
// either way (a shifted point lies a few tens of metres off the ellipsoid),
// so no iteration is needed.
PosicionGeografica AGeodesica(const Forma& el, Geocentrico g) {
    const double p = std::hypot(g.x, g.y);
    const double theta = std::atan2(g.z * el.a, p * el.b);
    const double senoTheta = std::sin(theta);
    const double cosenoTheta = std::cos(theta);
    const double phi = std::atan2(g.z + el.ep2 * el.b * senoTheta * senoTheta * senoTheta,
                                  p - el.e2 * el.a * cosenoTheta * cosenoTheta * cosenoTheta);
    return {phi / kGrado, std::atan2(g.y, g.x) / kGrado};
}

}  // namespace

PosicionGeografica Ed50AEtrs89Epsg1633(PosicionGeografica p) {
    const Geocentrico g = AGeocentrico(kEd50, p);
    const auto fila = [&](std::size_t i) {
        const auto& r = kRotacion[i];
        return kEscala * (r[0] * g.x + r[1] * g.y + r[2] * g.z);
    };
    return AGeodesica(kWgs84, {fila(0) + kTraslacion.x, fila(1) + kTraslacion.y, fila(2) + kTraslacion.z});
}

PosicionGeografica Etrs89AEd50Epsg1633(PosicionGeografica p) {
    const Geocentrico g = AGeocentrico(kWgs84, p);
    const double x = (g.x - kTraslacion.x) / kEscala;
    const double y = (g.y - kTraslacion.y) / kEscala;
    const double z = (g.z - kTraslacion.z) / kEscala;
    const auto columna = [&](std::size_t j) { return kRotacion[0][j] * x + kRotacion[1][j] * y + kRotacion[2][j] * z; };
    return AGeodesica(kEd50, {columna(0), columna(1), columna(2)});
}

PosicionGeografica Ed50AEtrs89(PosicionGeografica p, CeldaNtv2& celda) {
    if (const auto r = DesplazarConRejilla(RejillaSped2etv2(), p, SentidoRejilla::Directo, celda)) return *r;
    return Ed50AEtrs89Epsg1633(p);
}

PosicionGeografica Etrs89AEd50(PosicionGeografica p, CeldaNtv2& celda) {
    if (const auto r = DesplazarConRejilla(RejillaSped2etv2(), p, SentidoRejilla::Inverso, celda)) return *r;
    return Etrs89AEd50Epsg1633(p);
}

PosicionGeografica Ed50AEtrs89(PosicionGeografica p) {
    CeldaNtv2 celda;
    return Ed50AEtrs89(p, celda);
}

PosicionGeografica Etrs89AEd50(PosicionGeografica p) {
    CeldaNtv2 celda;
    return Etrs89AEd50(p, celda);
}

}  // namespace varnel
