#pragma once

#include <windows.h>

// The window procedure of a window class owned by a C++ object: the object
// comes with CreateWindowEx's last argument and receives every message in
// its Mensaje(); AlDestruir() runs once the window is gone.
namespace varnel::win {

template <class Ventana>
LRESULT CALLBACK ProcedimientoDe(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_NCCREATE) {
        const auto* creacion = reinterpret_cast<CREATESTRUCTW*>(l);  // NOLINT(performance-no-int-to-ptr)
        auto* objeto = static_cast<Ventana*>(creacion->lpCreateParams);
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(objeto));
        objeto->hwnd_ = h;
    }
    auto* objeto = reinterpret_cast<Ventana*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (!objeto) return DefWindowProcW(h, m, w, l);
    const LRESULT r = objeto->Mensaje(m, w, l);
    if (m == WM_NCDESTROY) {
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
        objeto->hwnd_ = nullptr;
        objeto->AlDestruir();
    }
    return r;
}

}  // namespace varnel::win
