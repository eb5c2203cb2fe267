// Files dropped on the main window: one run towards SITNA, in drop order;
// nothing while the help window is up or a run is still going on.
#include "tests/logic/logic_fixture.h"

namespace varnel::prueba {
namespace {

class SoltarLogicaTest : public LogicaTest {
protected:
    SoltarLogicaTest() {
        EscribirBytes(origen / "a.gpx", DatoDePrueba("gpx/navarra-track-1.1.gpx"));
        EscribirBytes(origen / "b.txt", DatoDePrueba("sitna-3.txt"));
    }
    CarpetaTemporal origen;
};

TEST_F(SoltarLogicaTest, LosFicherosSoltadosLlenanLaListaEnSuOrden) {
    // On ETRS89 the GPX's WGS 84 positions are only projected.
    c.Marcar("OptionETRS89", true);
    logica.Pulsado("OptionETRS89");
    c.PonerTexto("txtPorta", "anterior");
    logica.Soltados({origen / "a.gpx", origen / "b.txt"});
    EXPECT_EQ(c.Texto("txtMensajes"), "Generados 11 Puntos en " + Ruta("Sitna-Descargar.txt"));
    const std::string lista = DatoDePrueba("gpx/navarra.expected.txt") + DatoDePrueba("descargar-3.txt");
    EXPECT_EQ(LeerBytes(dir / "Sitna-Descargar.txt"), lista);
    // The box starts with the same line.
    EXPECT_EQ(c.Texto("txtPorta").substr(0, lista.find('\n') + 1), lista.substr(0, lista.find('\n') + 1));
    EXPECT_TRUE(c.modales.empty());
}

TEST_F(SoltarLogicaTest, UnFicheroDesconocidoEsElInformeDeError) {
    EscribirBytes(origen / "c.png", "\x89PNG\r\n\x1a\n");
    logica.Soltados({origen / "c.png"});
    const std::string t =
        "Error:13 No coinciden los tipos (línea 1 de " + Utf8(origen / "c.png") + ": formato no reconocido)";
    EXPECT_EQ(c.Texto("txtMensajes"), t);
    EXPECT_EQ(c.modales, std::vector<std::string>{t});
    EXPECT_EQ(c.pitidos, 1);
}

TEST_F(SoltarLogicaTest, ConLaAyudaAbiertaNoPasaNada) {
    c.mientrasModal = [&] { logica.Soltados({origen / "a.gpx"}); };
    logica.Pulsado("cmdAyuda");
    EXPECT_EQ(c.Texto("txtMensajes"), "");
    EXPECT_FALSE(std::filesystem::exists(dir / "Sitna-Descargar.txt"));
}

TEST_F(SoltarLogicaTest, MientrasDuraOtraEjecucionNoPasaNada) {
    // The error box of a run still going on: a drop or a click then is ignored.
    c.mientrasMensaje = [&] {
        logica.Soltados({origen / "a.gpx"});
        logica.Pulsado("cmdTrackOziSitna");
    };
    logica.Pulsado("cmdMapsourceSitna");
    EXPECT_EQ(c.modales.size(), 1u);
    EXPECT_EQ(c.Texto("txtMensajes"), "Error:53 No se ha encontrado el archivo " + Ruta("Sitna-Mapsource.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Sitna-Descargar.txt"));
    // Once it is over, a drop runs.
    c.mientrasMensaje = nullptr;
    logica.Soltados({origen / "b.txt"});
    EXPECT_EQ(LeerBytes(dir / "Sitna-Descargar.txt"), DatoDePrueba("descargar-3.txt"));
}

}  // namespace
}  // namespace varnel::prueba
