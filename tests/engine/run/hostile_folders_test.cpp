// Exchange folders and files that are not what they seem: every case ends in
// its error report (or works, where it should), and nothing blocks.

#include <gtest/gtest.h>

#include "tests/engine/run/engine_fixture.h"

namespace varnel::prueba {
namespace {

// A valid input for each conversion.
std::string Datos(const Conversion& c) {
    switch (c.entrada) {
    case FicheroIntercambio::ListaSitna: return "612345,4745678\r\n";
    case FicheroIntercambio::WaypointsOzi:
        return "Datum,European 1950\r\nWP,UTM,SIT001,30T,612345,4745678,,,SITNA Punto 001,\x87,N\r\n";
    case FicheroIntercambio::TrackOzi: return "Datum,European 1950\r\nTP,UTM,30T,612345,4745678,,,1,,,,,,\r\n";
    case FicheroIntercambio::Mapsource: return "Trackpoint\t30 T 612345 4745678\t\r\n";
    }
    return {};
}

class CarpetaHostilTest : public MotorTest, public ::testing::WithParamInterface<Conversion> {
protected:
    CarpetaHostilTest() { cuadro = std::nullopt; }  // the SITNA list from its file
    void Ejecutar() { Convertir(GetParam()); }
    std::string_view Entrada() const { return Formato(GetParam().entrada).nombre; }
    std::string_view Salida() const { return Formato(GetParam().salida).nombre; }
    std::string Error75() const { return "Error:75 Error de acceso a la ruta o el archivo"; }
    // Opening the output would truncate the file about to be read.
    // The messages box names the file that would have been emptied.
    void EsperarRechazoSinVaciarLaEntrada() {
        Ejecutar();
        EsperarError(Error75() + " " + Ruta(Salida()), Error75());
        EXPECT_EQ(Leer(Entrada()), Datos(GetParam()));
    }
};

TEST_P(CarpetaHostilTest, EntradaQueEsUnaCarpeta) {
    std::filesystem::create_directory(dir / Entrada());
    Poner(Salida(), "anterior");
    Ejecutar();
    EsperarError(Error75(), Error75());
    EXPECT_EQ(Leer(Salida()), "anterior");
}

constexpr const char* kSinTuberias = "Windows no tiene tuberías con nombre dentro de una carpeta";
constexpr const char* kSinEnlaces = "este sistema no deja crear enlaces simbólicos";

TEST_P(CarpetaHostilTest, EntradaQueEsUnaTuberiaNoBloquea) {
    if (!CrearTuberia(dir / Entrada())) GTEST_SKIP() << kSinTuberias;
    Ejecutar();  // would hang here if the pipe were opened
    EsperarError(Error75(), Error75());
}

TEST_P(CarpetaHostilTest, SalidaQueEsUnaTuberiaNoBloquea) {
    Poner(Entrada(), Datos(GetParam()));
    if (!CrearTuberia(dir / Salida())) GTEST_SKIP() << kSinTuberias;
    Ejecutar();
    EsperarError(Error75(), Error75());
}

TEST_P(CarpetaHostilTest, EntradaEnlaceColganteEs53ConSuRuta) {
    if (!CrearEnlaceSimbolico(dir / "no-esta.txt", dir / Entrada())) GTEST_SKIP() << kSinEnlaces;
    Ejecutar();
    EsperarError("Error:53 No se ha encontrado el archivo " + Ruta(Entrada()),
                 "Error:53 No se ha encontrado el archivo");
}

TEST_P(CarpetaHostilTest, EntradaEnlaceAUnFicheroFunciona) {
    Poner("real.txt", Datos(GetParam()));
    if (!CrearEnlaceSimbolico(dir / "real.txt", dir / Entrada())) GTEST_SKIP() << kSinEnlaces;
    Ejecutar();
    EXPECT_FALSE(resultado.error) << Mensajes();
    EXPECT_EQ(Leer("real.txt"), Datos(GetParam()));
}

TEST_P(CarpetaHostilTest, SalidaEnlaceADevFullEsDiscoLleno) {
    Poner(Entrada(), Datos(GetParam()));
    if (!CrearEnlaceADiscoLleno(dir / Salida())) GTEST_SKIP() << "Windows no tiene un /dev/full";
    Ejecutar();
    EsperarError("Error:61 Disco lleno", "Error:61 Disco lleno");
}

TEST_P(CarpetaHostilTest, EntradaDeSoloLecturaSeLeeSinTocarla) {
    Poner(Entrada(), Datos(GetParam()));
    std::filesystem::permissions(dir / Entrada(), std::filesystem::perms::owner_read);
    const auto antes = std::filesystem::last_write_time(dir / Entrada());
    Ejecutar();
    EXPECT_FALSE(resultado.error) << Mensajes();
    EXPECT_EQ(Leer(Entrada()), Datos(GetParam()));
    EXPECT_EQ(std::filesystem::last_write_time(dir / Entrada()), antes);
}

TEST_P(CarpetaHostilTest, CarpetaQuitadaEntreDosEjecuciones) {
    const auto carpeta = dir / "usb";
    std::filesystem::create_directory(carpeta);
    EscribirBytes(carpeta / Entrada(), Datos(GetParam()));
    intercambio = carpeta;
    Ejecutar();
    ASSERT_FALSE(resultado.error) << Mensajes();
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
    EscribirBytes(carpeta / Entrada(), Datos(GetParam()));
    intercambio = carpeta;
    Ejecutar();
    EXPECT_FALSE(resultado.error) << Mensajes();
    EXPECT_TRUE(std::filesystem::exists(carpeta / Salida()));
    EXPECT_NE(Mensajes().find(Utf8(carpeta / Salida())), std::string::npos) << Mensajes();
}

TEST_P(CarpetaHostilTest, SalidaQueEsLaEntradaConOtroNombreNoLaVacia) {
    Poner(Entrada(), Datos(GetParam()));
    if (!CrearEnlaceSimbolico(dir / Entrada(), dir / Salida())) GTEST_SKIP() << kSinEnlaces;
    EsperarRechazoSinVaciarLaEntrada();
}

TEST_P(CarpetaHostilTest, SalidaQueEsUnEnlaceDuroALaEntradaNoLaVacia) {
    Poner(Entrada(), Datos(GetParam()));
    std::filesystem::create_hard_link(dir / Entrada(), dir / Salida());
    EsperarRechazoSinVaciarLaEntrada();
}

INSTANTIATE_TEST_SUITE_P(Conversiones, CarpetaHostilTest, ::testing::ValuesIn(conversiones::Todas), NombreDeConversion);

}  // namespace
}  // namespace varnel::prueba
