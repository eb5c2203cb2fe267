// The drawing of a 32 767-point list in the Windows program: the model, the
// GDI+ painting of its primitives on an 800 × 600 bitmap, and the drawing
// window following the box. Run under Wine:
// scripts/with-wine.sh wine64 varnel_win32_drawing_timing.exe
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/track_list.h"
#include "tests/test_support.h"
#include "ui/win32/drawing_painter.h"
#include "ui/win32/main_window.h"

namespace {

template <class F>
double Ms(F f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// The median of `n` rounds.
template <class F>
double Mediana(int n, F f) {
    std::vector<double> t;
    for (int i = 0; i < n; ++i) t.push_back(Ms(f));
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

}  // namespace

int main() {
    const INITCOMMONCONTROLSEX controles{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controles);
    if (!varnel::win::IniciarGdiPlus()) return 1;
    const std::string lista = ListaDeUnPaseo(32767);

    varnel::logica::LogicaDibujo logica([](std::int64_t) {});
    logica.Tamano(800, 600);
    std::size_t vertices = 0;
    const double modelo = Mediana(11, [&] {
        logica.Leer(lista, varnel::DatumLista::Ed50);
        vertices = logica.Dibujo().traza.size();
    });
    const varnel::logica::Primitivas d = logica.Dibujo();
    Gdiplus::Bitmap imagen(800, 600, PixelFormat32bppPARGB);
    const double pintado = Mediana(11, [&] {
        Gdiplus::Graphics g(&imagen);
        varnel::win::PintarDibujo(g, d);
    });
    std::printf("32767 puntos (%zu vértices): modelo %.1f ms, pintado GDI+ 800x600 %.1f ms (medianas de 11)\n",
                vertices, modelo, pintado);

    varnel::prueba::CarpetaTemporal carpeta;
    varnel::win::FrmVarnel v;
    if (!v.Crear()) return 1;
    v.Mostrar(SW_SHOWNORMAL);
    varnel::win::FrmDibujo* f = v.VerDibujo();
    SetWindowPos(f->Ventana(), nullptr, 0, 0, 820, 680, SWP_NOMOVE | SWP_NOZORDER);
    const double sigue = Mediana(5, [&] {
        v.Logica().PonerTextoPorta(lista);
        f->LeerAhora();
        RedrawWindow(f->Lienzo(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    });
    std::printf("el cuadro puesto y el dibujo repintado: %.0f ms (mediana de 5; el cuadro solo: %.0f ms)\n", sigue,
                Mediana(3, [&] { v.Logica().PonerTextoPorta(lista); }));
    return 0;
}
