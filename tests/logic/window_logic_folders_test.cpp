// The exchange folder's rules: the folder list commits its highlight when it
// loses the focus (or on Enter and a double click), the drive list falls back
// to the drive of the folder shown, and follows the folder list.
#include "tests/logic/logic_fixture.h"

namespace varnel::prueba {
namespace {

class CarpetasTest : public LogicaTest {
protected:
    CarpetasTest() {
        std::filesystem::create_directory(sub);
        c.legibles.insert(sub);
    }
    const std::filesystem::path sub = dir / "sub";
};

TEST_F(CarpetasTest, LaResaltadaPasaAActualAlPerderElFoco) {
    c.resaltada = sub;
    logica.FocoPerdido("dirList");
    EXPECT_EQ(c.actual, sub);
    // ... so it is the exchange folder of the click that took the focus away.
    c.textos["txtPorta"] = "612345,4745678";
    logica.Pulsado("cmdSitnaTrackOzi");
    EXPECT_EQ(c.Texto("txtMensajes"), "Generados 1 Puntos de Track en " + Utf8(sub / "Sitna-OziTrack.txt"));
}

TEST_F(CarpetasTest, IntroODobleClicEntranEnLaResaltada) {
    c.resaltada = sub;
    logica.Activado("dirList");
    EXPECT_EQ(c.actual, sub);
}

TEST_F(CarpetasTest, ResaltadaLaActualNoCambiaNada) {
    logica.FocoPerdido("dirList");
    EXPECT_TRUE(c.registro.empty());
    EXPECT_EQ(c.listados, 0);
}

TEST_F(CarpetasTest, OtroControlQuePierdeElFocoNoCambiaLaCarpeta) {
    c.resaltada = sub;
    logica.FocoPerdido("txtPorta");
    logica.Activado("DrvList");
    EXPECT_EQ(c.actual, dir.Ruta());
}

TEST_F(CarpetasTest, UnaCarpetaBorradaEntretantoDejaLaActualListadaOtraVez) {
    c.resaltada = dir / "efimera";  // not readable: removed after it was listed
    logica.FocoPerdido("dirList");
    EXPECT_EQ(c.actual, dir.Ruta());
    EXPECT_EQ(c.resaltada, dir.Ruta());
    EXPECT_EQ(c.listados, 1);
    EXPECT_EQ(c.pitidos, 0);
    EXPECT_TRUE(c.modales.empty());
}

TEST_F(CarpetasTest, LaListaDeUnidadesSigueALaDeCarpetas) {
    c.actual = sub;
    logica.CarpetaCambiada();
    EXPECT_EQ(c.unidadDe, sub);
}

TEST_F(CarpetasTest, OtraUnidadLegibleEsLaCarpetaDeIntercambio) {
    const std::filesystem::path otra = dir / "usb";
    c.legibles.insert(otra);
    logica.UnidadElegida(otra);
    EXPECT_EQ(logica.CarpetaIntercambio(), otra);
}

TEST_F(CarpetasTest, UnaUnidadIlegibleVuelveEnSilencioALaDeLaCarpeta) {
    logica.UnidadElegida(dir / "sin-medio");
    EXPECT_EQ(c.actual, dir.Ruta());
    EXPECT_EQ(c.unidadDe, dir.Ruta());
    EXPECT_EQ(c.pitidos, 0);
    EXPECT_TRUE(c.modales.empty());
    EXPECT_TRUE(c.Texto("txtMensajes").empty());
}

#ifdef _WIN32
// A drive letter: first the drive's own current folder ("D:"), then its root.
TEST_F(CarpetasTest, UnaLetraDeUnidadVaASuCarpetaActualOASuRaiz) {
    c.legibles.insert(std::filesystem::path(L"D:"));
    logica.UnidadElegida(L"D:\\");
    EXPECT_EQ(c.actual, std::filesystem::path(L"D:"));

    c.legibles.insert(std::filesystem::path(L"E:\\"));
    logica.UnidadElegida(L"E:\\");
    EXPECT_EQ(c.actual, std::filesystem::path(L"E:\\"));
    EXPECT_EQ(c.registro.back(), "carpeta:E:/");
}
#else
TEST_F(CarpetasTest, UnPuntoDeMontajeSeIntentaUnaVez) {
    logica.UnidadElegida("/media/usb");
    EXPECT_EQ(c.registro, std::vector<std::string>{"carpeta:/media/usb"});
}
#endif

}  // namespace
}  // namespace varnel::prueba
