// The main window's rules: the start state, each conversion button through
// the conversion table, the error report, the messages box, the clipboard,
// the Garmin option group, the links and the exit.
#include <algorithm>

#include "tests/logic/logic_fixture.h"
#include "ui/forms/main_form.h"
#include "ui/logic/conversion_buttons.h"

namespace varnel::prueba {
namespace {

TEST(LogicaInicioTest, EstadoDeDiseno) {
    ControlesFalsos c;
    AjustesFalsos ajustes;
    logica::LogicaVentana logica(c, ajustes);
    logica.Iniciar();
    EXPECT_TRUE(c.Marcado("ChkDescargar"));
    EXPECT_TRUE(c.Marcado("Option1"));
    EXPECT_FALSE(c.Marcado("Option2"));
    EXPECT_FALSE(c.Marcado("Option3"));
    EXPECT_EQ(logica.OpcionSeleccionada(), OpcionGarmin::Option1);
    EXPECT_TRUE(logica.DescargarMarcado());
    // Nothing stored: ED50, and nothing written at the start.
    EXPECT_TRUE(c.Marcado("OptionED50"));
    EXPECT_FALSE(c.Marcado("OptionETRS89"));
    EXPECT_EQ(logica.DatumSitna(), DatumLista::Ed50);
    EXPECT_TRUE(ajustes.escritos.empty());
    // Each option group is one Tab stop, on its selected option.
    EXPECT_EQ(
        c.paradas,
        (std::map<std::string, bool, std::less<>>{
            {"Option1", true}, {"Option2", false}, {"Option3", false}, {"OptionED50", true}, {"OptionETRS89", false}}));
    EXPECT_EQ(c.foco, "cmdSitnaWpOzi");
}

// Each conversion button runs its conversion in the exchange folder, from
// the files (ChkDescargar not ticked).
struct CasoBoton {
    const char* boton;
    const char* entrada;  // exchange file and the test data put in it
    const char* datos;
    const char* salida;  // exchange file written, and its expected bytes
    const char* esperado;
    const char* resumen;  // the summary up to the output's path
    const char* caja;     // the box afterwards
};

void PrintTo(const CasoBoton& c, std::ostream* os) { *os << c.boton; }

// clang-format off
const CasoBoton kBotones[] = {
    {"cmdSitnaWpOzi", "Sitna-Descargar.txt", "sitna-3.txt", "Sitna-OziWp.txt", "oziwp-3-N.txt",
     "Generados 3 Waypoints en ", ""},
    {"cmdSitnaTrackOzi", "Sitna-Descargar.txt", "sitna-3.txt", "Sitna-OziTrack.txt", "ozitrack-3.txt",
     "Generados 3 Puntos de Track en ", ""},
    {"cmdWpOziSitna", "Sitna-OziWp.txt", "oziwp-3-N.txt", "Sitna-Descargar.txt", "descargar-3.txt",
     "Generados 3 Puntos en ", "612345,4745678\r\n612400,4745700\r\n99999,4700001"},
    {"cmdTrackOziSitna", "Sitna-OziTrack.txt", "ozitrack-3.txt", "Sitna-Descargar.txt", "descargar-3.txt",
     "Generados 3 Puntos en ", "612345,4745678\r\n612400,4745700\r\n99999,4700001"},
    {"cmdMapsourceSitna", "Sitna-Mapsource.txt", "mapsource-gpsbabel-2tracks.txt", "Sitna-Descargar.txt",
     "descargar-gpsbabel-2tracks.txt", "Generados 5 Puntos en ",
     "611021,4741583\r\n611280,4741710\r\n611523,4741880\r\n625611,4672198\r\n626014,4672761"},
};
// clang-format on

class BotonTest : public LogicaTest, public ::testing::WithParamInterface<CasoBoton> {};

TEST_P(BotonTest, EjecutaSuConversion) {
    const CasoBoton& caso = GetParam();
    EscribirBytes(dir / caso.entrada, DatoDePrueba(caso.datos));
    c.Marcar("ChkDescargar", false);
    c.textos["txtPorta"] = "anterior";
    logica.Pulsado(caso.boton);
    EXPECT_EQ(c.Texto("txtMensajes"), caso.resumen + Ruta(caso.salida));
    EXPECT_EQ(LeerBytes(dir / caso.salida), DatoDePrueba(caso.esperado));
    EXPECT_EQ(c.Texto("txtPorta"), caso.caja);
    EXPECT_EQ(c.pitidos, 0);
    EXPECT_TRUE(c.modales.empty());
}

INSTANTIATE_TEST_SUITE_P(Conversiones, BotonTest, ::testing::ValuesIn(kBotones),
                         [](const auto& info) { return std::string(info.param.boton); });

TEST(LogicaBotonesTest, CadaConversionTieneSuBotonYSuCaso) {
    for (const Conversion& conversion : conversiones::Todas) {
        const auto boton = std::find_if(logica::kBotonesConversion.begin(), logica::kBotonesConversion.end(),
                                        [&](const logica::BotonConversion& b) { return b.conversion == conversion; });
        ASSERT_NE(boton, logica::kBotonesConversion.end());
        EXPECT_TRUE(std::any_of(std::begin(kBotones), std::end(kBotones), [&](const CasoBoton& b) {
            return b.boton == boton->boton.Ver();
        })) << boton->boton.Ver();
    }
}

TEST_F(LogicaTest, AlEmpezarSeLeeElCuadroNoElFichero) {
    EscribirBytes(dir / "Sitna-Descargar.txt", DatoDePrueba("sitna-3.txt"));
    logica.Pulsado("cmdSitnaWpOzi");
    EXPECT_EQ(c.Texto("txtMensajes"), "Generados 0 Waypoints en " + Ruta("Sitna-OziWp.txt"));
}

struct CasoOpcion {
    logica::NombreControl opcion;
    OpcionGarmin esperada;
    char codigo;  // the display code at the end of each waypoint record
};

void PrintTo(const CasoOpcion& c, std::ostream* os) { *os << c.opcion.Ver(); }

class OpcionTest : public LogicaTest, public ::testing::WithParamInterface<CasoOpcion> {};

TEST_P(OpcionTest, DaElCodigoDeLaOpcionYEsLaParadaDeTab) {
    c.Marcar(GetParam().opcion, true);
    logica.Pulsado(GetParam().opcion);
    EXPECT_EQ(logica.OpcionSeleccionada(), GetParam().esperada);
    for (const char* o : {"Option1", "Option2", "Option3"}) EXPECT_EQ(c.paradas[o], o == GetParam().opcion.Ver());

    c.textos["txtPorta"] = "612345,4745678";
    logica.Pulsado("cmdSitnaWpOzi");
    const std::string escrito = LeerBytes(dir / "Sitna-OziWp.txt");
    EXPECT_EQ(escrito.substr(escrito.size() - 4), std::string(",") + GetParam().codigo + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Opciones, OpcionTest,
                         ::testing::Values(CasoOpcion{"Option1", OpcionGarmin::Option1, 'N'},
                                           CasoOpcion{"Option2", OpcionGarmin::Option2, 'S'},
                                           CasoOpcion{"Option3", OpcionGarmin::Option3, 'C'}),
                         [](const auto& info) { return std::string(info.param.opcion); });

TEST_F(LogicaTest, InformeDeErrorConPitidoYCajaModal) {
    c.textos["txtPorta"] = "algo";
    logica.Pulsado("cmdMapsourceSitna");
    EXPECT_EQ(c.pitidos, 1);
    EXPECT_EQ(c.Texto("txtMensajes"), "Error:53 No se ha encontrado el archivo " + Ruta("Sitna-Mapsource.txt"));
    EXPECT_EQ(c.modales, std::vector<std::string>{"Error:53 No se ha encontrado el archivo"});
    EXPECT_EQ(c.Texto("txtPorta"), "");
}

TEST_F(LogicaTest, ElMensajeSeLeeDesdeSuPrincipioYElLargoEnteroEnLaAyuda) {
    c.selecciones["txtMensajes"] = {5, 2};
    const std::string largo(41, 'x');
    logica.PonerTextoMensajes(largo);
    EXPECT_EQ(c.selecciones["txtMensajes"].inicio, 0);
    EXPECT_EQ(c.selecciones["txtMensajes"].largo, 0);
    EXPECT_EQ(c.ayudas["txtMensajes"], largo);
    const std::string cabe(40, 'x');
    logica.PonerTextoMensajes(cabe);
    EXPECT_EQ(c.ayudas["txtMensajes"], "");
}

TEST_F(LogicaTest, LaEsperaSeVeAntesDeQueTermineLaConversion) {
    c.textos["txtPorta"] = "612345,4745678";
    logica.Pulsado("cmdSitnaTrackOzi");
    const auto espera = std::find(c.registro.begin(), c.registro.end(), "texto:txtMensajes=Espere....");
    ASSERT_NE(espera, c.registro.end());
    EXPECT_NE(std::find(espera, c.registro.end(), "repintar:txtMensajes"), c.registro.end());
}

// Clipboard.

TEST_F(LogicaTest, CopiarLlevaTodoElCuadroAunqueHayaSeleccionParcial) {
    c.textos["txtMensajes"] = "Generados 2 Puntos";
    c.textos["txtPorta"] = "612345,4745678\r\n612400,4745700";
    c.selecciones["txtPorta"] = {3, 3};
    logica.Pulsado("mnuCopiar");
    EXPECT_EQ(c.portapapeles, "612345,4745678\r\n612400,4745700");
    // The messages box's caret at its end, the box selected from its caret to its end.
    EXPECT_EQ(c.selecciones["txtMensajes"].inicio, 18);
    EXPECT_EQ(c.selecciones["txtPorta"].inicio, 3);
    EXPECT_EQ(c.selecciones["txtPorta"].largo, 27);
    EXPECT_EQ(c.registro.back(), "portapapeles");
}

TEST_F(LogicaTest, CopiarUnCuadroVacioVaciaElPortapapeles) {
    c.portapapeles = "anterior";
    logica.Pulsado("mnuCopiar");
    EXPECT_EQ(c.portapapeles, std::nullopt);
}

TEST_F(LogicaTest, PegarSustituyeElCuadroEnteroConElCursorAlFinal) {
    c.textos["txtPorta"] = "viejo\r\ntexto";
    c.portapapeles = "612345,4745678\r\n612400,4745700\r\n";
    logica.Pulsado("mnuPegar");
    EXPECT_EQ(c.Texto("txtPorta"), "612345,4745678\r\n612400,4745700\r\n");
    EXPECT_EQ(c.selecciones["txtPorta"].inicio, 32);
    EXPECT_EQ(c.selecciones["txtPorta"].largo, 0);
    // Emptied and shown empty first, never inserted into the old text.
    const std::vector<std::string> esperado = {"texto:txtPorta=", "repintar:txtPorta",
                                               "texto:txtPorta=612345,4745678\r\n612400,4745700\r\n",
                                               "seleccion:txtPorta"};
    EXPECT_EQ(c.registro, esperado);
}

TEST_F(LogicaTest, PegarSinTextoDejaElCuadroVacioYLoQueSeaTalCual) {
    c.textos["txtPorta"] = "viejo";
    logica.Pulsado("mnuPegar");
    EXPECT_EQ(c.Texto("txtPorta"), "");
    c.portapapeles = "esto no es una lista";
    logica.Pulsado("mnuPegar");
    EXPECT_EQ(c.Texto("txtPorta"), "esto no es una lista");
    EXPECT_EQ(c.pitidos, 0);
    EXPECT_TRUE(c.modales.empty());
}

TEST_F(LogicaTest, PortapapelesOcupadoNoCambiaNada) {
    c.textos["txtPorta"] = "mio";
    c.portapapeles = "suyo";
    c.portapapelesOcupado = true;
    logica.Pulsado("mnuPegar");
    logica.Pulsado("mnuCopiar");
    c.portapapelesOcupado = false;
    EXPECT_EQ(c.Texto("txtPorta"), "mio");
    EXPECT_EQ(c.portapapeles, "suyo");
    EXPECT_EQ(c.pitidos, 0);
    EXPECT_TRUE(c.modales.empty());
}

// Links and exit.

std::string TextoDe(std::string_view control) {
    const int i = formularios::Indice(formularios::kControlesPrincipal, control);
    return std::string(formularios::kControlesPrincipal[static_cast<std::size_t>(i)].texto);
}

TEST_F(LogicaTest, LosEnlacesAbrenLoQueMuestran) {
    logica.Pulsado("lblLink_0");
    logica.Pulsado("lblLink_1");
    // "mailto:" and the address with nothing in between, no subject or body.
    EXPECT_EQ(c.direcciones, (std::vector<std::string>{"mailto:" + TextoDe("lblLink_0"), TextoDe("lblLink_1")}));
    EXPECT_EQ(c.direcciones[0], "mailto:varnel@example.org");
}

TEST_F(LogicaTest, SalirTerminaElPrograma) {
    logica.Pulsado("cmdSalir");
    EXPECT_TRUE(c.terminado);
}

TEST_F(LogicaTest, EtiquetasYMarcosNoHacenNada) {
    for (const char* n : {"Label4", "Frame1", "Frame4", "ChkDescargar", "txtPorta"}) logica.Pulsado(n);
    EXPECT_TRUE(c.registro.empty());
    EXPECT_TRUE(c.direcciones.empty());
    EXPECT_FALSE(c.terminado);
}

}  // namespace
}  // namespace varnel::prueba
