// Paths as each platform spells them: the exchange file names, names beyond
// Windows-1252 in the messages, drive roots and files locked by another
// program (Windows), and every output written byte for byte.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/engine/run/engine_fixture.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace varnel::prueba {
namespace {

struct CasoCarpeta {
    const char* nombre;
    const char* carpeta;  // as the folder list hands it over
    const char* oziWp;    // NombreFicheroOziWp as the summary shows it
};

void PrintTo(const CasoCarpeta& c, std::ostream* os) { *os << c.carpeta; }

class NombresFicheroTest : public MotorTest, public ::testing::WithParamInterface<CasoCarpeta> {};

TEST_P(NombresFicheroTest, UnSoloSeparadorAntesDelNombre) {
    motor.CalcularNombresFichero(RutaUtf8(GetParam().carpeta));
    EXPECT_EQ(Utf8(motor.Estado().NombreFicheroOziWp), GetParam().oziWp);
    const std::string carpeta = GetParam().oziWp;
    const std::string base = carpeta.substr(0, carpeta.size() - std::string("Sitna-OziWp.txt").size());
    EXPECT_EQ(Utf8(motor.Estado().NombreFicheroSitna), base + "Sitna-Descargar.txt");
    EXPECT_EQ(Utf8(motor.Estado().NombreFicheroOziTrack), base + "Sitna-OziTrack.txt");
    EXPECT_EQ(Utf8(motor.Estado().NombreFicheroMapsource), base + "Sitna-Mapsource.txt");
}

#ifdef _WIN32
const CasoCarpeta kCarpetas[] = {
    {"carpeta", "C:\\GPS", "C:\\GPS\\Sitna-OziWp.txt"},
    {"raiz_c", "C:\\", "C:\\Sitna-OziWp.txt"},
    {"raiz_d", "D:\\", "D:\\Sitna-OziWp.txt"},
    {"barra_final", "C:\\GPS\\", "C:\\GPS\\Sitna-OziWp.txt"},
    {"barras_normales", "C:/GPS/Rutas", "C:\\GPS\\Rutas\\Sitna-OziWp.txt"},
    {"fuera_de_1252", "C:\\Users\\Íñigo\\Rutas ✓", "C:\\Users\\Íñigo\\Rutas ✓\\Sitna-OziWp.txt"},
    {"unc", "\\\\servidor\\gps", "\\\\servidor\\gps\\Sitna-OziWp.txt"},
};
#else
const CasoCarpeta kCarpetas[] = {
    {"carpeta", "/home/gps", "/home/gps/Sitna-OziWp.txt"},
    {"raiz", "/", "/Sitna-OziWp.txt"},
    {"barra_final", "/home/gps/", "/home/gps/Sitna-OziWp.txt"},
    {"fuera_de_1252", "/home/Íñigo/Rutas ✓", "/home/Íñigo/Rutas ✓/Sitna-OziWp.txt"},
};
#endif

INSTANTIATE_TEST_SUITE_P(Carpetas, NombresFicheroTest, ::testing::ValuesIn(kCarpetas),
                         [](const auto& info) { return std::string(info.param.nombre); });

using RutasTest = MotorTest;

TEST_F(RutasTest, CarpetaFueraDeWindows1252SeVeEnLosMensajes) {
    const auto carpeta = dir / RutaUtf8("Íñigo") / RutaUtf8("Rutas ✓");
    std::filesystem::create_directories(carpeta);
    intercambio = carpeta;
    cuadro = "612345,4745678";
    Convertir(conversiones::SitnaWpOzi);
    const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    EsperarResumen("Generados 1 Waypoints en " + Utf8(dir.Ruta()) + sep + "Íñigo" + sep + "Rutas ✓" + sep +
                   "Sitna-OziWp.txt");
    EXPECT_TRUE(std::filesystem::exists(carpeta / "Sitna-OziWp.txt"));

    // The missing input is named the same way after error 53.
    cuadro = std::nullopt;
    Convertir(conversiones::SitnaTrackOzi);
    EXPECT_EQ(Mensajes(), "Error:53 No se ha encontrado el archivo " + Utf8(carpeta / "Sitna-Descargar.txt"));
    EXPECT_NE(Mensajes().find("Íñigo"), std::string::npos);
}

TEST_F(RutasTest, LineaErroneaNombraElFicheroEnUtf8) {
    const auto carpeta = dir / RutaUtf8("Año ✓");
    std::filesystem::create_directory(carpeta);
    EscribirBytes(carpeta / "Sitna-OziTrack.txt", "Datum,European 1950\r\nTP,UTM,30T,abc,4745678,,,1,,,,,,\r\n");
    intercambio = carpeta;
    Convertir(conversiones::TrackOziSitna);
    EXPECT_EQ(Mensajes(), "Error:13 No coinciden los tipos (línea 2 de " + Utf8(carpeta / "Sitna-OziTrack.txt") + ")");
}

// A golden input for each conversion.
const char* DatoDeEntrada(FicheroIntercambio entrada) {
    switch (entrada) {
    case FicheroIntercambio::ListaSitna: return "sitna-3.txt";
    case FicheroIntercambio::WaypointsOzi: return "oziwp-3-N.txt";
    case FicheroIntercambio::TrackOzi: return "ozitrack-3.txt";
    case FicheroIntercambio::Mapsource: return "mapsource-gpsbabel-60.txt";
    }
    return "";
}

// Every output ends every line in CR LF, once.
class SalidaBinariaTest : public MotorTest, public ::testing::WithParamInterface<Conversion> {};

TEST_P(SalidaBinariaTest, CadaLineaTerminaEnUnSoloCrLf) {
    cuadro = std::nullopt;
    Poner(Formato(GetParam().entrada).nombre, DatoDePrueba(DatoDeEntrada(GetParam().entrada)));
    Convertir(GetParam());
    ASSERT_FALSE(resultado.error) << Mensajes();
    const std::string bytes = Leer(Formato(GetParam().salida).nombre);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_EQ(bytes.find("\r\r"), std::string::npos);
    // Every CR is followed by an LF and every LF follows a CR.
    std::ptrdiff_t crLf = 0;
    for (auto p = bytes.find("\r\n"); p != std::string::npos; p = bytes.find("\r\n", p + 2)) ++crLf;
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), crLf);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), crLf);
}

