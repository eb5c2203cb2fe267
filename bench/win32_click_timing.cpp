// Click-to-summary times of the Windows window with 32 767 points, the
// steps apart: filling the box, the two conversions through their buttons.
// Run under Wine: scripts/with-wine.sh wine64 varnel_win32_click_timing.exe
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "tests/test_support.h"
#include "ui/win32/main_window.h"

namespace {

template <class F>
double Ms(F f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main() {
    const INITCOMMONCONTROLSEX controles{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controles);
    varnel::prueba::CarpetaTemporal carpeta;
    varnel::win::FrmVarnel v;
    bool creada = false;
    const double crear = Ms([&] { creada = v.Crear(); });
    if (!creada) return 1;
    v.Carpetas().PonerCarpeta(carpeta.Ruta().native());
    const double mostrar = Ms([&] { v.Mostrar(SW_SHOWNORMAL); });
    std::printf("crear la ventana %.0f ms, mostrarla %.0f ms\n", crear, mostrar);
    std::string lista;
    for (int i = 0; i < 32767; ++i) lista += std::to_string(600000 + i % 1000) + ",4700000\r\n";
    const auto clic = [&](const char* boton) {
        SendMessageW(v.Ventana(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(v.Control(boton)), BN_CLICKED),
                     reinterpret_cast<LPARAM>(v.Control(boton)));
    };
    for (int vuelta = 0; vuelta < 3; ++vuelta) {
        const double llenar = Ms([&] { v.Logica().PonerTextoPorta(lista); });
        const double leer = Ms([&] { (void)v.Logica().TextoPorta(); });
        const double ida = Ms([&] { clic("cmdSitnaTrackOzi"); });
        const double vuelta2 = Ms([&] { clic("cmdTrackOziSitna"); });
        std::printf("llenar cuadro %.0f ms, leerlo %.0f ms, SITNA->track %.0f ms, track->SITNA %.0f ms (%s)\n", llenar,
                    leer, ida, vuelta2, v.Texto("txtMensajes").substr(0, 16).c_str());
    }
    return 0;
}
