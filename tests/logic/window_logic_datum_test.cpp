// The SITNA list's datum, the user's choice: read from the settings at the
// start (ED50 unless "ETRS89" is stored), its own option group apart from the
// Garmin one, written once each time it changes, and named by the help texts.
#include <algorithm>

#include "tests/logic/logic_fixture.h"
#include "ui/forms/main_form.h"

namespace varnel::prueba {
namespace {

// What the settings hold when the program starts.
struct CasoGuardado {
    const char* nombre;
    std::optional<std::string> valor;  // nothing: no value stored
    bool ilegible;
    DatumLista esperado;
};

void PrintTo(const CasoGuardado& c, std::ostream* os) { *os << c.nombre; }

class DatumInicialTest : public ::testing::TestWithParam<CasoGuardado> {};

TEST_P(DatumInicialTest, SeleccionaLaOpcionGuardadaSinEscribir) {
    const CasoGuardado& caso = GetParam();
    ControlesFalsos c;
    AjustesFalsos ajustes;
    if (caso.valor) ajustes.valores["datum"] = *caso.valor;
    ajustes.ilegible = caso.ilegible;
    logica::LogicaVentana logica(c, ajustes);
    logica.Iniciar();

    const bool etrs89 = caso.esperado == DatumLista::Etrs89;
    EXPECT_EQ(logica.DatumSitna(), caso.esperado);
    EXPECT_EQ(c.Marcado("OptionETRS89"), etrs89);
    EXPECT_EQ(c.Marcado("OptionED50"), !etrs89);
    // Its own group: the Garmin option stays as designed, and each group is
    // one Tab stop, on its selected option.
    EXPECT_TRUE(c.Marcado("Option1"));
    EXPECT_TRUE(c.paradas["Option1"]);
    EXPECT_EQ(c.paradas["OptionETRS89"], etrs89);
    EXPECT_EQ(c.paradas["OptionED50"], !etrs89);
    EXPECT_TRUE(ajustes.escritos.empty());
}

INSTANTIATE_TEST_SUITE_P(Ajustes, DatumInicialTest,
                         ::testing::Values(CasoGuardado{"Nada", std::nullopt, false, DatumLista::Ed50},
                                           CasoGuardado{"Ed50", "ED50", false, DatumLista::Ed50},
                                           CasoGuardado{"Etrs89", "ETRS89", false, DatumLista::Etrs89},
                                           CasoGuardado{"Ilegible", "ETRS89", true, DatumLista::Ed50},
                                           CasoGuardado{"Vacio", "", false, DatumLista::Ed50},
                                           CasoGuardado{"Minusculas", "etrs89", false, DatumLista::Ed50},
                                           CasoGuardado{"ConEspacio", "ETRS89 ", false, DatumLista::Ed50},
                                           CasoGuardado{"OtroNombre", "WGS84", false, DatumLista::Ed50},
                                           CasoGuardado{"Basura", std::string("\xff\0ETRS89", 8), false,
                                                        DatumLista::Ed50}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// The user selects an option: the toolkit has already marked it.
void Elegir(ControlesFalsos& c, logica::LogicaVentana& logica, logica::NombreControl opcion) {
    c.Marcar(opcion, true);
    logica.Pulsado(opcion);
}

using Escritos = std::vector<std::pair<std::string, std::string>>;

TEST_F(LogicaTest, ElegirOtroDatumLoEscribeUnaVez) {
    Elegir(c, logica, "OptionETRS89");
    EXPECT_EQ(logica.DatumSitna(), DatumLista::Etrs89);
    EXPECT_EQ(ajustes.escritos, (Escritos{{"datum", "ETRS89"}}));
    EXPECT_TRUE(c.paradas["OptionETRS89"]);
    EXPECT_FALSE(c.paradas["OptionED50"]);
    // The Garmin group is left alone.
    EXPECT_TRUE(c.Marcado("Option1"));
    EXPECT_TRUE(c.paradas["Option1"]);
    EXPECT_EQ(logica.OpcionSeleccionada(), OpcionGarmin::Option1);

    Elegir(c, logica, "OptionED50");
    EXPECT_EQ(logica.DatumSitna(), DatumLista::Ed50);
    EXPECT_EQ(ajustes.escritos, (Escritos{{"datum", "ETRS89"}, {"datum", "ED50"}}));
    EXPECT_TRUE(c.paradas["OptionED50"]);
    EXPECT_FALSE(c.paradas["OptionETRS89"]);
}

TEST_F(LogicaTest, ElegirElDatumQueYaEstaNoEscribeNada) {
    Elegir(c, logica, "OptionED50");
    EXPECT_TRUE(ajustes.escritos.empty());
    Elegir(c, logica, "OptionETRS89");
    Elegir(c, logica, "OptionETRS89");
    EXPECT_EQ(ajustes.escritos, (Escritos{{"datum", "ETRS89"}}));
    // A Garmin option is no datum choice.
    Elegir(c, logica, "Option2");
    EXPECT_EQ(ajustes.escritos.size(), 1u);
    EXPECT_EQ(logica.DatumSitna(), DatumLista::Etrs89);
    EXPECT_TRUE(c.paradas["OptionETRS89"]);
}

TEST_F(LogicaTest, SiNoSePuedeGuardarLaEleccionValeIgualYSinAvisos) {
    ajustes.sinEscritura = true;
    Elegir(c, logica, "OptionETRS89");
    EXPECT_EQ(ajustes.escritos.size(), 1u);
    EXPECT_EQ(logica.DatumSitna(), DatumLista::Etrs89);
    EXPECT_TRUE(c.registro.empty()) << c.registro.front();
    EXPECT_TRUE(c.modales.empty());
    EXPECT_EQ(c.pitidos, 0);
    EXPECT_TRUE(c.paradas["OptionETRS89"]);
}

TEST_F(LogicaTest, ConLaAyudaAbiertaElDatumNoCambia) {
    c.mientrasModal = [&] { Elegir(c, logica, "OptionETRS89"); };
    logica.Pulsado("cmdAyuda");
    EXPECT_EQ(logica.DatumSitna(), DatumLista::Ed50);
    EXPECT_TRUE(ajustes.escritos.empty());
}

TEST_F(LogicaTest, UnaNuevaVentanaLeeLoElegido) {
    Elegir(c, logica, "OptionETRS89");
    ControlesFalsos otros;
    logica::LogicaVentana otra(otros, ajustes);
    otra.Iniciar();
    EXPECT_EQ(otra.DatumSitna(), DatumLista::Etrs89);
    EXPECT_TRUE(otros.Marcado("OptionETRS89"));
    EXPECT_FALSE(otros.Marcado("OptionED50"));
}

// Help texts.

std::vector<std::string> Piezas(const std::string& texto) {
    std::vector<std::string> piezas;
    std::size_t desde = 0;
    for (std::size_t p = texto.find("\r\n"); p != std::string::npos; p = texto.find("\r\n", desde)) {
        piezas.push_back(texto.substr(desde, p - desde));
        desde = p + 2;
    }
    piezas.push_back(texto.substr(desde));
    return piezas;
}

std::string Reemplazado(std::string texto, const std::string& antes, const std::string& despues) {
    const std::size_t p = texto.find(antes);
    EXPECT_NE(p, std::string::npos) << antes;
    EXPECT_EQ(texto.find(antes, p + 1), std::string::npos) << antes << " twice";
    if (p != std::string::npos) texto.replace(p, antes.size(), despues);
    return texto;
}

std::string SinAcceso(std::string_view texto) {
    std::string t(texto);
    std::erase(t, '&');
    return t;
}

std::string_view TextoDe(std::string_view control) {
    return formularios::kControlesPrincipal[static_cast<std::size_t>(
                                                formularios::Indice(formularios::kControlesPrincipal, control))]
        .texto;
}

// The three sentences that name the datum, as the help window has always
// shown them.
const std::string kOziEd50 =
    " Son ficheros de texto obtenidos desde el programa Oziexplorer(3.90.3) con la opción 'Guardar Archivos: "
    "Exportar Waypoints a Archivo Texto y Exportar Tracks a Archivo Texto (Datum=European 1950, Formato=UTM)' "
    "respectivamente y guardándolos con esos nombres.";
const std::string kListaEd50 =
    " La página Web del SITNA (Servicio de Información Territorial de Navarra) permite (sobre cartografía, ortofotos "
    "y fotos de satélite) diseñar gráficamente rutas GPS en formato 'coordenada X e Y en cada fila separadas por "
    "comas (Datum ED-50)' y copiarlo al portapapeles.";
const std::string kDatosEd50 = " Solo sirve para Navarra. Todos los datos están en Datum European 1950 y Zona UTM 30T.";

TEST_F(LogicaTest, LaAyudaNombraElDatumElegido) {
    logica.Pulsado("cmdAyuda");
    const auto ed50 = c.textos;
    Elegir(c, logica, "OptionETRS89");
    logica.Pulsado("cmdAyuda");
    const auto etrs89 = c.textos;

    // ED50: the sentences as ever, one new sentence after the last.
    const std::vector<std::string> ozi = Piezas(ed50.at("lblOzi2"));
    const std::vector<std::string> varnel = Piezas(ed50.at("lblVarnel2"));
    ASSERT_EQ(ozi.size(), 2u);
    ASSERT_EQ(varnel.size(), 6u);
    EXPECT_EQ(ozi[0], kOziEd50);
    EXPECT_EQ(varnel[0], kListaEd50);
    EXPECT_EQ(varnel[3], kDatosEd50);
    // IGN's attribution for its grid, as its licence words it.
    EXPECT_EQ(varnel[5],
              " Cambio de datum con la rejilla oficial del IGN (SPED2ETV2): derivado de datos originales del IGN "
              "www.ign.es CC-BY 4.0");
    // The new sentence: when to choose which, by the names the window shows.
    const std::string& eleccion = varnel[4];
    EXPECT_EQ(eleccion.front(), ' ');
    for (const std::string& nombre : {std::string(TextoDe("Frame4")), SinAcceso(TextoDe("OptionED50")),
                                      SinAcceso(TextoDe("OptionETRS89")), std::string("12 de agosto de 2013")})
        EXPECT_NE(eleccion.find(nombre), std::string::npos) << nombre;

    // ETRS89: the same texts, naming ETRS89 (WGS 84 for OziExplorer) in those three places only.
    EXPECT_EQ(etrs89.at("LblDescargar2"), ed50.at("LblDescargar2"));
    EXPECT_EQ(etrs89.at("lblMapsource2"), ed50.at("lblMapsource2"));
    EXPECT_EQ(etrs89.at("lblOzi2"),
              Reemplazado(ed50.at("lblOzi2"), "(Datum=European 1950, Formato=UTM)", "(Datum=WGS 84, Formato=UTM)"));
    EXPECT_EQ(etrs89.at("lblVarnel2"),
              Reemplazado(Reemplazado(ed50.at("lblVarnel2"), "(Datum ED-50)", "(Datum ETRS89)"),
                          "Todos los datos están en Datum European 1950 y", "Todos los datos están en Datum ETRS89 y"));

    // And back: every showing sets the texts of the datum chosen then.
    Elegir(c, logica, "OptionED50");
    logica.Pulsado("cmdAyuda");
    EXPECT_EQ(c.textos, ed50);
}

}  // namespace
}  // namespace varnel::prueba
