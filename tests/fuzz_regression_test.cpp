// The fuzz properties over the committed test data and every input the
// fuzzers once found failing (tests/data/fuzz-regressions).

#include <gtest/gtest.h>

#include <filesystem>

#include "conversion_properties.h"
#include "test_support.h"

namespace varnel::prueba {
namespace {

const std::pair<Objetivo, const char*> kObjetivos[] = {
    {Objetivo::ListaSitnaFichero, "sitna_file"}, {Objetivo::ListaSitnaCuadro, "sitna_box"},
    {Objetivo::WaypointsOzi, "ozi_waypoints"},   {Objetivo::TrackOzi, "ozi_track"},
    {Objetivo::Mapsource, "mapsource"},
};

class PropiedadesTest : public ::testing::TestWithParam<std::pair<Objetivo, const char*>> {};

TEST_P(PropiedadesTest, DatosDePruebaYRegresiones) {
    int comprobados = 0;
    for (const auto& e : std::filesystem::directory_iterator(RutaDatoDePrueba(""))) {
        if (!e.is_regular_file()) continue;
        const auto fallo = ComprobarConversion(GetParam().first, LeerBytes(e.path()));
        EXPECT_FALSE(fallo.has_value()) << e.path() << ": " << fallo.value_or("");
        ++comprobados;
    }
    const auto regresiones = RutaDatoDePrueba("fuzz-regressions") / GetParam().second;
    if (std::filesystem::is_directory(regresiones))
        for (const auto& e : std::filesystem::directory_iterator(regresiones)) {
            const auto fallo = ComprobarConversion(GetParam().first, LeerBytes(e.path()));
            EXPECT_FALSE(fallo.has_value()) << e.path() << ": " << fallo.value_or("");
            ++comprobados;
        }
    EXPECT_GT(comprobados, 5);
}

INSTANTIATE_TEST_SUITE_P(Lectores, PropiedadesTest, ::testing::ValuesIn(kObjetivos),
                         [](const auto& info) { return std::string(info.param.second); });

TEST(FormatosTest, PropiedadesDeLosNumeros) {
    for (const char* t : {"612345", "-2.5", "1e300", "0.5", "99999.5", " 7 ", "abc", "", "1e-320", "123456789012345678"})
        EXPECT_FALSE(ComprobarFormatos(t).has_value()) << t << ": " << ComprobarFormatos(t).value_or("");
}

}  // namespace
}  // namespace varnel::prueba
