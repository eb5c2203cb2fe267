// The fuzz properties over the committed test data and every input the
// fuzzers once found failing (tests/data/fuzz-regressions).

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/fuzz/conversion_properties.h"
#include "tests/fuzz/gps_file_properties.h"
#include "tests/test_support.h"

namespace varnel::prueba {
namespace {

struct Lector {
    Objetivo objetivo;
    const char* nombre;  // the fuzz target's, and its folder of regressions
};

const Lector kLectores[] = {
    {Objetivo::ListaSitnaFichero, "sitna_file"}, {Objetivo::ListaSitnaCuadro, "sitna_box"},
    {Objetivo::WaypointsOzi, "ozi_waypoints"},   {Objetivo::TrackOzi, "ozi_track"},
    {Objetivo::Mapsource, "mapsource"},          {Objetivo::WaypointsOziPropios, "ozi_wpt"},
    {Objetivo::TrackOziPropio, "ozi_plt"},       {Objetivo::MapsourceGeografico, "mapsource_latlon"},
};

void PrintTo(const Lector& l, std::ostream* os) { *os << l.nombre; }

class PropiedadesTest : public ::testing::TestWithParam<Lector> {};

TEST_P(PropiedadesTest, DatosDePruebaYRegresiones) {
    int comprobados = 0;
    // The golden files, the real-world exports among them, are inputs of every reader.
    for (const char* carpeta : {"", "real"})
        for (const auto& e : std::filesystem::directory_iterator(RutaDatoDePrueba(carpeta))) {
            if (!e.is_regular_file()) continue;
            const auto fallo = ComprobarConversion(GetParam().objetivo, LeerBytes(e.path()));
            EXPECT_FALSE(fallo.has_value()) << e.path() << ": " << fallo.value_or("");
            ++comprobados;
        }
    const auto regresiones = RutaDatoDePrueba("fuzz-regressions") / GetParam().nombre;
    if (std::filesystem::is_directory(regresiones))
        for (const auto& e : std::filesystem::directory_iterator(regresiones)) {
            const auto fallo = ComprobarConversion(GetParam().objetivo, LeerBytes(e.path()));
            EXPECT_FALSE(fallo.has_value()) << e.path() << ": " << fallo.value_or("");
            ++comprobados;
        }
    EXPECT_GT(comprobados, 5);
}

INSTANTIATE_TEST_SUITE_P(Lectores, PropiedadesTest, ::testing::ValuesIn(kLectores),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(FicheroGpsTest, DatosDePruebaYRegresiones) {
    int comprobados = 0;
    for (const char* carpeta : {"gpx", "fuzz-regressions/gpx", ""}) {
        const auto ruta = RutaDatoDePrueba(carpeta);
        if (!std::filesystem::is_directory(ruta)) continue;
        for (const auto& e : std::filesystem::directory_iterator(ruta)) {
            if (!e.is_regular_file()) continue;
            const auto fallo = ComprobarFicheroGps(LeerBytes(e.path()));
            EXPECT_FALSE(fallo.has_value()) << e.path() << ": " << fallo.value_or("");
            ++comprobados;
        }
    }
    EXPECT_GT(comprobados, 15);
}

TEST(FormatosTest, PropiedadesDeLosNumeros) {
    for (const char* t :
         {"612345", "-2.5", "1e300", "0.5", "99999.5", " 7 ", "abc", "", "1e-320", "123456789012345678"})
        EXPECT_FALSE(ComprobarFormatos(t).has_value()) << t << ": " << ComprobarFormatos(t).value_or("");
}

}  // namespace
}  // namespace varnel::prueba
