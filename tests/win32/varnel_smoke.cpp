// Starts varnel.exe as a user does and finds its window by its exact
// caption: client area as designed, then (optionally) the help window over
// it, then a close that must end the process. Prints the start-to-window time.
// Usage: varnel_smoke PROGRAM [--ayuda] [--dejar]
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "ui/forms/help_form.h"
#include "ui/forms/main_form.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form_renderer.h"
#include "ui/win32/win_text.h"

namespace {

using Reloj = std::chrono::steady_clock;

struct Busqueda {
    DWORD proceso;
    const wchar_t* titulo;
    HWND hallada;
};

BOOL CALLBACK Mirar(HWND h, LPARAM datos) {
    auto* b = reinterpret_cast<Busqueda*>(datos);
    DWORD proceso = 0;
    GetWindowThreadProcessId(h, &proceso);
    if (proceso == b->proceso && IsWindowVisible(h) && varnel::win::TextoDe(h) == b->titulo) {
        b->hallada = h;
        return FALSE;
    }
    return TRUE;
}

HWND Esperar(DWORD proceso, HANDLE h, const std::wstring& titulo, double segundos) {
    const auto fin = Reloj::now() + std::chrono::duration<double>(segundos);
    while (Reloj::now() < fin) {
        Busqueda b{proceso, titulo.c_str(), nullptr};
        EnumWindows(&Mirar, reinterpret_cast<LPARAM>(&b));
        if (b.hallada) return b.hallada;
        if (WaitForSingleObject(h, 20) == WAIT_OBJECT_0) return nullptr;  // it ended
    }
    return nullptr;
}

int Fallo(const char* que) {
    std::fprintf(stderr, "FALLO: %s\n", que);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return Fallo("falta el programa");
    bool ayuda = false, dejar = false;
    for (int i = 2; i < argc; ++i) {
        ayuda |= std::wstring(argv[i]) == L"--ayuda";
        dejar |= std::wstring(argv[i]) == L"--dejar";
    }
    std::wstring linea = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const auto inicio = Reloj::now();
    if (!CreateProcessW(argv[1], linea.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return Fallo("no arranca");
    CloseHandle(pi.hThread);

    const std::wstring titulo = varnel::win::Ancho(varnel::formularios::kPrincipal.titulo);
    HWND v = Esperar(pi.dwProcessId, pi.hProcess, titulo, 60);
    if (!v) return Fallo("no aparece la ventana principal");
    const double ms = std::chrono::duration<double, std::milli>(Reloj::now() - inicio).count();
    RECT r;
    GetClientRect(v, &r);
    const UINT dpi = varnel::win::DpiDe(v);
    std::printf("ventana \"%s\" en %.0f ms, cliente %ld x %ld a %u ppp\n", varnel::win::Utf8(titulo).c_str(), ms,
                r.right, r.bottom, dpi);
    const auto px = [dpi](int twips) { return (twips * static_cast<int>(dpi) + 720) / 1440; };
    if (r.right != px(6720) || r.bottom != px(6510)) return Fallo("el área de cliente no es la diseñada");

    if (ayuda) {
        const int id = varnel::win::kIdPrincipal +
                       varnel::formularios::Indice(varnel::formularios::kControlesPrincipal, "cmdAyuda");
        PostMessageW(GetDlgItem(v, id), BM_CLICK, 0, 0);
        HWND a = Esperar(pi.dwProcessId, pi.hProcess, varnel::win::Ancho(varnel::formularios::kAyuda.titulo), 30);
        if (!a) return Fallo("no aparece la ayuda");
        if (IsWindowEnabled(v)) return Fallo("la ayuda no es modal");
        std::printf("ayuda abierta\n");
    }
    if (dejar) {
        CloseHandle(pi.hProcess);
        return 0;
    }
    // Closing the main window ends the program, help window included.
    PostMessageW(v, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 15000) != WAIT_OBJECT_0) {
        TerminateProcess(pi.hProcess, 1);
        return Fallo("el proceso sigue tras cerrar la ventana");
    }
    DWORD salida = 1;
    GetExitCodeProcess(pi.hProcess, &salida);
    CloseHandle(pi.hProcess);
    std::printf("terminado, código %lu\n", salida);
    return salida == 0 ? 0 : Fallo("código de salida");
}
