#include <gtest/gtest.h>

#include "engine/formats/sitna_list.h"
#include "tests/engine/formats/format_cases.h"

namespace varnel::prueba {
namespace {

class LineaSitnaTest : public ::testing::TestWithParam<CasoLinea> {};

TEST_P(LineaSitnaTest, Lee) { ComprobarLinea(lista_sitna::CrearLector, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Lineas, LineaSitnaTest,
    ::testing::Values(CasoLinea{"punto", "612345,4745678", Lectura::Punto, "612345", "4745678"},
                      CasoLinea{"blancosYCampoDeMas", " 99999 , 4700001 ,extra", Lectura::Punto, "99999", "4700001"},
                      CasoLinea{"decimales", "612345.5,4745678", Lectura::Punto, "612345.5", "4745678"},
                      CasoLinea{"entreComillas", "\"612345\",4745678", Lectura::Punto, "612345", "4745678"},
                      CasoLinea{"vacia", "", Lectura::LineaIgnorada},
                      CasoLinea{"soloBlancos", " \t ", Lectura::LineaIgnorada},
                      CasoLinea{"unCampo", "612345", Lectura::NoEsPunto},
                      CasoLinea{"puntoYComa", "612345;4745678", Lectura::NoEsPunto},
                      CasoLinea{"esteNoNumerico", "x,4745678", Lectura::NoEsPunto},
                      CasoLinea{"norteVacio", "612345,", Lectura::NoEsPunto}),
    NombreDeCaso);

TEST(ListaSitnaTest, LineaDelFicheroConCerosYCrLf) {
    EXPECT_EQ(lista_sitna::LineaFichero(Valor::Numero(612345), Valor::Numero(4745678)), "612345,4745678\r\n");
    EXPECT_EQ(lista_sitna::LineaFichero(Valor::Texto("99999"), Valor::Texto("745678")), "099999,0745678\r\n");
    EXPECT_EQ(lista_sitna::LineaFichero(Valor::Numero(1234567), Valor::Numero(12345678)), "1234567,12345678\r\n");
}

TEST(ListaSitnaTest, EntradasDeLaCajaSinCrLfFinal) {
    std::string caja;
    std::int16_t primera = -1;
    lista_sitna::AnadirEntradaCaja(caja, primera, Valor::Texto("99999"), Valor::Numero(4745678));
    EXPECT_EQ(caja, "99999,4745678");
    EXPECT_EQ(primera, 0);
    lista_sitna::AnadirEntradaCaja(caja, primera, Valor::Numero(612345.5), Valor::Numero(1e15));
    EXPECT_EQ(caja, "99999,4745678\r\n612345.5,1000000000000000");
}

}  // namespace
}  // namespace varnel::prueba
