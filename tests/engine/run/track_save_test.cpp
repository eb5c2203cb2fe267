// The box's list saved as GPX, KML or KMZ: read back by the drop, the list comes
// back byte for byte on either datum; what the box holds decides what is
// written, and a refusal leaves the old file as it was.
#include <gtest/gtest.h>

#include <functional>
#include <map>
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
        const std::string nombre = formato == FormatoTraza::Gpx   ? "Sitna.gpx"
                                   : formato == FormatoTraza::Kml ? "Sitna.kml"
                                                                  : "Sitna.kmz";
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

INSTANTIATE_TEST_SUITE_P(DatumYFormato, GuardarIdaYVueltaTest,
                         ::testing::Combine(::testing::Values(DatumLista::Ed50, DatumLista::Etrs89),
                                            ::testing::Values(FormatoTraza::Gpx, FormatoTraza::Kml, FormatoTraza::Kmz)),
                         NombreDatumYFormato);

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

// Each name in the folder with its bytes.
std::map<std::string, std::string> Contenido(const fs::path& carpeta) {
    std::map<std::string, std::string> c;
    for (const auto& e : fs::directory_iterator(carpeta)) c[Utf8(e.path().filename())] = LeerBytes(e.path());
    return c;
}

bool Viejo(const fs::path& f, fs::perms permisos = fs::perms::owner_read | fs::perms::owner_write) {
    EscribirBytes(f, "lo que había");
    fs::permissions(f, permisos);
    return true;
}

// A save onto what `preparar` leaves in the folder (false: this system cannot
// make it). A refusal leaves the folder as it was; a save adds its file's
// name and no other (no temporary file), and `comprobar` holds.
struct CasoSobre {
    const char* caso;
    std::string destino;
    std::string cuadro;
    std::function<bool(const fs::path&)> preparar;
    enum { Guardado, FueraDelHuso, ComoElEscritorDeLista } espera;
    std::function<void(const fs::path&)> comprobar = nullptr;
};

void PrintTo(const CasoSobre& c, std::ostream* os) { *os << c.caso; }
const std::string kDentro = "611026,4741584\r\n";  // so the refusal is on line 2
const auto kGpxViejo = [](const fs::path& d) { return Viejo(d / "Sitna.gpx"); };
const auto kNada = [](const fs::path&) { return true; };
const fs::perms kPrivado = fs::perms::owner_read | fs::perms::owner_write;

const CasoSobre kCasosSobre[] = {
    {"esteDeDiezCifras", "Sitna.gpx", kDentro + "3000000000,4740000", kGpxViejo, CasoSobre::FueraDelHuso},
    {"esteDeSieteCifras", "Sitna.gpx", kDentro + "6100000,4740000", kGpxViejo, CasoSobre::FueraDelHuso},
    {"norteNegativo", "Sitna.gpx", kDentro + "610000,-4740000", kGpxViejo, CasoSobre::FueraDelHuso},
    {"juntoAlPolo", "Sitna.gpx", kDentro + "999999,9999999", kNada, CasoSobre::FueraDelHuso},
    {"soloLectura", "Sitna.gpx", ListaSitna(2),
     [](auto& d) { return Viejo(d / "Sitna.gpx", fs::perms::owner_read | fs::perms::others_read); },
     CasoSobre::ComoElEscritorDeLista},
    {"enlace", "pista.gpx", ListaSitna(2),
     [](auto& d) { return Viejo(d / "real.gpx") && CrearEnlaceSimbolico(d / "real.gpx", d / "pista.gpx"); },
     CasoSobre::Guardado,
     [](auto& d) {
         EXPECT_EQ(fs::read_symlink(d / "pista.gpx"), d / "real.gpx");
         EXPECT_EQ(LeerBytes(d / "real.gpx").rfind("<?xml", 0), 0u);
     }},
#ifdef _WIN32
    {"oculto", "Sitna.gpx", ListaSitna(2),
     [](auto& d) {
         return Viejo(d / "Sitna.gpx") && ::SetFileAttributesW((d / "Sitna.gpx").c_str(), FILE_ATTRIBUTE_HIDDEN) &&
                (::GetFileAttributesW((d / "Sitna.gpx").c_str()) & FILE_ATTRIBUTE_HIDDEN) != 0;
     },
     CasoSobre::Guardado,
     [](auto& d) { EXPECT_TRUE(::GetFileAttributesW((d / "Sitna.gpx").c_str()) & FILE_ATTRIBUTE_HIDDEN); }},
#else
    {"privado", "Sitna.gpx", ListaSitna(2), kGpxViejo, CasoSobre::Guardado,
     [](auto& d) { EXPECT_EQ(fs::status(d / "Sitna.gpx").permissions(), kPrivado); }},
#endif
    // The longest names a folder takes.
    {"nombreDe250", std::string(246, 'n') + ".gpx", ListaSitna(2), kNada, CasoSobre::Guardado},
    {"nombreDe255", std::string(251, 'n') + ".kml", ListaSitna(2), kNada, CasoSobre::Guardado},
};

