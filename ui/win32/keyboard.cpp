#include "ui/win32/keyboard.h"

#include <commctrl.h>

#include <cwchar>

#include "ui/win32/box_menu.h"

namespace varnel::win {
namespace {

bool EsBotonPulsable(HWND h) {
    wchar_t clase[16] = {};
    if (!h || !GetClassNameW(h, clase, 16) || _wcsicmp(clase, WC_BUTTONW) != 0) return false;
    const LONG_PTR tipo = GetWindowLongPtrW(h, GWL_STYLE) & BS_TYPEMASK;
    return tipo == BS_PUSHBUTTON || tipo == BS_DEFPUSHBUTTON;
}

bool EsBoton(HWND h) {
    wchar_t clase[16] = {};
    return h && GetClassNameW(h, clase, 16) && _wcsicmp(clase, WC_BUTTONW) == 0;
}

// Our windows have these classes; message boxes and tooltips have their own.
bool EsVentanaNuestra(HWND raiz) {
    wchar_t clase[32] = {};
    if (!raiz || !GetClassNameW(raiz, clase, 32)) return false;
    return wcscmp(clase, L"VarnelPrincipal") == 0 || wcscmp(clase, L"VarnelAyuda") == 0 ||
           wcscmp(clase, L"VarnelDibujo") == 0;
}

bool EsPrincipal(HWND raiz) {
    wchar_t clase[32] = {};
    return GetClassNameW(raiz, clase, 32) && wcscmp(clase, L"VarnelPrincipal") == 0;
}

}  // namespace

bool ProcesarTeclado(MSG& m) {
    if (m.message < WM_KEYFIRST || m.message > WM_KEYLAST || !m.hwnd) return false;
    HWND raiz = GetAncestor(m.hwnd, GA_ROOT);
    if (!EsVentanaNuestra(raiz)) return false;
    // Ctrl+D anywhere in the main window: the drawing of the list, as the box's menu opens it.
    if (m.message == WM_KEYDOWN && m.wParam == 'D' && (GetKeyState(VK_CONTROL) & 0x8000) &&
        !(GetKeyState(VK_MENU) & 0x8000) && EsPrincipal(raiz)) {
        SendMessageW(raiz, WM_COMMAND, MAKEWPARAM(kMenuVerDibujo, 0), 0);
        return true;
    }
    // No default button: Enter is a click on the button that has the focus.
    if (m.message == WM_KEYDOWN && m.wParam == VK_RETURN && EsBotonPulsable(m.hwnd) && IsWindowEnabled(m.hwnd)) {
        SendMessageW(GetParent(m.hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m.hwnd), BN_CLICKED),
                     reinterpret_cast<LPARAM>(m.hwnd));
        return true;
    }
    // The dialog manager would take a bare letter on a button as its access
    // key; only Alt with it is.
    if (m.message == WM_CHAR && EsBoton(m.hwnd) && m.wParam != L' ') return true;
    return IsDialogMessageW(raiz, &m) != FALSE;
}

int BucleMensajes(bool (*seguir)(void*), void* datos) {
    MSG m;
    while (!seguir || seguir(datos)) {
        const BOOL r = GetMessageW(&m, nullptr, 0, 0);
        if (r == 0) {
            if (seguir) PostQuitMessage(static_cast<int>(m.wParam));
            return static_cast<int>(m.wParam);
        }
        if (r < 0) return -1;
        if (ProcesarTeclado(m)) continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return 0;
}

}  // namespace varnel::win
