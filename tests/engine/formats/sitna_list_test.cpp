#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/formats/sitna_list.h"
#include "tests/engine/formats/format_cases.h"
#include "tests/test_support.h"

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

// Whole numbers take a shorter way to the file and the box: whatever the
// values, the bytes are those of the line and the entry made one by one.
TEST(ListaSitnaTest, EscribirPuntoComoLineaYEntrada) {
    const std::vector<Valor> valores{Valor::Numero(0),
                                     Valor::Numero(-0.0),
                                     Valor::Numero(7),
                                     Valor::Numero(-42),
                                     Valor::Numero(99999),
                                     Valor::Numero(612345),
                                     Valor::Numero(4745678),
                                     Valor::Numero(-4745678),
                                     Valor::Numero(4294967295.0),
                                     Valor::Numero(4294967296.0),
                                     Valor::Numero(999999999999999.0),
                                     Valor::Numero(1e15),
                                     Valor::Numero(612345.5),
                                     Valor::Numero(std::nan("")),
                                     Valor::Numero(std::numeric_limits<double>::infinity()),
                                     Valor::Texto("612345"),
                                     Valor::Texto("x")};
    CarpetaTemporal carpeta;
    const auto ruta = carpeta / "lista.txt";
    EstadoCompartido estado;
    std::string caja;
    std::int16_t primera = -1;
    std::string fichero;
    std::string cajaEsperada;
    std::int16_t primeraEsperada = -1;
    {
        EscritorTexto escritor(ruta);
        DestinoPunto destino{estado, escritor, caja, primera, false};
        for (const Valor& x : valores)
            for (const Valor& y : valores) {
                estado.CoordX = x;
                estado.CoordY = y;
                lista_sitna::EscribirPunto(destino);
                fichero += lista_sitna::LineaFichero(x, y);
                lista_sitna::AnadirEntradaCaja(cajaEsperada, primeraEsperada, x, y);
            }
        escritor.Cerrar();
    }
    EXPECT_EQ(LeerBytes(ruta), fichero);
    EXPECT_EQ(caja, cajaEsperada);
    EXPECT_EQ(estado.Contador.Valor(), static_cast<std::int16_t>(valores.size() * valores.size()));
}

}  // namespace
}  // namespace varnel::prueba