INSTANTIATE_TEST_SUITE_P(Conversiones, SalidaBinariaTest, ::testing::ValuesIn(conversiones::Todas), NombreDeConversion);

#ifdef _WIN32

// A handle of the test's own that shares nothing, as an editor that locks
// the file it has open.
class FicheroBloqueado {
public:
    explicit FicheroBloqueado(const std::filesystem::path& ruta)
        : h_(::CreateFileW(ruta.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~FicheroBloqueado() {
        if (h_ != INVALID_HANDLE_VALUE) ::CloseHandle(h_);
    }
    FicheroBloqueado(const FicheroBloqueado&) = delete;
    FicheroBloqueado& operator=(const FicheroBloqueado&) = delete;
    bool Abierto() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

const std::string kError70 = "Error:70 Permiso denegado";

TEST_F(RutasTest, ListaBloqueadaComoEntradaEs70YNadaSePierde) {
    Poner("Sitna-Descargar.txt", DatoDePrueba("sitna-3.txt"));
    Poner("Sitna-OziWp.txt", "anterior");
    cuadro = std::nullopt;
    {
        FicheroBloqueado bloqueo(dir / "Sitna-Descargar.txt");
        ASSERT_TRUE(bloqueo.Abierto());
        Convertir(conversiones::SitnaWpOzi);
    }
    EsperarError(kError70, kError70);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), DatoDePrueba("sitna-3.txt"));
    EXPECT_EQ(Leer("Sitna-OziWp.txt"), "anterior");
}

TEST_F(RutasTest, ListaBloqueadaComoSalidaEs70YNadaSePierde) {
    Poner("Sitna-OziTrack.txt", DatoDePrueba("ozitrack-3.txt"));
    Poner("Sitna-Descargar.txt", DatoDePrueba("sitna-3.txt"));
    {
        FicheroBloqueado bloqueo(dir / "Sitna-Descargar.txt");
        ASSERT_TRUE(bloqueo.Abierto());
        Convertir(conversiones::TrackOziSitna);
    }
    EsperarError(kError70, kError70);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), DatoDePrueba("sitna-3.txt"));
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"), DatoDePrueba("ozitrack-3.txt"));
}

