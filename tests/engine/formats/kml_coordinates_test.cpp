#include "engine/formats/kml_coordinates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnel {
namespace {

struct CasoTupla {
    const char* nombre;
    const char* tupla;
    bool valida;
    double longitud;
    double latitud;
};

void PrintTo(const CasoTupla& c, std::ostream* os) { *os << c.nombre; }

const CasoTupla kTuplas[] = {
    {"con_altitud", "-1.643200,42.816900,450.00", true, -1.6432, 42.8169},
    {"sin_altitud", "-1.6432,42.8169", true, -1.6432, 42.8169},
    {"signo_mas_y_exponente", "+1.5e0,4.28169e1", true, 1.5, 42.8169},
    {"limites", "-180,90,0", true, -180, 90},
    {"enteros", "2,43", true, 2, 43},
    {"un_solo_numero", "-1.6432", false, 0, 0},
    {"cuatro_numeros", "-1.6432,42.8169,450,1", false, 0, 0},
    {"coma_final", "-1.6432,42.8169,", false, 0, 0},
    {"campo_vacio", "-1.6432,,450", false, 0, 0},
    {"punto_y_coma", "-1.6432;42.8169", false, 0, 0},
    {"latitud_fuera", "-1.6432,90.5", false, 0, 0},
    {"longitud_fuera", "180.01,42.8", false, 0, 0},
    {"altitud_no_numerica", "-1.6432,42.8169,alto", false, 0, 0},
    {"infinito", "inf,42.8", false, 0, 0},
    {"coma_decimal", "-1,6432", false, 0, 0},
};

class TuplaKmlTest : public ::testing::TestWithParam<CasoTupla> {};

TEST_P(TuplaKmlTest, LonLatAlt) {
    const auto& c = GetParam();
    PosicionGeografica p{0, 0};
    ASSERT_EQ(LeerTuplaKml(c.tupla, p), c.valida);
    if (c.valida) {
        EXPECT_EQ(p.longitud, c.longitud);
        EXPECT_EQ(p.latitud, c.latitud);
    }
}

INSTANTIATE_TEST_SUITE_P(Tuplas, TuplaKmlTest, ::testing::ValuesIn(kTuplas),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(CoordenadasKmlTest, TuplasPartidasEntreTrozosConSuLinea) {
    CoordenadasKml c;
    std::vector<PuntoLeido> salida;
    c.Empezar(4);
    ASSERT_TRUE(c.Anadir("\n  -1.6432,42.81", salida));
    ASSERT_TRUE(c.Anadir("69,450 \t-2.0308,42.6713\n\n", salida));
    ASSERT_TRUE(c.Anadir("-1.6742,42.5279", salida));
    ASSERT_TRUE(c.Terminar(salida));
    ASSERT_EQ(salida.size(), 3u);
    EXPECT_EQ(salida[0].posicion.latitud, 42.8169);
    EXPECT_EQ(salida[0].posicion.longitud, -1.6432);
    EXPECT_EQ(salida[0].linea, 5);
    EXPECT_EQ(salida[1].posicion.latitud, 42.6713);
    EXPECT_EQ(salida[1].linea, 5);
    EXPECT_EQ(salida[2].posicion.longitud, -1.6742);
    EXPECT_EQ(salida[2].linea, 7);
}

TEST(CoordenadasKmlTest, RechazaConLaTuplaYSuLinea) {
    CoordenadasKml c;
    std::vector<PuntoLeido> salida;
    c.Empezar(10);
    ASSERT_TRUE(c.Anadir("-1.6432,42.8169\n", salida));
    EXPECT_FALSE(c.Anadir("-1.6432;42.8169 3,4", salida));
    EXPECT_EQ(c.Rechazada(), "-1.6432;42.8169");
    EXPECT_EQ(c.LineaRechazada(), 11);
    EXPECT_EQ(salida.size(), 1u);
}

TEST(CoordenadasKmlTest, UnaTuplaSinFinNoCreceSinLimite) {
    CoordenadasKml c;
    std::vector<PuntoLeido> salida;
    c.Empezar(1);
    const std::string trozo(1000, '1');
    bool aceptado = true;
    for (int i = 0; i < 1000 && aceptado; ++i) aceptado = c.Anadir(trozo, salida);
    EXPECT_FALSE(aceptado);
    EXPECT_EQ(c.Rechazada().size(), CoordenadasKml::kTuplaMaxima + 1);
}

TEST(CoordenadasKmlTest, EmpezarOlvidaLoPendiente) {
    CoordenadasKml c;
    std::vector<PuntoLeido> salida;
    c.Empezar(1);
    ASSERT_TRUE(c.Anadir("-1.6432,42.8", salida));
    c.Empezar(7);
    ASSERT_TRUE(c.Anadir("-2,43", salida));
    ASSERT_TRUE(c.Terminar(salida));
    ASSERT_EQ(salida.size(), 1u);
    EXPECT_EQ(salida[0].posicion.longitud, -2);
    EXPECT_EQ(salida[0].linea, 7);
}

}  // namespace
}  // namespace varnel
