#include <gtest/gtest.h>

#include "engine/ozi_waypoints.h"
#include "tests/format_cases.h"

namespace varnel::prueba {
namespace {

class LineaWaypointTest : public ::testing::TestWithParam<CasoLinea> {};

TEST_P(LineaWaypointTest, Lee) { ComprobarLinea(waypoints_ozi::LeerLinea, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Lineas, LineaWaypointTest,
    ::testing::Values(CasoLinea{"registro_completo", "WP,UTM,SIT001,30T,612345,4745678,,,SITNA Punto 001,\u2021,N",
                                Lectura::Punto, "612345", "4745678"},
                      CasoLinea{"registro_corto", "WP,UTM,A,30T,612345,4745678", Lectura::Punto, "612345", "4745678"},
                      CasoLinea{"nombre_entre_comillas_con_coma", "WP,UTM,\"A,B\",30T,12345,4745678,x", Lectura::Punto,
                                "12345", "4745678"},
                      CasoLinea{"vacia", "", Lectura::LineaIgnorada},
                      CasoLinea{"linea_de_datum", "Datum,European 1950", Lectura::NoEsPunto},
                      CasoLinea{"sin_norte", "WP,UTM,SIT,30T,612400", Lectura::NoEsPunto},
                      CasoLinea{"campo_de_mas_antes_de_la_zona", "WP,UTM,A,B,30T,612345,4745678", Lectura::NoEsPunto}),
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
