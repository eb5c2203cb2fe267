// How long Windows' edit control takes 32 767 lines in one go, the way the
// Cuadro Descargar box gets a run's list, under a few ways of handing it
// over. Each way on a fresh box of the box's size, style and font, three
// times. Run under Wine: scripts/with-wine.sh wine64 varnel_win32_box_fill.exe
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr DWORD kCuadro =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

template <class F>
double Ms(F f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

void Bombear() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

struct Manera {
    const char* nombre;
    DWORD estilo;
    void (*poner)(HWND, const std::wstring&);
};

void Directo(HWND h, const std::wstring& t) { SetWindowTextW(h, t.c_str()); }

void SinRedibujar(HWND h, const std::wstring& t) {
    SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    SetWindowTextW(h, t.c_str());
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(h, nullptr, TRUE);
}

void Oculto(HWND h, const std::wstring& t) {
    ShowWindow(h, SW_HIDE);
    SetWindowTextW(h, t.c_str());
    ShowWindow(h, SW_SHOWNA);
}

void BuferPropio(HWND h, const std::wstring& t) {
    const std::size_t bytes = (t.size() + 1) * sizeof(wchar_t);
    HLOCAL nuevo = LocalAlloc(LMEM_MOVEABLE, bytes);
    if (!nuevo) return;
    std::memcpy(LocalLock(nuevo), t.c_str(), bytes);
    LocalUnlock(nuevo);
    // The handle comes back as the message's result: the cast is the API.
    auto viejo = reinterpret_cast<HLOCAL>(SendMessageW(h, EM_GETHANDLE, 0, 0));  // NOLINT(performance-no-int-to-ptr)
    SendMessageW(h, EM_SETHANDLE, reinterpret_cast<WPARAM>(nuevo), 0);
    if (viejo && viejo != nuevo) LocalFree(viejo);
}

}  // namespace

int main() {
    const INITCOMMONCONTROLSEX controles{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controles);
    HWND ventana = CreateWindowExW(0, WC_STATICW, L"Varnel", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 480, 480, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -std::lround(9.75 * 96 / 72.0);
    wcscpy(lf.lfFaceName, L"Courier New");
    HFONT fuente = CreateFontIndirectW(&lf);

    std::wstring lista;
    for (int i = 0; i < 32767; ++i) lista += std::to_wstring(600000 + i % 1000) + L",4700000\r\n";

    const Manera maneras[] = {
        {"sin ES_AUTOHSCROLL (parte las líneas)", kCuadro, Directo},
        {"ES_AUTOHSCROLL, SetWindowText", kCuadro | ES_AUTOHSCROLL, Directo},
        {"ES_AUTOHSCROLL, WM_SETREDRAW apagado", kCuadro | ES_AUTOHSCROLL, SinRedibujar},
        {"ES_AUTOHSCROLL, búfer propio (EM_SETHANDLE)", kCuadro | ES_AUTOHSCROLL, BuferPropio},
        {"ES_AUTOHSCROLL, oculto mientras tanto", kCuadro | ES_AUTOHSCROLL, Oculto},
    };
    for (const Manera& m : maneras) {
        std::printf("%-46s", m.nombre);
        for (int vuelta = 0; vuelta < 3; ++vuelta) {
            // 2175 x 2295 twips at 96 dpi, where the window puts the box.
            HWND h = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"", m.estilo, 8, 232, 145, 153, ventana, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
            SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(fuente), FALSE);
            SendMessageW(h, EM_SETLIMITTEXT, 0, 0);
            Bombear();
            const double ms = Ms([&] {
                m.poner(h, lista);
                UpdateWindow(h);
            });
            const int largo = GetWindowTextLengthW(h);
            std::printf(" %7.0f ms%s", ms, largo == static_cast<int>(lista.size()) ? "" : " (¡texto incompleto!)");
            DestroyWindow(h);
            Bombear();
        }
        std::printf("\n");
    }
    DeleteObject(fuente);
    DestroyWindow(ventana);
    return 0;
}
