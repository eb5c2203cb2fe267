#include <gtest/gtest.h>

#include "engine/mapsource_export.h"
#include "tests/format_cases.h"

namespace varnel::prueba {
namespace {

class LineaMapsourceTest : public ::testing::TestWithParam<CasoLinea> {};

TEST_P(LineaMapsourceTest, Lee) { ComprobarLinea(exportacion_mapsource::LeerLinea, GetParam()); }

INSTANTIATE_TEST_SUITE_P(Lineas, LineaMapsourceTest,
                         ::testing::Values(CasoLinea{"Trackpoint\t30 T 612345 4745678\t12/05/2006\t450 m",
                                                     Lectura::Punto, "612345", "4745678"},
                                           CasoLinea{"Trackpoint\t30T 99999 4745678", Lectura::Punto, "99999",
                                                     "4745678"},
                                           CasoLinea{"Track\tRuta 1", Lectura::LineaIgnorada},
                                           CasoLinea{"trackpoint\t30 T 612345 4745678", Lectura::LineaIgnorada},
                                           CasoLinea{"", Lectura::LineaIgnorada},
                                           CasoLinea{"Trackpoint 30 T 612345 4745678", Lectura::NoEsPunto},
                                           CasoLinea{"Trackpoint\tN42 49.080 W1 38.160", Lectura::NoEsPunto},
                                           CasoLinea{"Trackpoint\t612345 4745678", Lectura::NoEsPunto},
                                           CasoLinea{"Trackpoint\t30 T 61234x 4745678", Lectura::NoEsPunto}),
                         NombreDeCaso);

}  // namespace
}  // namespace varnel::prueba
