// What a run does to the window, in order: the box emptied where the run
// fills it or does not read it, "Espere...." shown and painted before the
// work, the box filled (also before an error report), then the summary or
// the beep, the error text and the error box.
#include "tests/logic/logic_fixture.h"

namespace varnel::prueba {
namespace {

struct CasoOrden {
    const char* nombre;
    const char* boton;
    bool descargar;       // ChkDescargar
    const char* fichero;  // the input put in the folder, and its bytes
    const char* datos;
    // What happens to the controls, "%s" standing for the folder.
    std::vector<std::string> registro;
};

void PrintTo(const CasoOrden& c, std::ostream* os) { *os << c.nombre; }

std::string ConCarpeta(const std::string& s, const std::string& carpeta) {
    const std::size_t p = s.find("%s");
    return p == std::string::npos ? s : s.substr(0, p) + carpeta + s.substr(p + 2);
}

class OrdenTest : public LogicaTest, public ::testing::WithParamInterface<CasoOrden> {};

TEST_P(OrdenTest, LaVentanaVeLaEjecucionEnSuOrden) {
    const CasoOrden& caso = GetParam();
    c.Marcar("ChkDescargar", caso.descargar);
    c.textos["txtPorta"] = "612345,4745678";
    EscribirBytes(dir / caso.fichero, caso.datos);
    logica.Pulsado(caso.boton);
    std::vector<std::string> esperado;
    const std::string sep(1, static_cast<char>(std::filesystem::path::preferred_separator));
    for (const std::string& paso : caso.registro) esperado.push_back(ConCarpeta(paso, Utf8(dir.Ruta()) + sep));
    EXPECT_EQ(c.registro, esperado);
}

const std::string kError13 = "Error:13 No coinciden los tipos (línea 3 de %sSitna-OziTrack.txt)";

INSTANTIATE_TEST_SUITE_P(
    Ejecuciones, OrdenTest,
    ::testing::Values(
        CasoOrden{"desdeElFicheroDeLaLista",
                  "cmdSitnaWpOzi",
                  false,
                  "Sitna-Descargar.txt",
                  "612400,4745700\r\n",
                  {"texto:txtPorta=", "repintar:txtPorta", "texto:txtMensajes=Espere....", "seleccion:txtMensajes",
                   "repintar:txtMensajes", "texto:txtMensajes=Generados 1 Waypoints en %sSitna-OziWp.txt",
                   "seleccion:txtMensajes"}},
        // Box mode: the box is read, never written.
        CasoOrden{"desdeElCuadro",
                  "cmdSitnaTrackOzi",
                  true,
                  "Sitna-Descargar.txt",
                  "no se lee",
                  {"texto:txtMensajes=Espere....", "seleccion:txtMensajes", "repintar:txtMensajes",
                   "texto:txtMensajes=Generados 1 Puntos de Track en %sSitna-OziTrack.txt", "seleccion:txtMensajes"}},
        CasoOrden{"haciaLaListaConUnError",
                  "cmdTrackOziSitna",
                  true,
                  "Sitna-OziTrack.txt",
                  "Datum,European 1950\r\nTP,UTM,30T,612345,4745678,,,1\r\nTP,UTM,30T,abc,4745678,,,0\r\n",
                  {"texto:txtPorta=", "repintar:txtPorta", "texto:txtMensajes=Espere....", "seleccion:txtMensajes",
                   "repintar:txtMensajes", "texto:txtPorta=612345,4745678", "pitido", "texto:txtMensajes=" + kError13,
                   "seleccion:txtMensajes", "mensaje:" + kError13}}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(LogicaTest, SoltarVaciaElCuadroYAvisaAntesDeLeer) {
    CarpetaTemporal origen;
    EscribirBytes(origen / "a.txt", "612345,4745678\r\n");
    c.textos["txtPorta"] = "anterior";
    logica.Soltados({origen / "a.txt"});
    const std::vector<std::string> esperado = {"texto:txtPorta=",
                                               "repintar:txtPorta",
                                               "texto:txtMensajes=Espere....",
                                               "seleccion:txtMensajes",
                                               "repintar:txtMensajes",
                                               "texto:txtPorta=612345,4745678",
                                               "texto:txtMensajes=Generados 1 Puntos en " + Ruta("Sitna-Descargar.txt"),
                                               "seleccion:txtMensajes"};
    EXPECT_EQ(c.registro, esperado);
}

}  // namespace
}  // namespace varnel::prueba
