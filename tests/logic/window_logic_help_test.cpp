// The help window's rules: made once, its four texts set on every showing,
// modal with the focus on "Aceptar", which hides it; meanwhile the main
// window takes no input.
#include <algorithm>
#include <map>

#include "tests/logic/logic_fixture.h"
#include "ui/forms/help_form.h"
#include "ui/forms/texts.h"

namespace varnel::prueba {
namespace {

// What the user sees once it shows: every text label filled in, the focus on
// "Aceptar"; the main window's controls untouched.
TEST_F(LogicaTest, SeMuestraConSusTextosYElFocoEnAceptar) {
    std::map<std::string, std::string, std::less<>> alMostrarse;
    c.mientrasModal = [&] {
        EXPECT_EQ(c.visible, "frmAyuda");
        EXPECT_EQ(c.foco, "OKButton");
        alMostrarse = c.textos;
    };
    logica.Pulsado("cmdAyuda");
    std::size_t etiquetas = 0;
    for (const formularios::Control& e : formularios::kControlesAyuda) {
        if (e.tipo != formularios::Tipo::Etiqueta || !e.texto.empty()) continue;
        ++etiquetas;
        EXPECT_FALSE(alMostrarse[std::string(e.nombre)].empty()) << e.nombre;
    }
    EXPECT_EQ(etiquetas, 4u);
    EXPECT_EQ(alMostrarse.size(), 4u);  // nothing else written
    EXPECT_EQ(alMostrarse["lblOzi2"], textos::TextoAyudaOzi(DatumLista::Ed50));
    EXPECT_FALSE(logica.AyudaAbierta());
}

TEST_F(LogicaTest, CadaVezLosMismosTextosYUnaSolaVentana) {
    logica.Pulsado("cmdAyuda");
    const auto primera = c.textos;
    logica.Pulsado("cmdAyuda");
    EXPECT_EQ(c.textos, primera);
    EXPECT_EQ(std::count(c.registro.begin(), c.registro.end(), "crear:frmAyuda"), 1);
    EXPECT_EQ(std::count(c.registro.begin(), c.registro.end(), "modal:frmAyuda"), 2);
}

TEST_F(LogicaTest, AceptarOcultaLaAyuda) {
    bool abierta = false;
    c.mientrasModal = [&] {
        abierta = logica.AyudaAbierta();
        logica.Pulsado("OKButton");
    };
    logica.Pulsado("cmdAyuda");
    EXPECT_TRUE(abierta);
    EXPECT_EQ(c.registro.back(), "ocultar:frmAyuda");
    EXPECT_FALSE(logica.AyudaAbierta());
}

TEST_F(LogicaTest, ConLaAyudaAbiertaLaPrincipalNoHaceNada) {
    c.legibles.insert(dir / "sub");
    c.resaltada = dir / "sub";
    c.mientrasModal = [&] {
        logica.Pulsado("cmdMapsourceSitna");
        logica.Pulsado("mnuPegar");
        logica.FocoPerdido("dirList");
        logica.UnidadElegida(dir / "sin-medio");
    };
    c.portapapeles = "612345,4745678";
    logica.Pulsado("cmdAyuda");
    EXPECT_EQ(c.Texto("txtMensajes"), "");
    EXPECT_EQ(c.Texto("txtPorta"), "");
    EXPECT_EQ(c.actual, dir.Ruta());
    EXPECT_FALSE(c.unidadDe.has_value());
    // Once it is hidden, the same click runs.
    logica.Pulsado("cmdMapsourceSitna");
    EXPECT_EQ(c.Texto("txtMensajes"), "Error:53 No se ha encontrado el archivo " + Ruta("Sitna-Mapsource.txt"));
}

// Only the window system can close the main window then (its close box, a
// logout): the program ends, help window included.
TEST_F(LogicaTest, ElCierreConLaAyudaAbiertaTerminaElPrograma) {
    c.mientrasModal = [&] { logica.Pulsado("cmdSalir"); };
    logica.Pulsado("cmdAyuda");
    EXPECT_TRUE(c.terminado);
}

}  // namespace
}  // namespace varnel::prueba