class GuardarSobreTest : public MotorTest, public ::testing::WithParamInterface<CasoSobre> {};

TEST_P(GuardarSobreTest, RechazaSinTocarNadaOEscribeSoloElFichero) {
    const CasoSobre& c = GetParam();
    if (!c.preparar(dir.Ruta())) GTEST_SKIP() << "este sistema no puede preparar el caso";
    const auto antes = Contenido(dir.Ruta());
    cuadro = c.cuadro;
    const auto formato = c.destino.ends_with(".kml") ? FormatoTraza::Kml : FormatoTraza::Gpx;
    // The list writer's report for the same file, from whoever it refuses:
    // root writes anything, so there the save runs as nobody, in a child.
    const auto comoElEscritor = [&] {
        Guardar(c.destino, formato);
        ASSERT_TRUE(resultado.error.has_value()) << Mensajes();
        EXPECT_EQ(Contenido(dir.Ruta()), antes);
        try {
            EscritorTexto escritor(dir / c.destino);
            ADD_FAILURE() << "el escritor de la lista no lo rechaza";
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(Mensajes(), logica::TextoMensajesError(e));
        }
    };
    switch (c.espera) {
    case CasoSobre::Guardado: {
        Guardar(c.destino, formato);
        EsperarResumen("Generados 2 Puntos en " + Ruta(c.destino));
        auto esperado = antes;
        esperado[c.destino];
        const auto despues = Contenido(dir.Ruta());
        for (auto& [nombre, bytes] : esperado) bytes = despues.contains(nombre) ? despues.at(nombre) : "";
        EXPECT_EQ(despues, esperado);
        if (c.comprobar) c.comprobar(dir.Ruta());
        return;
    }
    case CasoSobre::FueraDelHuso: {
        Guardar(c.destino, formato);
        const std::string t = "Error:13 No coinciden los tipos (línea 2 del Cuadro Descargar: punto fuera del huso 30)";
        EsperarError(t, t);
        break;
    }
    case CasoSobre::ComoElEscritorDeLista:
#ifndef _WIN32
        if (::geteuid() == 0) {
            fs::permissions(dir.Ruta(), fs::perms::all);
            GTEST_FLAG_SET(death_test_style, "fast");  // the child keeps this folder
            EXPECT_EXIT(
                {
                    if (::setgid(65534) != 0 || ::setuid(65534) != 0) std::_Exit(200);
                    comoElEscritor();
                    std::_Exit(HasFailure() ? 1 : 0);
                },
                ::testing::ExitedWithCode(0), "");
            break;
        }
#endif
        comoElEscritor();
        break;
    }
    EXPECT_EQ(Contenido(dir.Ruta()), antes);
}

INSTANTIATE_TEST_SUITE_P(Casos, GuardarSobreTest, ::testing::ValuesIn(kCasosSobre),
                         [](const auto& info) { return std::string(info.param.caso); });

}  // namespace
}  // namespace varnel::prueba
