#include "ui/win32/dpi.h"

namespace varnel::win {
namespace {

// Windows 10 1607 and later; earlier systems have one DPI for everything.
template <class F>
F Funcion(const char* nombre) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user32, nombre))) : nullptr;
}

}  // namespace

UINT DpiDe(HWND ventana) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = Funcion<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && ventana) {
        const UINT dpi = getDpiForWindow(ventana);
        if (dpi) return dpi;
    }
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

int Pixeles(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

RECT Rectangulo(const formularios::RectTwips& r, UINT dpi) {
    const int izquierda = Pixeles(r.izquierda, dpi);
    const int arriba = Pixeles(r.arriba, dpi);
    return {izquierda, arriba, izquierda + Pixeles(r.ancho, dpi), arriba + Pixeles(r.alto, dpi)};
}

SIZE TamanoExterior(int ancho, int alto, DWORD estilo, DWORD estiloEx, UINT dpi) {
    using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto ajustarParaDpi = Funcion<AdjustFn>("AdjustWindowRectExForDpi");
    RECT r{0, 0, ancho, alto};
    if (!ajustarParaDpi || !ajustarParaDpi(&r, estilo, FALSE, estiloEx, dpi))
        AdjustWindowRectEx(&r, estilo, FALSE, estiloEx);
    return {r.right - r.left, r.bottom - r.top};
}

RECT AreaDeTrabajo(HWND ventana) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(ventana, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}

void CentrarSobre(HWND ventana, const RECT& sobre) {
    RECT r;
    GetWindowRect(ventana, &r);
    const int ancho = r.right - r.left;
    const int alto = r.bottom - r.top;
    int x = sobre.left + (sobre.right - sobre.left - ancho) / 2;
    int y = sobre.top + (sobre.bottom - sobre.top - alto) / 2;
    // Never with its title bar off the screen.
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT destino{x, y, x + ancho, y + alto};
    GetMonitorInfoW(MonitorFromRect(&destino, MONITOR_DEFAULTTONEAREST), &info);
    if (x + ancho > info.rcWork.right) x = info.rcWork.right - ancho;
    if (y + alto > info.rcWork.bottom) y = info.rcWork.bottom - alto;
    if (x < info.rcWork.left) x = info.rcWork.left;
    if (y < info.rcWork.top) y = info.rcWork.top;
    SetWindowPos(ventana, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace varnel::win
