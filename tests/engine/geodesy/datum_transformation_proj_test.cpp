#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <iostream>
#include <memory>
#include <numbers>
#include <string>

#include "engine/geodesy/datum_transformation.h"
#include "tests/engine/geodesy/proj_oracle.h"
#include "tests/engine/geodesy/transverse_mercator_cases.h"

// The datum shift where IGN's grid does not reach against PROJ's own
// EPSG:1633, taken from its database, point by point (builds with the PROJ
// library only).

namespace varnel::prueba {
namespace {

// A millimetre is what the program needs, but both sides compute the same
// formulas and agree to nanometres; ten micrometres also catch the smaller
// slips: the GRS 80 ellipsoid for WGS 84 moves points by a tenth of a
// millimetre, the exact inverse rotation for PROJ's transpose by 26 micrometres.
constexpr double kToleranciaMetros = 0.00001;

// EPSG:1633 from PROJ's database. Its axes are those of EPSG:4230 and
// EPSG:4326: latitude then longitude, in degrees.
class ProjEpsg1633 {
public:
    bool Valida() const { return op_.Valida(); }
    PosicionGeografica Transformar(PJ_DIRECTION sentido, PosicionGeografica p) const {
        const PJ_COORD r = op_.Transformar(sentido, proj_coord(p.latitud, p.longitud, 0.0, 0.0));
        return {r.v[0], r.v[1]};
    }

private:
    OperacionProj op_{[](PJ_CONTEXT* c) {
        return proj_create_from_database(c, "EPSG", "1633", PJ_CATEGORY_COORDINATE_OPERATION, 0, nullptr);
    }};
};

// Latitudes 41.5 to 43.8 and longitudes -3.5 to +0.5 every 0.05 degrees,
// the edges included: 47 by 81 points, Navarre and a margin all round.
template <typename F>
int RecorrerRejilla(F&& f) {
    int puntos = 0;
    for (int i = 0; i <= 46; ++i) {
        for (int j = 0; j <= 80; ++j) {
            f(PosicionGeografica{41.5 + i * 0.05, -3.5 + j * 0.05});
            ++puntos;
        }
    }
    return puntos;
}

struct CasoSentido {
    const char* nombre;
    PJ_DIRECTION sentido;
    PosicionGeografica (*nuestra)(PosicionGeografica);
    const Elipsoide* llegada;  // the ellipsoid the answer is on
};

void PrintTo(const CasoSentido& c, std::ostream* os) { *os << c.nombre; }

class TransformacionDatumProjTest : public ::testing::TestWithParam<CasoSentido> {};

TEST_P(TransformacionDatumProjTest, CoincideConProjEnLaRejilla) {
    const auto& c = GetParam();
    const ProjEpsg1633 proj;
    ASSERT_TRUE(proj.Valida()) << "PROJ no conoce EPSG:1633";
    MayorDiferencia mayor;
    const int puntos = RecorrerRejilla([&](PosicionGeografica p) {
        mayor.Anotar(DistanciaMetros(*c.llegada, proj.Transformar(c.sentido, p), c.nuestra(p)), p.latitud, p.longitud);
    });
    EXPECT_LE(mayor.metros, kToleranciaMetros) << mayor;
    RecordProperty("puntos", puntos);
    RecordProperty("mayor_diferencia_mm", std::to_string(mayor.metros * 1000.0));
    std::cout << c.nombre << ": " << puntos << " puntos, mayor diferencia " << mayor << "\n";
}

INSTANTIATE_TEST_SUITE_P(Epsg1633, TransformacionDatumProjTest,
                         ::testing::Values(CasoSentido{"ed50_a_etrs89", PJ_FWD, Ed50AEtrs89Epsg1633, &elipsoide::Wgs84},
                                           CasoSentido{"etrs89_a_ed50", PJ_INV, Etrs89AEd50Epsg1633,
                                                       &elipsoide::Internacional1924}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// The shift at Pamplona in metres, east and north on the ground, both ways of
// computing it: the figure a user would check by hand.
TEST(TransformacionDatumProjTest, DesplazamientoEnPamplona) {
    constexpr double kGrado = std::numbers::pi / 180.0;
    const PosicionGeografica pamplona{42.8125, -1.6458};
    const ProjEpsg1633 proj;
    ASSERT_TRUE(proj.Valida());
    const auto metros = [&](PosicionGeografica q) {
        const double radio = elipsoide::Wgs84.a;
        return PosicionUtm{(q.longitud - pamplona.longitud) * kGrado * radio * std::cos(pamplona.latitud * kGrado),
                           (q.latitud - pamplona.latitud) * kGrado * radio};
    };
    const PosicionUtm nuestro = metros(Ed50AEtrs89Epsg1633(pamplona));
    const PosicionUtm deProj = metros(proj.Transformar(PJ_FWD, pamplona));
    EXPECT_NEAR(nuestro.este, deProj.este, kToleranciaMetros);
    EXPECT_NEAR(nuestro.norte, deProj.norte, kToleranciaMetros);
    RecordProperty("este_m", std::to_string(nuestro.este));
    RecordProperty("norte_m", std::to_string(nuestro.norte));
    std::cout << "Pamplona, de ED50 a WGS 84: " << nuestro.este << " m al este, " << nuestro.norte
              << " m al norte (PROJ: " << deProj.este << ", " << deProj.norte << ")\n";
}

}  // namespace
}  // namespace varnel::prueba
