#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/geodesy/transverse_mercator.h"
#include "tests/engine/geodesy/proj_oracle.h"
#include "tests/engine/geodesy/transverse_mercator_cases.h"
#include "tests/test_support.h"

namespace varnel::prueba {
namespace {

// One row of PROJ's answers (tests/data/proj-utm.csv, made by make-proj-table.sh).
struct FilaProj {
    std::string elipsoide;
    int huso;
    bool directa;  // latitude and longitude given, else easting and northing given
    PosicionGeografica geografica;
    PosicionUtm utm;
};

std::vector<FilaProj> LeerTablaProj() {
    std::vector<FilaProj> filas;
    for (const auto& c : FilasCsv("proj-utm.csv", 7)) {
        if (c[2] != "directa" && c[2] != "inversa") {
            ADD_FAILURE() << "sentido desconocido: " << c[2];
            continue;
        }
        filas.push_back({c[0],
                         std::atoi(c[1].c_str()),
                         c[2] == "directa",
                         {NumeroCsv(c[3]), NumeroCsv(c[4])},
                         {NumeroCsv(c[5]), NumeroCsv(c[6])}});
    }
    return filas;
}

const std::vector<FilaProj>& TablaProj() {
    static const std::vector<FilaProj> filas = LeerTablaProj();
    return filas;
}

struct CasoTabla {
    CasoElipsoide elipsoide;
    bool directa;
};

void PrintTo(const CasoTabla& c, std::ostream* os) {
    *os << c.elipsoide.nombre << (c.directa ? " directa" : " inversa");
}

std::vector<CasoTabla> CasosTabla() {
    std::vector<CasoTabla> casos;
    for (const auto& e : Elipsoides()) {
        casos.push_back({e, true});
        casos.push_back({e, false});
    }
    return casos;
}

class TablaProjTest : public ::testing::TestWithParam<CasoTabla> {};

// The committed answers of PROJ: the same oracle where the library is absent (Windows).
TEST_P(TablaProjTest, CoincideConProj) {
    const auto& c = GetParam();
    std::map<int, ProyeccionUtm> proyecciones;
    std::set<int> husos;
    MayorDiferencia mayor;
    int puntos = 0;
    for (const auto& fila : TablaProj()) {
        if (fila.elipsoide != c.elipsoide.proj || fila.directa != c.directa) continue;
        const auto& utm = proyecciones.try_emplace(fila.huso, c.elipsoide.elipsoide, fila.huso).first->second;
        husos.insert(fila.huso);
        ++puntos;
        if (c.directa)
            mayor.Anotar(DistanciaMetros(utm.Directa(fila.geografica), fila.utm), fila.geografica.latitud,
                         fila.geografica.longitud);
        else
            mayor.Anotar(DistanciaMetros(c.elipsoide.elipsoide, fila.geografica, utm.Inversa(fila.utm)), fila.utm.este,
                         fila.utm.norte);
    }
    EXPECT_EQ(husos, (std::set<int>{29, 30, 31}));
    EXPECT_GE(puntos, 1000);
    EXPECT_LE(mayor.metros, kToleranciaMetros) << mayor;
    RecordProperty("puntos", puntos);
    RecordProperty("mayor_diferencia_mm", std::to_string(mayor.metros * 1000.0));
}

INSTANTIATE_TEST_SUITE_P(Proj, TablaProjTest, ::testing::ValuesIn(CasosTabla()), [](const auto& info) {
    return std::string(info.param.elipsoide.nombre) + (info.param.directa ? "_directa" : "_inversa");
});

class IdaYVueltaUtmTest : public ::testing::TestWithParam<CasoHuso> {};

// Inversa undoes Directa over both hemispheres, 15 degrees either side of the zone.
TEST_P(IdaYVueltaUtmTest, VuelveAlPuntoDePartida) {
    const auto& c = GetParam();
    const ProyeccionUtm utm(c.elipsoide.elipsoide, c.huso);
    const double meridiano = 6.0 * c.huso - 183.0;
    double mayor = 0.0;
    int puntos = 0;
    for (int i = -90; i <= 90; ++i) {
        for (int j = -75; j <= 75; ++j) {
            const PosicionGeografica p{i * 0.83, meridiano + j * 0.2};
            const PosicionGeografica vuelta = utm.Inversa(utm.Directa(p));
            const double diferencia =
                std::max(std::fabs(vuelta.latitud - p.latitud), std::fabs(vuelta.longitud - p.longitud));
            if (!(diferencia <= mayor)) mayor = diferencia;
            ++puntos;
        }
    }
    EXPECT_LE(mayor, 1e-9) << "grados, en " << puntos << " puntos";
}

INSTANTIATE_TEST_SUITE_P(Husos, IdaYVueltaUtmTest, ::testing::ValuesIn(HusosPeninsulares()), NombreDeHuso);

TEST(ProyeccionUtmTest, OrigenDeCadaHusoEnElEcuador) {
    for (int huso = 1; huso <= 60; ++huso) {
        const ProyeccionUtm utm(elipsoide::Wgs84, huso);
        EXPECT_EQ(utm.Huso(), huso);
        const double meridiano = 6.0 * huso - 183.0;
        const PosicionUtm origen = utm.Directa({0.0, meridiano});
        EXPECT_EQ(origen.este, 500000.0) << huso;
        EXPECT_EQ(origen.norte, 0.0) << huso;
        const PosicionGeografica vuelta = utm.Inversa({500000.0, 0.0});
        EXPECT_EQ(vuelta.latitud, 0.0) << huso;
        EXPECT_NEAR(vuelta.longitud, meridiano, 1e-12) << huso;
    }
}

// At the pole the northing is the scaled quarter meridian: 10 001 965.729 m on
// WGS 84, 10 002 288.299 m on the International 1924 ellipsoid.
TEST(ProyeccionUtmTest, PoloAUnCuartoDeMeridiano) {
    EXPECT_NEAR(ProyeccionUtm(elipsoide::Wgs84, 30).Directa({90.0, -3.0}).norte, 0.9996 * 10001965.729, 0.001);
    EXPECT_NEAR(ProyeccionUtm(elipsoide::Internacional1924, 30).Directa({-90.0, 10.0}).norte, -0.9996 * 10002288.299,
                0.001);
}

TEST(ProyeccionUtmTest, RechazaHusoInexistente) {
    for (int huso : {-1, 0, 61}) EXPECT_THROW(ProyeccionUtm(elipsoide::Grs80, huso), std::invalid_argument) << huso;
    EXPECT_THROW(ProyeccionUtm(Elipsoide{0.0, 0.0}, 30), std::invalid_argument);
    EXPECT_THROW(ProyeccionUtm(Elipsoide{6378137.0, 1.0}, 30), std::invalid_argument);
}

}  // namespace
}  // namespace varnel::prueba
