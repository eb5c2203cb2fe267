#include <gtest/gtest.h>

#include "engine/formats/ozi_waypoints.h"
#include "tests/engine/formats/format_cases.h"

namespace varnel::prueba {
namespace {

class LineaWaypointTest : public ::testing::TestWithParam<CasoLinea> {};

TEST_P(LineaWaypointTest, Lee) { ComprobarLinea(waypoints_ozi::CrearLector, GetParam(), {"Datum,European 1950"}); }

INSTANTIATE_TEST_SUITE_P(
    Lineas, LineaWaypointTest,
    ::testing::Values(CasoLinea{"registroCompleto", "WP,UTM,SIT001,30T,612345,4745678,,,SITNA Punto 001,\u2021,N",
                                Lectura::Punto, "612345", "4745678"},
                      CasoLinea{"seisCampos", "WP,UTM,A,30T,612345,4745678", Lectura::Punto, "612345", "4745678"},
                      CasoLinea{"nombreEntreComillasConComa", "WP,UTM,\"A,B\",30T,12345,4745678,x", Lectura::Punto,
                                "12345", "4745678"},
                      CasoLinea{"vacia", "", Lectura::LineaIgnorada},
                      CasoLinea{"cabeceraRepetida", "Datum,European 1950", Lectura::NoEsPunto},
                      CasoLinea{"cincoCampos", "WP,UTM,SIT,30T,612400", Lectura::NoEsPunto},
                      CasoLinea{"campoDeMasAntesDelPunto", "WP,UTM,A,B,30T,612345,4745678", Lectura::NoEsPunto}),
    NombreDeCaso);

TEST(WaypointsOziTest, RegistroExactoConLaMarca0x87) {
    EXPECT_EQ(waypoints_ozi::Registro(Valor::Texto("12345"), Valor::Numero(4745678), "SIT001", "SITNA Punto 001", "C"),
              "WP,UTM,SIT001,30T,012345,4745678,,,SITNA Punto 001,\x87,C\r\n");
}

TEST(WaypointsOziTest, TresCifrasSonElNumeroModulo1000) {
    EXPECT_EQ(waypoints_ozi::TresCifras(1001), "001");
    EXPECT_EQ(waypoints_ozi::TresCifras(1999), "999");
    EXPECT_EQ(waypoints_ozi::TresCifras(2000), "000");
    EXPECT_EQ(waypoints_ozi::TresCifras(32767), "767");
}

}  // namespace
}  // namespace varnel::prueba
