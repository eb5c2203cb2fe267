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

// This thread's processor time, user and kernel, in ms: on a busy machine
// the wall clock counts the other programs too.
double CpuMs() {
    FILETIME creado, terminado, nucleo, usuario;
    GetThreadTimes(GetCurrentThread(), &creado, &terminado, &nucleo, &usuario);
    const auto ms = [](FILETIME f) {
        return static_cast<double>((static_cast<ULONGLONG>(f.dwHighDateTime) << 32) | f.dwLowDateTime) / 1e4;
    };
    return ms(nucleo) + ms(usuario);
}

struct Tiempo {
    double pared;
    double cpu;
};

template <class F>
Tiempo Ms(F f) {
    const auto t0 = std::chrono::steady_clock::now();
    const double c0 = CpuMs();
    f();
    return {std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count(), CpuMs() - c0};
}

// The median of `n` rounds, wall clock and processor apart.
template <class F>
Tiempo Mediana(int n, F f) {
    std::vector<double> pared;
    std::vector<double> cpu;
    for (int i = 0; i < n; ++i) {
        const Tiempo t = Ms(f);
        pared.push_back(t.pared);
        cpu.push_back(t.cpu);
    }
    std::sort(pared.begin(), pared.end());
    std::sort(cpu.begin(), cpu.end());
    return {pared[pared.size() / 2], cpu[cpu.size() / 2]};
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
    const Tiempo modelo = Mediana(11, [&] {
        logica.Leer(lista, varnel::DatumLista::Ed50);
        vertices = logica.Dibujo().traza.size();
    });
    const varnel::logica::Primitivas d = logica.Dibujo();
    Gdiplus::Bitmap imagen(800, 600, PixelFormat32bppPARGB);
    const Tiempo pintado = Mediana(11, [&] {
        Gdiplus::Graphics g(&imagen);
        varnel::win::PintarDibujo(g, d);
    });
    std::printf(
        "32767 puntos (%zu vértices), medianas de 11, reloj / procesador: modelo %.1f / %.1f ms, pintado GDI+ "
        "800x600 %.1f / %.1f ms\n",
        vertices, modelo.pared, modelo.cpu, pintado.pared, pintado.cpu);

    varnel::prueba::CarpetaTemporal carpeta;
    varnel::win::FrmVarnel v;
    if (!v.Crear()) return 1;
    v.Mostrar(SW_SHOWNORMAL);
    varnel::win::FrmDibujo* f = v.VerDibujo();
    SetWindowPos(f->Ventana(), nullptr, 0, 0, 820, 680, SWP_NOMOVE | SWP_NOZORDER);
    const Tiempo sigue = Mediana(5, [&] {
        v.Logica().PonerTextoPorta(lista);
        f->LeerAhora();
        RedrawWindow(f->Lienzo(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    });
    const Tiempo cuadro = Mediana(3, [&] { v.Logica().PonerTextoPorta(lista); });
    std::printf("el cuadro puesto y el dibujo repintado: %.0f / %.0f ms (el cuadro solo: %.0f / %.0f ms)\n",
                sigue.pared, sigue.cpu, cuadro.pared, cuadro.cpu);
    return 0;
}
