// The box's list saved as GPX or KML: read back by the drop, the list comes
// back byte for byte on either datum; what the box holds decides what is
// written, and a refusal leaves the old file as it was.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <tuple>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include "engine/text/text_writer.h"
#include "tests/engine/run/engine_fixture.h"

namespace varnel::prueba {
namespace {

class GuardarIdaYVueltaTest : public MotorTest, public ::testing::WithParamInterface<DatumYFormato> {};

TEST_P(GuardarIdaYVueltaTest, SoltadoDaLaMismaLista) {
    const auto [datumLista, formato] = GetParam();
    datum = datumLista;
    // The list a GPS walk gave (eight points across Navarre) and a long one.
    for (const std::string& lista : {DatoDePrueba("gpx/navarra.ed50.expected.txt"), ListaSitna(2000)}) {
        cuadro = lista;
        const std::string nombre = formato == FormatoTraza::Gpx ? "Sitna.gpx" : "Sitna.kml";
        Guardar(nombre, formato);
        const int n = static_cast<int>(std::count(lista.begin(), lista.end(), '\n'));
        EsperarResumen("Generados " + std::to_string(n) + " Puntos en " + Ruta(nombre));
        EXPECT_EQ(resultado.escritos, std::vector<std::filesystem::path>{dir / nombre});

        Soltar({dir / nombre});
        EXPECT_FALSE(resultado.error.has_value()) << Mensajes();
        // Not EXPECT_EQ: a difference would print thousands of lines.
        EXPECT_TRUE(Leer("Sitna-Descargar.txt") == lista);
        EXPECT_TRUE(Lista() + "\r\n" == lista);  // the box has no line end after the last line
    }
}

INSTANTIATE_TEST_SUITE_P(DatumYFormato, GuardarIdaYVueltaTest, CasosDatumYFormato(), NombreDatumYFormato);

class GuardarTest : public MotorTest {};

TEST_F(GuardarTest, UnaLineaQueNoEsPuntoEsError13YNoSeTocaElFichero) {
    Poner("Sitna.gpx", "lo que había");
    cuadro = "611026,4741584\r\n579525 4724978\r\n608996,4709452\r\n";
    Guardar("Sitna.gpx", FormatoTraza::Gpx);
    ASSERT_TRUE(resultado.error.has_value()) << Mensajes();
    EXPECT_EQ(resultado.error->Codigo(), codigo::TiposNoCoinciden);
    EXPECT_EQ(resultado.error->Linea().numero, 2);
    EXPECT_EQ(Modal().rfind("Error:13 No coinciden los tipos (línea 2 del Cuadro Descargar", 0), 0u) << Modal();
    EXPECT_EQ(Leer("Sitna.gpx"), "lo que había");
    EXPECT_TRUE(resultado.escritos.empty());
}

// Empty, or only blank lines: nothing is written, and the window says so.
TEST_F(GuardarTest, SinPuntosNoSeEscribeNada) {
    for (const std::string& vacio : {std::string(), std::string("\r\n\r\n")}) {
        Poner("Sitna.kml", "lo que había");
        cuadro = vacio;
        Guardar("Sitna.kml", FormatoTraza::Kml);
        EXPECT_FALSE(resultado.error.has_value()) << Mensajes();
        EXPECT_EQ(Mensajes(), "Cuadro Descargar sin puntos: no se ha generado " + Ruta("Sitna.kml"));
        EXPECT_EQ(Modal(), "");
        EXPECT_EQ(Leer("Sitna.kml"), "lo que había");
        EXPECT_TRUE(resultado.escritos.empty());
    }
}

TEST_F(GuardarTest, UnaCarpetaQueNoExisteEsError76) {
    cuadro = ListaSitna(3);
    Guardar("no-existe/Sitna.gpx", FormatoTraza::Gpx);
    ASSERT_TRUE(resultado.error.has_value()) << Mensajes();
    EXPECT_EQ(resultado.error->Codigo(), codigo::RutaNoEncontrada);
    EXPECT_FALSE(Existe("no-existe"));
}

// The track is named after the file, whatever its name holds.
TEST_F(GuardarTest, ElNombreDelFicheroSeEscapa) {
    cuadro = ListaSitna(2);
    const std::string nombre = "Ruta R&D «Añón» 'alta'";
    Guardar(nombre + ".gpx", FormatoTraza::Gpx);
    EXPECT_FALSE(resultado.error.has_value()) << Mensajes();
    EXPECT_NE(LeerBytes(dir / RutaUtf8(nombre + ".gpx")).find("<name>Ruta R&amp;D «Añón» &apos;alta&apos;</name>"),
              std::string::npos);
    Soltar({dir / RutaUtf8(nombre + ".gpx")});
    EXPECT_EQ(Lista() + "\r\n", ListaSitna(2));
}

// The 32 768th point overflows the count, as in every run; nothing is written.
TEST_F(GuardarTest, MasDe32767PuntosDesborda) {
    cuadro = ListaSitna(32768);
    Guardar("Sitna.gpx", FormatoTraza::Gpx);
    ASSERT_TRUE(resultado.error.has_value()) << Mensajes();
    EXPECT_EQ(resultado.error->Codigo(), codigo::Desbordamiento);
    EXPECT_FALSE(Existe("Sitna.gpx"));
}

namespace fs = std::filesystem;

// What the folder holds: each name with its bytes (a link, what it names).
std::map<std::string, std::string> Contenido(const fs::path& carpeta) {
    std::map<std::string, std::string> c;
    for (const auto& e : fs::directory_iterator(carpeta))
        c[Utf8(e.path().filename())] = e.is_symlink() ? "-> " + Utf8(fs::read_symlink(e.path())) : LeerBytes(e.path());
    return c;
}

// What the list writer reports for a file it may not write, or nothing.
std::string InformeDelEscritorDeLista(const fs::path& ruta) {
    try {
        EscritorTexto escritor(ruta);
    } catch (const ErrorEjecucion& e) {
        return logica::TextoMensajesError(e);
    }
    return {};
}

// A save onto what the folder holds. A refusal leaves the folder exactly as
// it was; a save adds the file it names and nothing else (no temporary file).
struct CasoSobre {
    const char* caso;
    std::string destino;  // the name the user gives
    std::string cuadro;
    // Makes what the folder holds; false when this system cannot (the reason in `sinEsto`).
    std::function<bool(const fs::path&)> preparar;
    enum { Guardado, FueraDelHuso, ComoElEscritorDeLista } espera;
    // For a save, what else must hold of the folder.
    std::function<void(const fs::path&)> comprobar = nullptr;
    const char* sinEsto = "";
};

void PrintTo(const CasoSobre& c, std::ostream* os) { *os << c.caso; }

const std::string kLejos = "611026,4741584\r\n";  // a first point that fits, so the refusal names line 2

bool Viejo(const fs::path& f) {
    EscribirBytes(f, "lo que había");
    return true;
}
bool SoloLectura(const fs::path& f) {
    Viejo(f);
    fs::permissions(f, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    return true;
}

const CasoSobre kCasosSobre[] = {
    {"esteDeDiezCifras", "Sitna.gpx", kLejos + "3000000000,4740000", [](auto& d) { return Viejo(d / "Sitna.gpx"); },
     CasoSobre::FueraDelHuso},
    {"esteDeSieteCifras", "Sitna.kml", kLejos + "6100000,4740000", [](auto& d) { return Viejo(d / "Sitna.kml"); },
     CasoSobre::FueraDelHuso},
    {"norteNegativo", "Sitna.gpx", kLejos + "610000,-4740000", [](auto& d) { return Viejo(d / "Sitna.gpx"); },
     CasoSobre::FueraDelHuso},
    {"juntoAlPolo", "Sitna.gpx", kLejos + "999999,9999999", [](auto&) { return true; }, CasoSobre::FueraDelHuso},
    {"soloLectura", "Sitna.gpx", ListaSitna(2), [](auto& d) { return SoloLectura(d / "Sitna.gpx"); },
     CasoSobre::ComoElEscritorDeLista},
    {"enlace", "pista.gpx", ListaSitna(2),
     [](auto& d) { return Viejo(d / "real.gpx") && CrearEnlaceSimbolico(d / "real.gpx", d / "pista.gpx"); },
     CasoSobre::Guardado,
     [](auto& d) {
         EXPECT_EQ(fs::read_symlink(d / "pista.gpx"), d / "real.gpx");
         EXPECT_EQ(LeerBytes(d / "real.gpx").rfind("<?xml", 0), 0u);
     },
     "Wine no crea enlaces simbólicos"},
#ifndef _WIN32
    {"privado", "privado.gpx", ListaSitna(2),
     [](auto& d) {
         Viejo(d / "privado.gpx");
         fs::permissions(d / "privado.gpx", fs::perms::owner_read | fs::perms::owner_write);
         return true;
     },
     CasoSobre::Guardado,
     [](auto& d) {
         EXPECT_EQ(fs::status(d / "privado.gpx").permissions(), fs::perms::owner_read | fs::perms::owner_write);
     }},
#else
    {"oculto", "oculto.gpx", ListaSitna(2),
     [](auto& d) {
         Viejo(d / "oculto.gpx");
         return ::SetFileAttributesW((d / "oculto.gpx").c_str(), FILE_ATTRIBUTE_HIDDEN) &&
                (::GetFileAttributesW((d / "oculto.gpx").c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0;
     },
     CasoSobre::Guardado,
     [](auto& d) { EXPECT_TRUE(::GetFileAttributesW((d / "oculto.gpx").c_str()) & FILE_ATTRIBUTE_HIDDEN); },
     "este sistema de ficheros no guarda el atributo oculto"},
#endif
    // The longest names the folder takes, and one more.
    {"nombreDe250", std::string(246, 'n') + ".gpx", ListaSitna(2), [](auto&) { return true; }, CasoSobre::Guardado},
    {"nombreDe255", std::string(251, 'n') + ".kml", ListaSitna(2),
     [](auto& d) { return Viejo(d / (std::string(251, 'n') + ".kml")); }, CasoSobre::Guardado},
    {"nombreDe256", std::string(252, 'n') + ".gpx", ListaSitna(2), [](auto&) { return true; },
     CasoSobre::ComoElEscritorDeLista},
};

class GuardarSobreTest : public MotorTest, public ::testing::WithParamInterface<CasoSobre> {
protected:
    // Root writes read-only files: a refusal the list writer makes for a user
    // is checked as one, in a child (the folder opened to it).
    template <class Fn>
    void ComoUsuario(Fn&& prueba) {
#ifndef _WIN32
        if (::geteuid() == 0) {
            fs::permissions(dir.Ruta(), fs::perms::all);
            const std::string estilo = GTEST_FLAG_GET(death_test_style);
            GTEST_FLAG_SET(death_test_style, "fast");  // the child keeps this folder
            EXPECT_EXIT(
                {
                    if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(200);
                    prueba();
                    std::_Exit(HasFailure() ? 1 : 0);
                },
                ::testing::ExitedWithCode(0), "");
            GTEST_FLAG_SET(death_test_style, estilo);
            return;
        }
#endif
        prueba();
    }
};

TEST_P(GuardarSobreTest, RechazaSinTocarNadaOEscribeSoloElFichero) {
    const CasoSobre& c = GetParam();
    if (!c.preparar(dir.Ruta())) GTEST_SKIP() << c.sinEsto;
    const auto antes = Contenido(dir.Ruta());
    cuadro = c.cuadro;
    const auto formato = c.destino.ends_with(".kml") ? FormatoTraza::Kml : FormatoTraza::Gpx;
    switch (c.espera) {
    case CasoSobre::Guardado: {
        Guardar(c.destino, formato);
        EsperarResumen("Generados 2 Puntos en " + Ruta(c.destino));
        std::set<std::string> esperados{c.destino};
        for (const auto& [nombre, bytes] : antes) esperados.insert(nombre);
        std::set<std::string> nombres;
        for (const auto& [nombre, bytes] : Contenido(dir.Ruta())) nombres.insert(nombre);
        EXPECT_EQ(nombres, esperados);
        if (c.comprobar) c.comprobar(dir.Ruta());
        return;
    }
    case CasoSobre::FueraDelHuso:
        Guardar(c.destino, formato);
        EsperarError("Error:13 No coinciden los tipos (línea 2 del Cuadro Descargar: punto fuera del huso 30)",
                     "Error:13 No coinciden los tipos (línea 2 del Cuadro Descargar: punto fuera del huso 30)");
        break;
    case CasoSobre::ComoElEscritorDeLista:
        ComoUsuario([&] {
            Guardar(c.destino, formato);
            ASSERT_TRUE(resultado.error.has_value()) << Mensajes();
            EXPECT_EQ(Contenido(dir.Ruta()), antes);
            EXPECT_EQ(Mensajes(), InformeDelEscritorDeLista(dir / c.destino));
        });
        break;
    }
    EXPECT_EQ(Contenido(dir.Ruta()), antes);
    EXPECT_TRUE(resultado.escritos.empty());
}

INSTANTIATE_TEST_SUITE_P(Casos, GuardarSobreTest, ::testing::ValuesIn(kCasosSobre),
                         [](const auto& info) { return std::string(info.param.caso); });

}  // namespace
}  // namespace varnel::prueba
