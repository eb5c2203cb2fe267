// The fuzz properties over every committed input: each reader's target runs
// on all the test data, and on the inputs the fuzzers once found failing
// (tests/data/fuzz-regressions/<target>/), one case per file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/fuzz/conversion_properties.h"
#include "tests/fuzz/gps_file_properties.h"
#include "tests/fuzz/reader_properties.h"
#include "tests/test_support.h"

namespace varnel::prueba {
namespace {
namespace fs = std::filesystem;

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

struct Entrada {
    Lector lector;
    fs::path fichero;
    std::string nombre;  // target and file, as the case's name
};

void PrintTo(const Entrada& e, std::ostream* os) { *os << e.nombre; }

std::string NombreDe(const Lector& l, const fs::path& fichero) {
    std::string n = std::string(l.nombre) + "_" + Utf8(fichero.filename());
    std::replace_if(
        n.begin(), n.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return n;
}

std::vector<fs::path> Ficheros(const fs::path& carpeta) {
    std::vector<fs::path> ficheros;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(carpeta, ec))
        if (e.is_regular_file()) ficheros.push_back(e.path());
    std::sort(ficheros.begin(), ficheros.end());
    return ficheros;
}

std::vector<Entrada> Entradas() {
    std::vector<Entrada> entradas;
    for (const Lector& l : kLectores) {
        // The golden files, the real-world exports among them, are inputs of every reader.
        for (const fs::path& f : Ficheros(RutaDatoDePrueba(""))) entradas.push_back({l, f, NombreDe(l, f)});
        for (const fs::path& f : Ficheros(RutaDatoDePrueba("real")))
            entradas.push_back({l, f, "real_" + NombreDe(l, f)});
        for (const fs::path& f : Ficheros(RutaDatoDePrueba("fuzz-regressions") / l.nombre))
            entradas.push_back({l, f, "regresion_" + NombreDe(l, f)});
    }
    return entradas;
}

class PropiedadesTest : public ::testing::TestWithParam<Entrada> {};

// The reader alone, from memory, and the whole run with its files.
TEST_P(PropiedadesTest, SeCumplen) {
    const std::string datos = LeerBytes(GetParam().fichero);
    const auto lector = ComprobarLector(GetParam().lector.objetivo, datos);
    EXPECT_FALSE(lector.has_value()) << lector.value_or("");
    const auto ejecucion = ComprobarConversion(GetParam().lector.objetivo, datos);
    EXPECT_FALSE(ejecucion.has_value()) << ejecucion.value_or("");
}

INSTANTIATE_TEST_SUITE_P(Entradas, PropiedadesTest, ::testing::ValuesIn(Entradas()),
                         [](const auto& info) { return info.param.nombre; });

// A dropped GPS file: the GPX and KML files, their regressions, and the
// other test data as files that are neither.
std::vector<Entrada> EntradasGps() {
    std::vector<Entrada> entradas;
    const Lector gps{Objetivo::ListaSitnaFichero, "gpx"};
    for (const char* carpeta : {"gpx", "fuzz-regressions/gpx", ""})
        for (const fs::path& f : Ficheros(RutaDatoDePrueba(carpeta)))
            entradas.push_back({gps, f, (*carpeta ? "" : "otro_") + NombreDe(gps, f)});
    return entradas;
}

class FicheroGpsTest : public ::testing::TestWithParam<Entrada> {};

TEST_P(FicheroGpsTest, SeCumplen) {
    const auto fallo = ComprobarFicheroGps(LeerBytes(GetParam().fichero));
    EXPECT_FALSE(fallo.has_value()) << fallo.value_or("");
}

INSTANTIATE_TEST_SUITE_P(Entradas, FicheroGpsTest, ::testing::ValuesIn(EntradasGps()),
                         [](const auto& info) { return info.param.nombre; });

TEST(FormatosTest, PropiedadesDeLosNumeros) {
    for (const char* t :
         {"612345", "-2.5", "1e300", "0.5", "99999.5", " 7 ", "abc", "", "1e-320", "123456789012345678"})
        EXPECT_FALSE(ComprobarFormatos(t).has_value()) << t << ": " << ComprobarFormatos(t).value_or("");
}

}  // namespace
}  // namespace varnel::prueba
