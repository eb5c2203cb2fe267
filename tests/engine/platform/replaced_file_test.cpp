#include "engine/platform/replaced_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/core/run_error.h"
#include "tests/test_support.h"

namespace varnel {
namespace {

using prueba::CarpetaTemporal;
using prueba::EscribirBytes;
using prueba::LeerBytes;

TEST(FicheroSustituidoTest, ConfirmadoOcupaElLugarDelViejo) {
    CarpetaTemporal dir;
    EscribirBytes(dir / "Sitna.gpx", "viejo, más largo que el nuevo");
    {
        FicheroSustituido f(dir / "Sitna.gpx");
        f.Escribir("nu");
        f.Escribir("evo");
        EXPECT_EQ(LeerBytes(dir / "Sitna.gpx"), "viejo, más largo que el nuevo");  // untouched meanwhile
        f.Confirmar();
    }
    EXPECT_EQ(LeerBytes(dir / "Sitna.gpx"), "nuevo");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Ruta()), {}), 1);
}

TEST(FicheroSustituidoTest, SinConfirmarQuedaElViejoEnteroYNingunTemporal) {
    CarpetaTemporal dir;
    EscribirBytes(dir / "Sitna.kml", "viejo");
    try {
        FicheroSustituido f(dir / "Sitna.kml");
        f.Escribir("a medias");
        EXPECT_TRUE(std::filesystem::exists(f.Temporal()));
        throw std::runtime_error("fallo a mitad");
    } catch (const std::runtime_error&) {}
    EXPECT_EQ(LeerBytes(dir / "Sitna.kml"), "viejo");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Ruta()), {}), 1);
}

TEST(FicheroSustituidoTest, NuevoEnCarpetaQueExiste) {
    CarpetaTemporal dir;
    FicheroSustituido f(dir / prueba::RutaUtf8("Ruta Peña.gpx"));
    f.Escribir("x");
    f.Confirmar();
    EXPECT_EQ(LeerBytes(dir / prueba::RutaUtf8("Ruta Peña.gpx")), "x");
}

TEST(FicheroSustituidoTest, CarpetaQueFaltaEsError76YUnaCarpeta75) {
    CarpetaTemporal dir;
    try {
        FicheroSustituido f(dir / "no-esta" / "Sitna.gpx");
        FAIL() << "se abrió";
    } catch (const ErrorEjecucion& e) {
        EXPECT_EQ(e.Codigo(), codigo::RutaNoEncontrada);
    }
    std::filesystem::create_directory(dir / "carpeta.gpx");
    try {
        FicheroSustituido f(dir / "carpeta.gpx");
        FAIL() << "se abrió";
    } catch (const ErrorEjecucion& e) {
        EXPECT_EQ(e.Codigo(), codigo::AccesoRuta);
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "carpeta.gpx"));
}

}  // namespace
}  // namespace varnel
