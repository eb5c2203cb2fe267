// Exchange folders and files that are not what they seem: every case ends in
// its error report (or works, where it should), and nothing blocks.

#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace varnel::prueba {
namespace {

struct Conversion {
    const char* nombre;
    void (MotorVarnel::*boton)();
    const char* entrada;
    const char* salida;
    const char* datos;  // a valid input file
};

const Conversion kConversiones[] = {
    {"SitnaWpOzi", &MotorVarnel::cmdSitnaWpOzi, "Sitna-Descargar.txt", "Sitna-OziWp.txt", "612345,4745678\r\n"},
    {"SitnaTrackOzi", &MotorVarnel::cmdSitnaTrackOzi, "Sitna-Descargar.txt", "Sitna-OziTrack.txt",
     "612345,4745678\r\n"},
    {"WpOziSitna", &MotorVarnel::cmdWpOziSitna, "Sitna-OziWp.txt", "Sitna-Descargar.txt",
     "Datum,European 1950\r\nWP,UTM,SIT001,30T,612345,4745678,,,SITNA Punto 001,\x87,N\r\n"},
    {"TrackOziSitna", &MotorVarnel::cmdTrackOziSitna, "Sitna-OziTrack.txt", "Sitna-Descargar.txt",
     "Datum,European 1950\r\nTP,UTM,30T,612345,4745678,,,1,,,,,,\r\n"},
    {"MapsourceSitna", &MotorVarnel::cmdMapsourceSitna, "Sitna-Mapsource.txt", "Sitna-Descargar.txt",
     "Trackpoint\t30 T 612345 4745678\t\r\n"},
};

class CarpetaHostilTest : public MotorTest, public ::testing::WithParamInterface<Conversion> {
protected:
    CarpetaHostilTest() { ventana.descargar = false; }  // the SITNA list from its file
    void Ejecutar() { (motor.*GetParam().boton)(); }
    std::string Error75() const { return "Error:75 Error de acceso a la ruta o el archivo"; }
    // Opening the output would truncate the file about to be read.
    void EsperarRechazoSinVaciarLaEntrada() {
        Ejecutar();
        EsperarError(Error75(), Error75());
        EXPECT_EQ(Leer(GetParam().entrada), GetParam().datos);
    }
};

TEST_P(CarpetaHostilTest, EntradaQueEsUnaCarpeta) {
    std::filesystem::create_directory(dir / GetParam().entrada);
    Poner(GetParam().salida, "anterior");
    Ejecutar();
    EsperarError(Error75(), Error75());
    EXPECT_EQ(Leer(GetParam().salida), "anterior");
}

constexpr const char* kSinTuberias = "Windows no tiene tuberías con nombre dentro de una carpeta";
constexpr const char* kSinEnlaces = "este sistema no deja crear enlaces simbólicos";

TEST_P(CarpetaHostilTest, EntradaQueEsUnaTuberiaNoBloquea) {
    if (!CrearTuberia(dir / GetParam().entrada)) GTEST_SKIP() << kSinTuberias;
    Ejecutar();  // would hang here if the pipe were opened
    EsperarError(Error75(), Error75());
}

TEST_P(CarpetaHostilTest, SalidaQueEsUnaTuberiaNoBloquea) {
    Poner(GetParam().entrada, GetParam().datos);
    if (!CrearTuberia(dir / GetParam().salida)) GTEST_SKIP() << kSinTuberias;
    Ejecutar();
    EsperarError(Error75(), Error75());
}

TEST_P(CarpetaHostilTest, EntradaEnlaceColganteEs53ConSuRuta) {
    if (!CrearEnlaceSimbolico(dir / "no-esta.txt", dir / GetParam().entrada)) GTEST_SKIP() << kSinEnlaces;
    Ejecutar();
    EsperarError("Error:53 No se ha encontrado el archivo " + Ruta(GetParam().entrada),
                 "Error:53 No se ha encontrado el archivo");
}

TEST_P(CarpetaHostilTest, EntradaEnlaceAUnFicheroFunciona) {
    Poner("real.txt", GetParam().datos);
    if (!CrearEnlaceSimbolico(dir / "real.txt", dir / GetParam().entrada)) GTEST_SKIP() << kSinEnlaces;
    Ejecutar();
    EXPECT_EQ(ventana.pitidos, 0) << ventana.mensajes;
    EXPECT_EQ(Leer("real.txt"), GetParam().datos);
}

TEST_P(CarpetaHostilTest, SalidaEnlaceADevFullEsDiscoLleno) {
    Poner(GetParam().entrada, GetParam().datos);
    if (!CrearEnlaceADiscoLleno(dir / GetParam().salida)) GTEST_SKIP() << "Windows no tiene un /dev/full";
    Ejecutar();
    EsperarError("Error:61 Disco lleno", "Error:61 Disco lleno");
}

TEST_P(CarpetaHostilTest, EntradaDeSoloLecturaSeLeeSinTocarla) {
    Poner(GetParam().entrada, GetParam().datos);
    std::filesystem::permissions(dir / GetParam().entrada, std::filesystem::perms::owner_read);
    const auto antes = std::filesystem::last_write_time(dir / GetParam().entrada);
    Ejecutar();
    EXPECT_EQ(ventana.pitidos, 0) << ventana.mensajes;
    EXPECT_EQ(Leer(GetParam().entrada), GetParam().datos);
    EXPECT_EQ(std::filesystem::last_write_time(dir / GetParam().entrada), antes);
}

TEST_P(CarpetaHostilTest, CarpetaQuitadaEntreDosEjecuciones) {
    const auto carpeta = dir / "usb";
    std::filesystem::create_directory(carpeta);
    EscribirBytes(carpeta / GetParam().entrada, GetParam().datos);
    ventana.carpeta = carpeta;
    Ejecutar();
    ASSERT_EQ(ventana.pitidos, 0) << ventana.mensajes;
    std::filesystem::remove_all(carpeta);
    Ejecutar();
    EsperarError("Error:76 No se ha encontrado la ruta de acceso", "Error:76 No se ha encontrado la ruta de acceso");
}

TEST_P(CarpetaHostilTest, RutaConAcentosEspaciosYNombresRaros) {
#ifdef _WIN32
    // Windows names are UTF-16: a character outside Windows-1252 instead of raw bytes.
    const auto carpeta = dir / RutaUtf8("Excursión a Aralar ✓");
#else
    const auto carpeta = dir / "Excursión a Aralar \xff\xfe";
#endif
    std::filesystem::create_directory(carpeta);
    EscribirBytes(carpeta / GetParam().entrada, GetParam().datos);
    ventana.carpeta = carpeta;
    Ejecutar();
    EXPECT_EQ(ventana.pitidos, 0) << ventana.mensajes;
    EXPECT_TRUE(std::filesystem::exists(carpeta / GetParam().salida));
    EXPECT_NE(ventana.mensajes.find(Utf8(carpeta / GetParam().salida)), std::string::npos) << ventana.mensajes;
}

TEST_P(CarpetaHostilTest, SalidaQueEsLaEntradaConOtroNombreNoLaVacia) {
    Poner(GetParam().entrada, GetParam().datos);
    if (!CrearEnlaceSimbolico(dir / GetParam().entrada, dir / GetParam().salida)) GTEST_SKIP() << kSinEnlaces;
    EsperarRechazoSinVaciarLaEntrada();
}

TEST_P(CarpetaHostilTest, SalidaQueEsUnEnlaceDuroALaEntradaNoLaVacia) {
    Poner(GetParam().entrada, GetParam().datos);
    std::filesystem::create_hard_link(dir / GetParam().entrada, dir / GetParam().salida);
    EsperarRechazoSinVaciarLaEntrada();
}

INSTANTIATE_TEST_SUITE_P(Conversiones, CarpetaHostilTest, ::testing::ValuesIn(kConversiones),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace varnel::prueba
