#include <gtest/gtest.h>

#include "engine/mapsource_export.h"
#include "tests/format_cases.h"

namespace varnel::prueba {
namespace {

class LineaMapsourceTest : public ::testing::TestWithParam<CasoLinea> {};

TEST_P(LineaMapsourceTest, Lee) { ComprobarLinea(exportacion_mapsource::LeerLinea, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Lineas, LineaMapsourceTest,
    ::testing::Values(CasoLinea{"zona_aparte_con_fecha_y_altura", "Trackpoint\t30 T 612345 4745678\t12/05/2006\t450 m",
                                Lectura::Punto, "612345", "4745678"},
                      CasoLinea{"zona_junta", "Trackpoint\t30T 99999 4745678", Lectura::Punto, "99999", "4745678"},
                      CasoLinea{"cabecera_de_track", "Track\tRuta 1", Lectura::LineaIgnorada},
                      CasoLinea{"trackpoint_en_minusculas", "trackpoint\t30 T 612345 4745678", Lectura::LineaIgnorada},
                      CasoLinea{"vacia", "", Lectura::LineaIgnorada},
                      CasoLinea{"sin_tabuladores", "Trackpoint 30 T 612345 4745678", Lectura::NoEsPunto},
                      CasoLinea{"geograficas", "Trackpoint\tN42 49.080 W1 38.160", Lectura::NoEsPunto},
                      CasoLinea{"sin_zona", "Trackpoint\t612345 4745678", Lectura::NoEsPunto},
                      CasoLinea{"este_no_numerico", "Trackpoint\t30 T 61234x 4745678", Lectura::NoEsPunto}),
    NombreDeCaso);

}  // namespace
}  // namespace varnel::prueba
