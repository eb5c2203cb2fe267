#pragma once

#include <array>

namespace varnel {

// An ellipsoid: semi-major axis in metres and flattening.
struct Elipsoide {
    double a;
    double f;
};

namespace elipsoide {
inline constexpr Elipsoide Internacional1924{6378388.0, 1.0 / 297.0};
inline constexpr Elipsoide Wgs84{6378137.0, 1.0 / 298.257223563};
inline constexpr Elipsoide Grs80{6378137.0, 1.0 / 298.257222101};
}  // namespace elipsoide

struct PosicionGeografica {
    double latitud;
    double longitud;
};  // degrees, east and north positive

// Metres. The northing is measured from the equator: negative in the southern hemisphere (no false northing).
struct PosicionUtm {
    double este;
    double norte;
};

// Transverse Mercator of one UTM zone (1..60) on one ellipsoid: scale 0.9996, false easting 500 000 m,
// central meridian 6*huso - 183 degrees. Coefficients computed once in the constructor (Krüger series to n^6),
// so projecting many points is cheap.
class ProyeccionUtm {
public:
    // Throws std::invalid_argument for a zone outside 1..60 or an ellipsoid that is not one.
    ProyeccionUtm(const Elipsoide& elipsoide, int huso);
    PosicionUtm Directa(PosicionGeografica p) const;
    PosicionGeografica Inversa(PosicionUtm p) const;
    int Huso() const { return huso_; }

private:
    static constexpr int kOrden = 6;
    int huso_;
    double meridianoCentral_;  // degrees
    double e_;                 // first eccentricity
    double e2m_;               // 1 - e^2
    double escalaA_;           // k0 times the rectifying radius
    std::array<double, kOrden> alfa_;
    std::array<double, kOrden> beta_;
};

}  // namespace varnel
