// The Windows help window: its controls as described, its texts set on
// every showing, modal over the main window and centred on it, "Aceptar"
// with the focus, and made again after its close box.
#include <cmath>
#include <cstdlib>

#include "tests/win32/win32_fixture.h"
#include "ui/forms/help_form.h"
#include "ui/win32/dpi.h"

namespace varnel::prueba {
namespace {

class AyudaWin32Test : public VentanaWin32Test {
protected:
    HWND A(std::string_view nombre) const { return ventana_->Ayuda()->Control(nombre); }
    HWND Ayuda() const { return ventana_->Ayuda() ? ventana_->Ayuda()->Ventana() : nullptr; }
};

TEST_F(AyudaWin32Test, ModalCentradaYConSusTextos) {
    bool visto = false;
    DentroDeAyuda dentro([&] {
        HWND a = Ayuda();
        ASSERT_TRUE(a && IsWindowVisible(a));
        visto = true;
        EXPECT_EQ(win::Utf8(win::TextoDe(a)), "Varnel Ayuda");
        EXPECT_FALSE(IsWindowEnabled(ventana_->Ventana())) << "la principal no es modal";
        EXPECT_EQ(GetWindow(a, GW_OWNER), ventana_->Ventana());
        EXPECT_FALSE(GetWindowLongPtrW(a, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        const LONG_PTR estilo = GetWindowLongPtrW(a, GWL_STYLE);
        EXPECT_FALSE(estilo & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        EXPECT_TRUE(estilo & WS_SYSMENU);
        EXPECT_EQ(GetFocus(), A("OKButton"));
        RECT r, p, cliente;
        GetWindowRect(a, &r);
        GetWindowRect(ventana_->Ventana(), &p);
        EXPECT_LE(std::abs((r.left + r.right) - (p.left + p.right)), 2);  // centres one pixel apart at most
        EXPECT_LE(std::abs((r.top + r.bottom) - (p.top + p.bottom)), 2);  // centres one pixel apart at most
        GetClientRect(a, &cliente);
        const UINT dpi = win::DpiDe(a);
        const auto px = [dpi](int twips) { return (twips * static_cast<int>(dpi) + 720) / 1440; };
        EXPECT_EQ(cliente.right, px(11175));
        EXPECT_EQ(cliente.bottom, px(8910));
        EXPECT_EQ(win::Utf8(win::TextoDe(A("LblDescargar2"))), textos::TextoAyudaDescargar());
        EXPECT_EQ(win::Utf8(win::TextoDe(A("lblOzi2"))), textos::TextoAyudaOzi(DatumLista::Ed50));
        EXPECT_EQ(win::Utf8(win::TextoDe(A("lblMapsource2"))), textos::TextoAyudaMapsource());
        EXPECT_EQ(win::Utf8(win::TextoDe(A("lblVarnel2"))), textos::TextoAyudaVarnel(DatumLista::Ed50));
        // Every control where and as the description says.
        for (const formularios::Control& c : formularios::kControlesAyuda) {
            HWND h = A(c.nombre);
            RECT rc;
            GetWindowRect(h, &rc);
            MapWindowPoints(nullptr, a, reinterpret_cast<POINT*>(&rc), 2);
            const RECT esperado = {px(c.rect.izquierda), px(c.rect.arriba), px(c.rect.izquierda) + px(c.rect.ancho),
                                   px(c.rect.arriba) + px(c.rect.alto)};
            EXPECT_TRUE(EqualRect(&rc, &esperado)) << c.nombre;
            if (!c.texto.empty()) {
                EXPECT_EQ(win::Utf8(win::TextoDe(h)), c.texto) << c.nombre;
            }
            LOGFONTW lf{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)), sizeof lf, &lf);
            EXPECT_EQ(lf.lfHeight, -std::lround(c.fuente.puntos * dpi / 72.0)) << c.nombre;
            EXPECT_EQ(lf.lfWeight >= FW_BOLD, c.fuente.negrita) << c.nombre;
        }
        PostMessageW(A("OKButton"), WM_KEYDOWN, VK_RETURN, 1);
    });
    Pulsar("cmdAyuda");
    EXPECT_TRUE(visto);
    ASSERT_TRUE(Ayuda());
    EXPECT_FALSE(IsWindowVisible(Ayuda()));
    EXPECT_TRUE(IsWindowEnabled(ventana_->Ventana()));
}

// However it is dismissed, the next showing has the same texts, never twice.
struct Cierre {
    const char* nombre;
    std::function<void(HWND ayuda, HWND ok)> cerrar;
    bool sigueCreada;
};

void PrintTo(const Cierre& c, std::ostream* os) { *os << c.nombre; }

class CierreAyudaTest : public AyudaWin32Test, public ::testing::WithParamInterface<Cierre> {};

TEST_P(CierreAyudaTest, LaSiguienteVezIgual) {
    HWND primera = nullptr;
    {
        DentroDeAyuda dentro([&] {
            primera = Ayuda();
            GetParam().cerrar(primera, A("OKButton"));
        });
        Pulsar("cmdAyuda");
        ASSERT_TRUE(dentro.hecho);
    }
    EXPECT_EQ(IsWindow(primera) != FALSE, GetParam().sigueCreada);
    EXPECT_TRUE(IsWindowEnabled(ventana_->Ventana()));
    std::string texto;
    {
        DentroDeAyuda dentro([&] {
            texto = win::Utf8(win::TextoDe(A("lblVarnel2")));
            PostMessageW(A("OKButton"), WM_KEYDOWN, VK_SPACE, 1);
            PostMessageW(A("OKButton"), WM_KEYUP, VK_SPACE, 1u | (1u << 30) | (1u << 31));
        });
        Pulsar("cmdAyuda");
        ASSERT_TRUE(dentro.hecho);
    }
    EXPECT_EQ(texto, textos::TextoAyudaVarnel(DatumLista::Ed50));
    EXPECT_FALSE(IsWindowVisible(Ayuda()));
}

INSTANTIATE_TEST_SUITE_P(
    Maneras, CierreAyudaTest,
    ::testing::Values(
        Cierre{"Aceptar", [](HWND, HWND ok) { PostMessageW(ok, WM_KEYDOWN, VK_RETURN, 1); }, true},
        Cierre{"IntroTeclado", [](HWND, HWND ok) { PostMessageW(ok, WM_KEYDOWN, VK_RETURN, 1 | (1 << 24)); }, true},
        Cierre{"Escape", [](HWND, HWND ok) { PostMessageW(ok, WM_KEYDOWN, VK_ESCAPE, 1); }, true},
        Cierre{"CasillaDeCierre", [](HWND a, HWND) { PostMessageW(a, WM_SYSCOMMAND, SC_CLOSE, 0); }, false}),
    [](const auto& info) { return std::string(info.param.nombre); });

// The close box removes the window; made again, it gets the same two icons,
// never a new pair each time.
TEST_F(AyudaWin32Test, LosIconosSeCarganUnaSolaVez) {
    LRESULT primero = 0;
    {
        DentroDeAyuda dentro([&] {
            primero = SendMessageW(Ayuda(), WM_GETICON, ICON_SMALL, 0);
            PostMessageW(Ayuda(), WM_SYSCOMMAND, SC_CLOSE, 0);
        });
        Pulsar("cmdAyuda");
        ASSERT_TRUE(dentro.hecho);
    }
    LRESULT segundo = 0;
    {
        DentroDeAyuda dentro([&] {
            segundo = SendMessageW(Ayuda(), WM_GETICON, ICON_SMALL, 0);
            PostMessageW(A("OKButton"), WM_KEYDOWN, VK_RETURN, 1);
        });
        Pulsar("cmdAyuda");
        ASSERT_TRUE(dentro.hecho);
    }
    EXPECT_NE(primero, 0);
    EXPECT_EQ(segundo, primero);
}

TEST_F(AyudaWin32Test, SalirConLaAyudaCreadaTerminaTodo) {
    DentroDeAyuda dentro([&] { PostMessageW(A("OKButton"), WM_KEYDOWN, VK_RETURN, 1); });
    Pulsar("cmdAyuda");
    HWND ayuda = Ayuda();
    ASSERT_TRUE(IsWindow(ayuda));
    Pulsar("cmdSalir");
    EXPECT_FALSE(IsWindow(ayuda));
    EXPECT_FALSE(IsWindow(ventana_->Ventana()));
}

}  // namespace
}  // namespace varnel::prueba
