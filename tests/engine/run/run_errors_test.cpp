#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "tests/engine/run/engine_fixture.h"

namespace varnel::prueba {
namespace {

using ErroresTest = MotorTest;

constexpr const char* kSinDiscoLleno = "Windows no tiene un /dev/full";

TEST_F(ErroresTest, DiscoLlenoEsUnErrorNuncaUnResumen) {
    if (!CrearEnlaceADiscoLleno(dir / "Sitna-OziWp.txt")) GTEST_SKIP() << kSinDiscoLleno;
    cuadro = ListaSitna(3);
    Convertir(conversiones::SitnaWpOzi);
    EsperarError("Error:61 Disco lleno", "Error:61 Disco lleno");
}

TEST_F(ErroresTest, DiscoLlenoAlEscribirLaListaDejaLaCajaConLoLeido) {
    if (!CrearEnlaceADiscoLleno(dir / "Sitna-Descargar.txt")) GTEST_SKIP() << kSinDiscoLleno;
    Poner("Sitna-OziTrack.txt", DatoDePrueba("ozitrack-3.txt"));
    Convertir(conversiones::TrackOziSitna);
    EsperarError("Error:61 Disco lleno", "Error:61 Disco lleno");
    // The loss shows: the box gets the points the run read.
    EXPECT_EQ(Lista(), "612345,4745678\r\n612400,4745700\r\n99999,4700001");
}

TEST_F(ErroresTest, CarpetaDesaparecidaEs76) {
    intercambio = dir / "quitada";
    cuadro = "612345,4745678";
    Convertir(conversiones::SitnaTrackOzi);
    EsperarError("Error:76 No se ha encontrado la ruta de acceso", "Error:76 No se ha encontrado la ruta de acceso");
    Convertir(conversiones::MapsourceSitna);
    EsperarError("Error:76 No se ha encontrado la ruta de acceso", "Error:76 No se ha encontrado la ruta de acceso");
}

TEST_F(ErroresTest, SalidaQueEsUnaCarpetaEs75) {
    std::filesystem::create_directory(dir / "Sitna-Descargar.txt");
    Poner("Sitna-OziWp.txt", DatoDePrueba("oziwp-3-N.txt"));
    Convertir(conversiones::WpOziSitna);
    EsperarError("Error:75 Error de acceso a la ruta o el archivo", "Error:75 Error de acceso a la ruta o el archivo");
}

TEST_F(ErroresTest, EntradaQueEsUnaTuberiaEs75SinBloquear) {
    if (!CrearTuberia(dir / "Sitna-OziTrack.txt")) GTEST_SKIP() << "Windows no tiene tuberías con nombre";
    Poner("Sitna-Descargar.txt", "anterior");
    Convertir(conversiones::TrackOziSitna);
    EsperarError("Error:75 Error de acceso a la ruta o el archivo", "Error:75 Error de acceso a la ruta o el archivo");
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), "anterior");
}

#ifndef _WIN32
// Root writes anywhere, so the read-only check runs as an unprivileged user
// in a child process; the child's exit code is the run's error code.
void ComoUsuarioSinPrivilegios(const std::filesystem::path& carpeta) {
    if (::geteuid() == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(200);
    }
    MotorVarnel m;
    const ResultadoEjecucion r = m.Ejecutar({.conversion = conversiones::SitnaWpOzi,
                                             .carpeta = carpeta,
                                             .cuadro = "612345,4745678",
                                             .opcionGarmin = OpcionGarmin::Option1,
                                             .datumLista = DatumLista::Ed50});
    const bool esperado = r.error && logica::Informe(r).mensajes == "Error:70 Permiso denegado" &&
                          !std::filesystem::exists(carpeta / "Sitna-OziWp.txt");
    std::_Exit(esperado ? 70 : 1);
}

TEST(ErroresSinPrivilegiosTest, CarpetaDeSoloLecturaEs70) {
    const CarpetaTemporalCompartida dir;  // the child's run of this test takes it too
    const auto carpeta = dir / "solo-lectura";
    std::filesystem::create_directory(carpeta);
    std::filesystem::permissions(dir.Ruta(), std::filesystem::perms::all);  // the child must reach it
    std::filesystem::permissions(carpeta, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                              std::filesystem::perms::others_read |
                                              std::filesystem::perms::others_exec);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ComoUsuarioSinPrivilegios(carpeta), ::testing::ExitedWithCode(70), "");
}
#endif

}  // namespace
}  // namespace varnel::prueba
