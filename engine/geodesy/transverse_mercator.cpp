#include "engine/geodesy/transverse_mercator.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <stdexcept>

// Krüger's series in the third flattening n, in Karney's form (Transverse
// Mercator with an accuracy of a few nanometers, J. Geodesy 85, 2011):
// the ellipsoid is first mapped conformally to the sphere (conformal
// latitude), then a complex trigonometric series in zeta = xi + i eta goes
// between the spherical and the ellipsoidal Transverse Mercator. Truncated at
// n^6 the error stays under a millimetre far beyond a UTM zone.

namespace varnel {
namespace {

constexpr double kEscalaUtm = 0.9996;
constexpr double kFalsoEste = 500000.0;
constexpr double kGrado = std::numbers::pi / 180.0;

using Complejo = std::complex<double>;

// zeta + sum of c[j-1] sin(2 j zeta), j = 1..N, by Clenshaw's recurrence:
// one complex sine and cosine whatever the order.
template <std::size_t N>
Complejo SumarSeno(const std::array<double, N>& c, Complejo zeta) {
    // sin 2ζ and cos 2ζ from one sincos and one exp, instead of the two
    // complex functions' four each.
    const double seno = std::sin(2.0 * zeta.real());
    const double coseno = std::cos(2.0 * zeta.real());
    const double exponencial = std::exp(2.0 * zeta.imag());
    const double coseh = (exponencial + 1.0 / exponencial) / 2.0;
    const double senoh =
        std::fabs(zeta.imag()) < 1e-3 ? std::sinh(2.0 * zeta.imag()) : (exponencial - 1.0 / exponencial) / 2.0;
    const Complejo sen2{seno * coseh, coseno * senoh};
    const double ar = 2.0 * coseno * coseh;
    const double ai = -2.0 * seno * senoh;
    // The products written out: the same operations as std::complex's, in
    // the same order, without its check for infinities after each one.
    double b1r = 0.0;
    double b1i = 0.0;
    double b2r = 0.0;
    double b2i = 0.0;
    for (std::size_t k = N; k-- > 0;) {
        const double b0r = c[k] + (ar * b1r - ai * b1i) - b2r;
        const double b0i = (ar * b1i + ai * b1r) - b2i;
        b2r = b1r;
        b2i = b1i;
        b1r = b0r;
        b1i = b0i;
    }
    return zeta + sen2 * Complejo{b1r, b1i};
}

double TauConforme(double tau, double e) {
    const double raiz = std::sqrt(1.0 + tau * tau);
    const double sigma = std::sinh(e * std::atanh(e * tau / raiz));
    return tau * std::sqrt(1.0 + sigma * sigma) - sigma * raiz;
}

// tan of the geodetic latitude from tan of the conformal one: Newton's
// method, which settles in two or three steps from this start.
double TauGeodesica(double tauPrima, double e, double e2m) {
    double tau = tauPrima / e2m;
    const double tolerancia = 1e-14 * std::fmax(1.0, std::fabs(tauPrima));
    for (int i = 0; i < 8; ++i) {
        const double tauPrimaI = TauConforme(tau, e);
        const double paso = (tauPrima - tauPrimaI) * (1.0 + e2m * tau * tau) /
                            (e2m * std::sqrt(1.0 + tau * tau) * std::sqrt(1.0 + tauPrimaI * tauPrimaI));
        tau += paso;
        if (!(std::fabs(paso) >= tolerancia)) break;
    }
    return tau;
}

}  // namespace

ProyeccionUtm::ProyeccionUtm(const Elipsoide& elipsoide, int huso) : huso_(huso) {
    if (huso < 1 || huso > 60) throw std::invalid_argument("huso UTM fuera de 1..60");
    if (!(elipsoide.a > 0.0) || !(elipsoide.f >= 0.0 && elipsoide.f < 1.0))
        throw std::invalid_argument("elipsoide no válido");
    meridianoCentral_ = 6.0 * huso - 183.0;
    const double f = elipsoide.f;
    e2m_ = (1.0 - f) * (1.0 - f);
    e_ = std::sqrt(f * (2.0 - f));

    const double n = f / (2.0 - f);
    const double n2 = n * n;
    const double n3 = n2 * n;
    const double n4 = n3 * n;
    const double n5 = n4 * n;
    const double n6 = n5 * n;
    const double radioRectificante = elipsoide.a / (1.0 + n) * (1.0 + n2 / 4.0 + n4 / 64.0 + n6 / 256.0);
    escalaA_ = kEscalaUtm * radioRectificante;

    // Conformal sphere to ellipsoid (forward).
    alfa_ = {
        n / 2.0 - 2.0 / 3.0 * n2 + 5.0 / 16.0 * n3 + 41.0 / 180.0 * n4 - 127.0 / 288.0 * n5 + 7891.0 / 37800.0 * n6,
        13.0 / 48.0 * n2 - 3.0 / 5.0 * n3 + 557.0 / 1440.0 * n4 + 281.0 / 630.0 * n5 - 1983433.0 / 1935360.0 * n6,
        61.0 / 240.0 * n3 - 103.0 / 140.0 * n4 + 15061.0 / 26880.0 * n5 + 167603.0 / 181440.0 * n6,
        49561.0 / 161280.0 * n4 - 179.0 / 168.0 * n5 + 6601661.0 / 7257600.0 * n6,
        34729.0 / 80640.0 * n5 - 3418889.0 / 1995840.0 * n6,
        212378941.0 / 319334400.0 * n6};
    // Ellipsoid to conformal sphere (inverse), stored negated so both directions add.
    beta_ = {
        -(n / 2.0 - 2.0 / 3.0 * n2 + 37.0 / 96.0 * n3 - 1.0 / 360.0 * n4 - 81.0 / 512.0 * n5 + 96199.0 / 604800.0 * n6),
        -(1.0 / 48.0 * n2 + 1.0 / 15.0 * n3 - 437.0 / 1440.0 * n4 + 46.0 / 105.0 * n5 - 1118711.0 / 3870720.0 * n6),
        -(17.0 / 480.0 * n3 - 37.0 / 840.0 * n4 - 209.0 / 4480.0 * n5 + 5569.0 / 90720.0 * n6),
        -(4397.0 / 161280.0 * n4 - 11.0 / 504.0 * n5 - 830251.0 / 7257600.0 * n6),
        -(4583.0 / 161280.0 * n5 - 108847.0 / 3991680.0 * n6),
        -(20648693.0 / 638668800.0 * n6)};
}

PosicionUtm ProyeccionUtm::Directa(PosicionGeografica p) const {
    const double phi = p.latitud * kGrado;
    // Longitude from the central meridian, in [-180, 180] degrees: the
    // remainder only when it is needed, as it rarely is.
    double desde = p.longitud - meridianoCentral_;
    if (!(std::fabs(desde) <= 180.0)) desde = std::remainder(desde, 360.0);
    const double lambda = desde * kGrado;
    const double tauPrima = TauConforme(std::sin(phi) / std::cos(phi), e_);
    const double cosLambda = std::cos(lambda);
    const Complejo zetaPrima{std::atan2(tauPrima, cosLambda),
                             std::asinh(std::sin(lambda) / std::sqrt(tauPrima * tauPrima + cosLambda * cosLambda))};
    const Complejo zeta = SumarSeno(alfa_, zetaPrima);
    return {kFalsoEste + escalaA_ * zeta.imag(), escalaA_ * zeta.real()};
}

PosicionGeografica ProyeccionUtm::Inversa(PosicionUtm p) const {
    const Complejo zeta{p.norte / escalaA_, (p.este - kFalsoEste) / escalaA_};
    const Complejo zetaPrima = SumarSeno(beta_, zeta);
    const double xiPrima = zetaPrima.real();
    const double sinhEtaPrima = std::sinh(zetaPrima.imag());
    const double cosXiPrima = std::cos(xiPrima);
    const double tauPrima = std::sin(xiPrima) / std::sqrt(sinhEtaPrima * sinhEtaPrima + cosXiPrima * cosXiPrima);
    const double phi = std::atan(TauGeodesica(tauPrima, e_, e2m_));
    const double lambda = std::atan2(sinhEtaPrima, cosXiPrima);
    return {phi / kGrado, std::remainder(meridianoCentral_ + lambda / kGrado, 360.0)};
}

}  // namespace varnel
