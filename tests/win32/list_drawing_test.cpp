// The Windows drawing window: the model's primitives as GDI+ pixels on a
// bitmap, and the window as the user reaches it (Ctrl+D, following the box,
// a click on a point, Esc). The model's rules are the logic's
// (tests/logic/list_drawing_test.cpp).
#include "tests/win32/win32_fixture.h"
#include "ui/win32/drawing_painter.h"
#include "ui/win32/settings_store_registry.h"

namespace varnel::prueba {
namespace {

constexpr const char* kLista = "610000,4740000\r\n612000,4741000\r\nx\r\n614000,4740000";

COLORREF En(Gdiplus::Bitmap& b, logica::PuntoPx p) {
    Gdiplus::Color c;
    b.GetPixel(static_cast<INT>(std::lround(p.x)), static_cast<INT>(std::lround(p.y)), &c);
    return RGB(c.GetR(), c.GetG(), c.GetB());
}

TEST(PintorDibujoWin32Test, MarcasYLineaDondeDiceElModelo) {
    ASSERT_TRUE(win::IniciarGdiPlus());
    logica::LogicaDibujo logica([](std::int64_t) {});
    logica.Tamano(320, 220);
    logica.Leer(kLista, DatumLista::Ed50);
    const logica::Primitivas d = logica.Dibujo();
    const std::unique_ptr<Gdiplus::Bitmap> imagen = win::ImagenDibujo(d);
    ASSERT_EQ(imagen->GetWidth(), 320U);
    EXPECT_EQ(En(*imagen, *d.inicio), RGB(0, 170, 0));
    EXPECT_EQ(En(*imagen, *d.fin), RGB(220, 0, 0));
    // Halfway along each leg, beyond the markers: the line's blue.
    const auto& t = d.traza;
    for (std::size_t i = 1; i < t.size(); ++i) {
        const COLORREF c = En(*imagen, {(t[i - 1].x + t[i].x) / 2, (t[i - 1].y + t[i].y) / 2});
        EXPECT_LT(GetRValue(c), 80) << i;
        EXPECT_GT(GetBValue(c), 150) << i;
    }
    EXPECT_EQ(En(*imagen, {318, 110}), RGB(255, 255, 255));  // away from everything
    // The scale bar's label is written: dark pixels beside the bar's end.
    int oscuros = 0;
    for (float x = 0; x < 30; ++x)
        for (float y = -10; y < 2; ++y)
            oscuros += GetGValue(En(*imagen, {d.escala.desde.x + d.escala.largo + 6 + x, d.escala.desde.y + y})) < 128;
    EXPECT_GT(oscuros, 5);
}

class DibujoWin32Test : public VentanaWin32Test {
protected:
    win::FrmDibujo* Abrir() {
        SetFocus(C("txtPorta"));
        BYTE teclas[256];
        GetKeyboardState(teclas);
        teclas[VK_CONTROL] = 0x80;
        SetKeyboardState(teclas);
        PulsarTecla('D');
        teclas[VK_CONTROL] = 0;
        SetKeyboardState(teclas);
        win::FrmDibujo* f = ventana_->VentanaDibujo();
        EXPECT_TRUE(f && IsWindowVisible(f->Ventana()));
        return f;
    }
    static std::string Resumen(const win::FrmDibujo& f) { return win::Utf8(win::TextoDe(f.Resumen())); }
};

TEST_F(DibujoWin32Test, CtrlDLoAbreSigueALaCajaYUnClicSeleccionaLaLinea) {
    ventana_->PonerTexto("txtPorta", kLista);
    win::FrmDibujo* f = Abrir();
    ASSERT_TRUE(f);
    EXPECT_EQ(Resumen(*f), "3 puntos · 4,5 km · E 610000–614000 · N 4740000–4741000 · ED50 · Línea 3: no es un punto");

    // Typed into the box: the drawing follows without being asked.
    const int largo = GetWindowTextLengthW(C("txtPorta"));
    SendMessageW(C("txtPorta"), EM_SETSEL, static_cast<WPARAM>(largo), largo);
    SendMessageW(C("txtPorta"), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r\n616000,4740000"));
    for (int i = 0; i < 200 && Resumen(*f).rfind("4 puntos", 0) != 0; ++i) {
        Sleep(10);
        Bombear();
    }
    EXPECT_EQ(Resumen(*f).rfind("4 puntos", 0), 0U) << Resumen(*f);

    const logica::PuntoPx p = f->Logica().Vista().APixel(614000, 4740000);
    const LPARAM donde = MAKELPARAM(std::lround(p.x), std::lround(p.y));
    SendMessageW(f->Lienzo(), WM_LBUTTONDOWN, MK_LBUTTON, donde);
    SendMessageW(f->Lienzo(), WM_LBUTTONUP, 0, donde);
    DWORD inicio = 0;
    DWORD fin = 0;
    SendMessageW(C("txtPorta"), EM_GETSEL, reinterpret_cast<WPARAM>(&inicio), reinterpret_cast<LPARAM>(&fin));
    EXPECT_EQ(Texto("txtPorta").substr(inicio, fin - inicio), L"614000,4740000");
}

TEST_F(DibujoWin32Test, EscCierraRecordandoDonde) {
    win::FrmDibujo* f = Abrir();
    ASSERT_TRUE(f);
    EXPECT_EQ(Resumen(*f), "Cuadro Descargar sin puntos");
    SetWindowPos(f->Ventana(), nullptr, 40, 50, 500, 400, SWP_NOZORDER);
    SetFocus(f->Lienzo());
    PulsarTecla(VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(f->Ventana()));
    EXPECT_EQ(logica::LeerGeometria(win::AjustesRegistro()), (logica::Geometria{40, 50, 500, 400}));
}

}  // namespace
}  // namespace varnel::prueba
