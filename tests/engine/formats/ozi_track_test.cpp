#include <gtest/gtest.h>

#include "engine/formats/ozi_track.h"
#include "tests/engine/formats/format_cases.h"

namespace varnel::prueba {
namespace {

class LineaTrackTest : public ::testing::TestWithParam<CasoLinea> {};

TEST_P(LineaTrackTest, Lee) { ComprobarLinea(track_ozi::CrearLector, GetParam(), {"Datum,European 1950"}); }

INSTANTIATE_TEST_SUITE_P(Lineas, LineaTrackTest,
                         ::testing::Values(CasoLinea{"registroCompleto", "TP,UTM,30T,612345,4745678,,,1,,,,,,",
                                                     Lectura::Punto, "612345", "4745678"},
                                           CasoLinea{"cincoCampos", "TP,UTM,30T,612345,4745678", Lectura::Punto,
                                                     "612345", "4745678"},
                                           CasoLinea{"numerosGrandesYDecimales", "x,y,z,1000000000000000,0.0001",
                                                     Lectura::Punto, "1000000000000000", "0.0001"},
                                           CasoLinea{"blancos", "  ", Lectura::LineaIgnorada},
                                           CasoLinea{"marcaDeFicheroPropioTrasLaCabecera",
                                                     "OziExplorer Track Point File Version 2.1", Lectura::NoEsPunto},
                                           CasoLinea{"norteVacio", "TP,UTM,30T,612345,,,,0", Lectura::NoEsPunto}),
                         NombreDeCaso);

TEST(TrackOziTest, PrimerRegistroYSiguientes) {
    const Valor x = Valor::Numero(612345);
    const Valor y = Valor::Texto("745678");
    EXPECT_EQ(track_ozi::Registro(x, y, true), "TP,UTM,30T,612345,0745678,,,1,,,,,,\r\n");
    EXPECT_EQ(track_ozi::Registro(x, y, false), "TP,UTM,30T,612345,0745678,,,0,,,,,,\r\n");
}

}  // namespace
}  // namespace varnel::prueba
