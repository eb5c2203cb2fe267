// The Cuadro Descargar's "Guardar como GPX…" and "Guardar como KML…": the
// dialog asked for, the run's summary or error report, nothing written when
// the dialog is cancelled, the box left as the user had it.
#include <tuple>

#include "tests/logic/logic_fixture.h"

namespace varnel::prueba {
namespace {

class GuardarLogicaTest : public LogicaTest {
protected:
    GuardarLogicaTest() { c.PonerTexto("txtPorta", lista); }
    const std::string lista = "611026,4741584\r\n579525,4724978\r\n608996,4709452";
};

TEST_F(GuardarLogicaTest, ElDialogoSeAbreEnLaCarpetaConSuTipo) {
    for (const auto& [formato, extension, tipo] :
         {std::tuple{FormatoTraza::Gpx, "gpx", "GPX"}, std::tuple{FormatoTraza::Kml, "kml", "KML"},
          std::tuple{FormatoTraza::Kmz, "kmz", "KMZ"}}) {
        c.dialogos.clear();
        logica.GuardarComo(formato);
        ASSERT_EQ(c.dialogos.size(), 1u);
        const logica::DialogoGuardado& d = c.dialogos.front();
        EXPECT_EQ(d.titulo, std::string("Guardar como ") + tipo);
        EXPECT_EQ(d.tipo, std::string("Ficheros ") + tipo);
        EXPECT_EQ(d.extension, extension);
        EXPECT_EQ(d.carpeta, dir.Ruta());
        EXPECT_EQ(d.nombre, std::string("Sitna.") + extension);
    }
}

TEST_F(GuardarLogicaTest, CanceladoNoSeEscribeNiSeDiceNada) {
    c.PonerTexto("txtMensajes", "lo de antes");
    c.registro.clear();
    logica.GuardarComo(FormatoTraza::Gpx);
    EXPECT_EQ(c.Texto("txtMensajes"), "lo de antes");
    EXPECT_TRUE(c.registro.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.Ruta()));
}

TEST_F(GuardarLogicaTest, GuardadoDaElResumenYLaCajaSigueIgual) {
    c.rutaGuardado = dir / "Ruta del domingo.kml";
    logica.GuardarComo(FormatoTraza::Kml);
    EXPECT_EQ(c.Texto("txtMensajes"), "Generados 3 Puntos en " + Ruta("Ruta del domingo.kml"));
    EXPECT_EQ(c.Texto("txtPorta"), lista);
    EXPECT_TRUE(c.modales.empty());
    const std::string kml = LeerBytes(dir / "Ruta del domingo.kml");
    EXPECT_NE(kml.find("<name>Ruta del domingo</name>"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "Sitna-Descargar.txt"));
}

TEST_F(GuardarLogicaTest, UnaLineaMalaEsElInformeDeError) {
    c.PonerTexto("txtPorta", lista + "\r\nhola");
    c.rutaGuardado = dir / "Sitna.gpx";
    logica.GuardarComo(FormatoTraza::Gpx);
    EXPECT_EQ(c.pitidos, 1);
    ASSERT_EQ(c.modales.size(), 1u);
    EXPECT_EQ(c.modales.front().rfind("Error:13 No coinciden los tipos (línea 4 del Cuadro Descargar", 0), 0u)
        << c.modales.front();
    EXPECT_EQ(c.Texto("txtMensajes"), c.modales.front());
    EXPECT_FALSE(std::filesystem::exists(dir / "Sitna.gpx"));
}

// While the help window is up the main window takes nothing.
TEST_F(GuardarLogicaTest, ConLaAyudaAbiertaNoHaceNada) {
    c.rutaGuardado = dir / "Sitna.gpx";
    c.mientrasModal = [&] { logica.GuardarComo(FormatoTraza::Gpx); };
    logica.Pulsado("cmdAyuda");
    EXPECT_TRUE(c.dialogos.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "Sitna.gpx"));
}

}  // namespace
}  // namespace varnel::prueba
