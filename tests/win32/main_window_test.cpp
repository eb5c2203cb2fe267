// The Windows main window against its description: every control's class,
// text, rectangle, font and tooltip, the window itself, the Tab order, the
// start state and the keyboard.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "tests/win32/win32_fixture.h"
#include "ui/forms/main_form.h"
#include "ui/win32/dpi.h"

namespace varnel::prueba {
namespace {

using formularios::Tipo;

struct ClaseEsperada {
    const wchar_t* clase;
    LONG_PTR tipoBoton;  // BS_TYPEMASK part, for buttons
};

ClaseEsperada Esperada(Tipo t) {
    switch (t) {
    case Tipo::Boton:
    case Tipo::BotonDibujo: return {WC_BUTTONW, BS_PUSHBUTTON};
    case Tipo::Marco: return {WC_BUTTONW, BS_GROUPBOX};
    case Tipo::Casilla: return {WC_BUTTONW, BS_AUTOCHECKBOX};
    case Tipo::Opcion: return {WC_BUTTONW, BS_AUTORADIOBUTTON};
    case Tipo::Etiqueta:
    case Tipo::Enlace: return {WC_STATICW, -1};
    case Tipo::TextoLinea:
    case Tipo::TextoVarias: return {WC_EDITW, -1};
    case Tipo::ListaUnidades: return {WC_COMBOBOXW, -1};
    case Tipo::ListaCarpetas: return {WC_LISTBOXW, -1};
    }
    return {L"?", -1};
}

// Twips to pixels at a DPI, rounded to the nearest pixel (1440 twips to the inch).
int Px(int twips, UINT dpi) { return (twips * static_cast<int>(dpi) + 720) / 1440; }

// Where the description puts a control, in pixels from the client area: its
// frame's corner plus its own place, then its size.
RECT Esperado(const formularios::Control& c, UINT dpi) {
    int x = c.rect.izquierda;
    int y = c.rect.arriba;
    for (const formularios::Control& m : formularios::kControlesPrincipal)
        if (!c.marco.empty() && m.nombre == c.marco) {
            x += m.rect.izquierda;
            y += m.rect.arriba;
        }
    return {Px(x, dpi), Px(y, dpi), Px(x, dpi) + Px(c.rect.ancho, dpi), Px(y, dpi) + Px(c.rect.alto, dpi)};
}

RECT EnCliente(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class ControlPrincipalTest : public VentanaWin32Test, public ::testing::WithParamInterface<formularios::Control> {};

TEST_P(ControlPrincipalTest, ComoDescrito) {
    const formularios::Control& c = GetParam();
    HWND h = C(c.nombre);
    ASSERT_TRUE(h);
    EXPECT_TRUE(IsWindowVisible(h));

    wchar_t clase[32] = {};
    GetClassNameW(h, clase, 32);
    const ClaseEsperada esperada = Esperada(c.tipo);
    EXPECT_EQ(_wcsicmp(clase, esperada.clase), 0) << win::Utf8(clase);
    if (esperada.tipoBoton >= 0) {
        EXPECT_EQ(GetWindowLongPtrW(h, GWL_STYLE) & BS_TYPEMASK, esperada.tipoBoton);
    }
    if (c.tipo == Tipo::BotonDibujo) {
        EXPECT_TRUE(GetWindowLongPtrW(h, GWL_STYLE) & BS_ICON);
        EXPECT_TRUE(SendMessageW(h, BM_GETIMAGE, IMAGE_ICON, 0)) << "sin dibujo";
    }

    // Texts: the caption as designed; a picture button's is its name for
    // screen readers, its tooltip.
    if (c.tipo != Tipo::ListaUnidades && c.tipo != Tipo::ListaCarpetas) {
        EXPECT_EQ(win::Utf8(win::TextoDe(h)), c.tipo == Tipo::BotonDibujo ? c.ayuda : c.texto);
    }
    if (!c.ayuda.empty()) {
        EXPECT_EQ(win::Utf8(AyudaDe(ventana_->Formulario().Tooltips(), ventana_->Ventana(), h)), c.ayuda);
    }

    const UINT dpi = win::DpiDe(ventana_->Ventana());
    const RECT esperado = Esperado(c, dpi);
    const RECT r = EnCliente(h);
    EXPECT_EQ(r.left, esperado.left);
    EXPECT_EQ(r.top, esperado.top);
    EXPECT_EQ(r.right - r.left, esperado.right - esperado.left);
    EXPECT_EQ(r.bottom - r.top, esperado.bottom - esperado.top);

    LOGFONTW lf{};
    ASSERT_TRUE(GetObjectW(ventana_->Formulario().FuenteDe(c.nombre), sizeof lf, &lf));
    EXPECT_EQ(win::Utf8(lf.lfFaceName), c.fuente.familia);
    EXPECT_EQ(lf.lfHeight, -std::lround(c.fuente.puntos * dpi / 72.0));
    EXPECT_EQ(lf.lfWeight >= FW_BOLD, c.fuente.negrita);
    EXPECT_EQ(lf.lfUnderline != 0, c.fuente.subrayada);
}

}  // namespace
}  // namespace varnel::prueba

namespace varnel::formularios {
void PrintTo(const Control& c, std::ostream* os) { *os << c.nombre; }
}  // namespace varnel::formularios

namespace varnel::prueba {
namespace {

std::string NombreControl(const ::testing::TestParamInfo<formularios::Control>& info) {
    return std::string(info.param.nombre);
}

INSTANTIATE_TEST_SUITE_P(Descripcion, ControlPrincipalTest, ::testing::ValuesIn(formularios::kControlesPrincipal),
                         NombreControl);

TEST_F(VentanaWin32Test, VentanaComoDescrita) {
    HWND v = ventana_->Ventana();
    EXPECT_EQ(win::Utf8(win::TextoDe(v)), "Traspaso datos entre  SITNA-OziExplorer");
    const UINT dpi = win::DpiDe(v);
    RECT cliente;
    GetClientRect(v, &cliente);
    EXPECT_EQ(cliente.right, Px(6720, dpi));
    EXPECT_EQ(cliente.bottom, Px(6510, dpi));
    const LONG_PTR estilo = GetWindowLongPtrW(v, GWL_STYLE);
    EXPECT_TRUE(estilo & WS_THICKFRAME);
    EXPECT_TRUE(estilo & WS_MINIMIZEBOX);
    EXPECT_TRUE(estilo & WS_MAXIMIZEBOX);
    EXPECT_TRUE(SendMessageW(v, WM_GETICON, ICON_SMALL, 0));
}

// A few rectangles as they are at 96 dpi, the DPI of these tests' display.
TEST_F(VentanaWin32Test, AlgunosRectangulosA96Ppp) {
    if (win::DpiDe(ventana_->Ventana()) != 96) GTEST_SKIP() << "la pantalla no está a 96 ppp";
    RECT cliente;
    GetClientRect(ventana_->Ventana(), &cliente);
    EXPECT_EQ(cliente.right, 448);
    EXPECT_EQ(cliente.bottom, 434);
    const auto es = [this](const char* nombre, RECT esperado) {
        const RECT r = EnCliente(C(nombre));
        EXPECT_TRUE(EqualRect(&r, &esperado))
            << nombre << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    };
    es("cmdSitnaWpOzi", {16, 16, 137, 41});
    es("cmdSalir", {384, 392, 425, 433});
    es("txtPorta", {8, 232, 153, 385});
    es("Option3", {168, 296, 305, 313});  // inside Frame1, at 160,232
    es("Frame4", {320, 232, 441, 313});
    es("OptionETRS89", {328, 276, 425, 293});  // inside Frame4, at 320,232
    es("lblLink_1", {232, 360, 409, 377});     // inside Frame2, at 160,320
}

TEST_F(VentanaWin32Test, CentradaEnElAreaDeTrabajo) {
    RECT r;
    GetWindowRect(ventana_->Ventana(), &r);
    const RECT area = win::AreaDeTrabajo(ventana_->Ventana());
    EXPECT_LE(std::abs((r.left + r.right) - (area.left + area.right)), 2);  // centres one pixel apart at most
    EXPECT_LE(std::abs((r.top + r.bottom) - (area.top + area.bottom)), 2);  // centres one pixel apart at most
}

TEST_F(VentanaWin32Test, MaximizarNoMueveNada) {
    const RECT antes = EnCliente(C("txtPorta"));
    ShowWindow(ventana_->Ventana(), SW_MAXIMIZE);
    Bombear();
    const RECT despues = EnCliente(C("txtPorta"));
    EXPECT_TRUE(EqualRect(&antes, &despues));
    ShowWindow(ventana_->Ventana(), SW_RESTORE);
}

TEST_F(VentanaWin32Test, EstadoInicial) {
    EXPECT_EQ(NombreConFoco(*ventana_), "cmdSitnaWpOzi");
    EXPECT_EQ(SendMessageW(C("ChkDescargar"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(C("Option1"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(C("Option2"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(C("OptionED50"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(C("OptionETRS89"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Texto("txtMensajes"), L"");
    EXPECT_EQ(Texto("txtPorta"), L"");
    EXPECT_TRUE(GetWindowLongPtrW(C("txtMensajes"), GWL_STYLE) & ES_READONLY);
    // No default button: none carries the style.
    for (const formularios::Control& c : formularios::kControlesPrincipal) {
        if (c.tipo == Tipo::Boton || c.tipo == Tipo::BotonDibujo) {
            EXPECT_NE(GetWindowLongPtrW(C(c.nombre), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON) << c.nombre;
        }
    }
    // Room for 32 767 points of 16 characters.
    EXPECT_GE(SendMessageW(C("txtPorta"), EM_GETLIMITTEXT, 0, 0), 32767 * 16);
}

TEST_F(VentanaWin32Test, CarpetaInicialEsLaDeTrabajo) {
    win::FrmVarnel otra;
    ASSERT_TRUE(otra.Crear());
    EXPECT_EQ(otra.Carpetas().Carpeta(), win::RutaCompleta(std::filesystem::current_path().native()));
    EXPECT_EQ(win::Utf8(win::TextoDe(otra.Control("DrvList"))), win::Utf8(otra.Carpetas().Carpeta().substr(0, 2)));
}

// The options selected in each group: Garmin's and the datum's.
struct Marcadas {
    const char* garmin;
    const char* datum;
};

void PrintTo(const Marcadas& m, std::ostream* os) { *os << m.garmin << '_' << m.datum; }

// The Tab order: the description's, each option group one stop on its
// selected option, round to the start.
std::vector<std::string> OrdenEsperado(const Marcadas& m) {
    std::vector<const formularios::Control*> foco;
    for (const formularios::Control& c : formularios::kControlesPrincipal)
        if (c.indiceTab >= 0 && (c.tipo != Tipo::Opcion || c.nombre == m.garmin || c.nombre == m.datum))
            foco.push_back(&c);
    std::sort(foco.begin(), foco.end(), [](auto* a, auto* b) { return a->indiceTab < b->indiceTab; });
    std::vector<std::string> nombres;
    nombres.reserve(foco.size() + 1);
    for (auto* c : foco) nombres.emplace_back(c->nombre);
    nombres.push_back(nombres.front());
    return nombres;
}

class OrdenTabTest : public VentanaWin32Test, public ::testing::WithParamInterface<Marcadas> {};

TEST_P(OrdenTabTest, ElDescrito) {
    Pulsar(GetParam().garmin);  // selects those options
    Pulsar(GetParam().datum);
    SetFocus(C("cmdSitnaWpOzi"));
    std::vector<std::string> visto{NombreConFoco(*ventana_)};
    for (std::size_t i = 1; i < OrdenEsperado(GetParam()).size(); ++i) {
        PulsarTecla(VK_TAB);
        visto.push_back(NombreConFoco(*ventana_));
    }
    EXPECT_EQ(visto, OrdenEsperado(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Opciones, OrdenTabTest,
                         ::testing::Values(Marcadas{"Option1", "OptionED50"}, Marcadas{"Option2", "OptionED50"},
                                           Marcadas{"Option3", "OptionETRS89"}, Marcadas{"Option1", "OptionETRS89"}),
                         [](const auto& info) { return std::string(info.param.garmin) + "_" + info.param.datum; });

TEST_F(VentanaWin32Test, FlechasMuevenLaOpcion) {
    SetFocus(C("Option1"));
    PulsarTecla(VK_DOWN);
    EXPECT_EQ(NombreConFoco(*ventana_), "Option2");
    EXPECT_EQ(ventana_->Logica().OpcionSeleccionada(), OpcionGarmin::Option2);
    // From the last Garmin option the arrow goes round its own group, never
    // into the datum's.
    SetFocus(C("Option3"));
    PulsarTecla(VK_DOWN);
    EXPECT_EQ(NombreConFoco(*ventana_), "Option1");
    EXPECT_EQ(SendMessageW(C("OptionED50"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(ventana_->Logica().DatumSitna(), DatumLista::Ed50);
}

TEST_F(VentanaWin32Test, TabEnElCuadroPasaAlSiguiente) {
    SetFocus(C("txtPorta"));
    PulsarTecla(VK_TAB);
    EXPECT_EQ(NombreConFoco(*ventana_), "ChkDescargar");
    EXPECT_EQ(Texto("txtPorta"), L"");
    // Esc in the box leaves the window open.
    SetFocus(C("txtPorta"));
    PulsarTecla(VK_ESCAPE);
    EXPECT_TRUE(IsWindow(ventana_->Ventana()));
}

}  // namespace
}  // namespace varnel::prueba

namespace varnel::prueba {
namespace {

// Moved to a monitor of another DPI: every control where the description
// puts it at that DPI, fonts to match, the client area scaled.
TEST_F(VentanaWin32Test, OtroDpiLoColocaTodoDeNuevo) {
    constexpr UINT kDpi = 144;
    HWND v = ventana_->Ventana();
    RECT r;
    GetWindowRect(v, &r);
    const SIZE s = win::TamanoExterior(Px(6720, kDpi), Px(6510, kDpi),
                                       static_cast<DWORD>(GetWindowLongPtrW(v, GWL_STYLE)), 0, kDpi);
    RECT sugerido{r.left, r.top, r.left + s.cx, r.top + s.cy};
    SendMessageW(v, WM_DPICHANGED, MAKEWPARAM(kDpi, kDpi), reinterpret_cast<LPARAM>(&sugerido));
    for (const char* nombre : {"cmdSalir", "txtPorta", "Option3", "lblLink_1"}) {
        const formularios::Control& c = formularios::kControlesPrincipal[static_cast<std::size_t>(
            formularios::Indice(formularios::kControlesPrincipal, nombre))];
        const RECT esperado = Esperado(c, kDpi);
        const RECT visto = EnCliente(C(nombre));
        EXPECT_TRUE(EqualRect(&visto, &esperado)) << nombre;
        LOGFONTW lf{};
        GetObjectW(ventana_->Formulario().FuenteDe(nombre), sizeof lf, &lf);
        EXPECT_EQ(lf.lfHeight, -std::lround(c.fuente.puntos * kDpi / 72.0)) << nombre;
    }
}

}  // namespace
}  // namespace varnel::prueba
