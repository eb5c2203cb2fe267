#include <gtest/gtest.h>

#include "engine/ozi_track.h"
#include "tests/format_cases.h"

namespace varnel::prueba {
namespace {

class LineaTrackTest : public ::testing::TestWithParam<CasoLinea> {};

TEST_P(LineaTrackTest, Lee) { ComprobarLinea(track_ozi::LeerLinea, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Lineas, LineaTrackTest,
    ::testing::Values(CasoLinea{"registro_completo", "TP,UTM,30T,612345,4745678,,,1,,,,,,", Lectura::Punto, "612345",
                                "4745678"},
                      CasoLinea{"registro_corto", "TP,UTM,30T,612345,4745678", Lectura::Punto, "612345", "4745678"},
                      CasoLinea{"valores_tal_como_vienen", "x,y,z,1000000000000000,0.0001", Lectura::Punto,
                                "1000000000000000", "0.0001"},
                      CasoLinea{"solo_blancos", "  ", Lectura::LineaIgnorada},
                      CasoLinea{"cabecera_del_fichero", "OziExplorer Track Point File Version 2.1", Lectura::NoEsPunto},
                      CasoLinea{"sin_norte", "TP,UTM,30T,612345,,,,0", Lectura::NoEsPunto}),
    NombreDeCaso);

TEST(TrackOziTest, PrimerRegistroYSiguientes) {
    const Valor x = Valor::Numero(612345);
    const Valor y = Valor::Texto("745678");
    EXPECT_EQ(track_ozi::Registro(x, y, true), "TP,UTM,30T,612345,0745678,,,1,,,,,,\r\n");
    EXPECT_EQ(track_ozi::Registro(x, y, false), "TP,UTM,30T,612345,0745678,,,0,,,,,,\r\n");
}

}  // namespace
}  // namespace varnel::prueba