// An NTFS name may hold half a surrogate pair, which has no UTF-8: a dropped
// file, a saved track or an exchange folder so named is refused by name
// (U+FFFD in its place), and the program goes on.
TEST_F(RutasTest, NombreConMedioParSustitutoEs76ConElNombre) {
    const std::filesystem::path raro = dir / std::wstring(L"ruta\xD800.gpx");
    const std::string nombrado = Utf8(dir.Ruta()) + "\\ruta\uFFFD.gpx";
    const std::string t76 = "Error:76 No se ha encontrado la ruta de acceso";
    Soltar({raro});
    EsperarError(t76 + " " + nombrado, t76);
    resultado = motor.GuardarTraza({ListaSitna(2), raro, FormatoTraza::Gpx, datum, "Varnel 1.00"});
    EsperarError(t76 + " " + nombrado, t76);
    intercambio = raro;
    Convertir(conversiones::SitnaWpOzi);
    EsperarError(t76 + " " + nombrado, t76);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Ruta()), {}), 0);
}

TEST_F(RutasTest, SalidaDeSoloLecturaEs70) {
    Poner("Sitna-OziWp.txt", "anterior");
    std::filesystem::permissions(dir / "Sitna-OziWp.txt", std::filesystem::perms::owner_read);
    cuadro = "612345,4745678";
    Convertir(conversiones::SitnaWpOzi);
    EsperarError(kError70, kError70);
    EXPECT_EQ(Leer("Sitna-OziWp.txt"), "anterior");
}

// The root of a drive: one backslash before the name, and the file is there.
// C: is the Wine prefix's own drive; T: is mapped by the test script.
void ConvertirEnLaRaiz(const char* raiz) {
    const std::filesystem::path carpeta(raiz);
    std::error_code ec;
    if (!std::filesystem::is_directory(carpeta, ec)) GTEST_SKIP() << "la unidad " << raiz << " no existe aquí";
    const auto salida = carpeta / "Sitna-OziTrack.txt";
    if (std::filesystem::exists(salida)) GTEST_SKIP() << Utf8(salida) << " ya existe: no se toca";
    MotorVarnel motor;
    const ResultadoEjecucion r = motor.Ejecutar({.conversion = conversiones::SitnaTrackOzi,
                                                 .carpeta = carpeta,
                                                 .cuadro = "612345,4745678",
                                                 .opcionGarmin = OpcionGarmin::Option1,
                                                 .datumLista = DatumLista::Ed50});
    const std::string bytes = std::filesystem::exists(salida) ? LeerBytes(salida) : "";
    std::filesystem::remove(salida, ec);
    EXPECT_EQ(logica::Informe(r).mensajes,
              std::string("Generados 1 Puntos de Track en ") + raiz + "Sitna-OziTrack.txt");
    EXPECT_EQ(bytes, "Datum,European 1950\r\nTP,UTM,30T,612345,4745678,,,1,,,,,,\r\n");
}

TEST(RaizDeUnidadTest, UnidadC) { ConvertirEnLaRaiz("C:\\"); }
TEST(RaizDeUnidadTest, OtraUnidadMapeada) { ConvertirEnLaRaiz("T:\\"); }

#endif

}  // namespace
}  // namespace varnel::prueba
