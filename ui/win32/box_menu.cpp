#include "ui/win32/box_menu.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "ui/forms/texts.h"
#include "ui/win32/win_text.h"

namespace varnel::win {
namespace {

// An edit entry: what the menu shows and what the edit control is sent.
struct EntradaEdicion {
    UINT id;
    const wchar_t* texto;
};

constexpr EntradaEdicion kEdicion[] = {
    {kMenuCortar, L"Cor&tar"},
    {kMenuCopiar, L"&Copiar"},
    {kMenuPegar, L"&Pegar"},
    {kMenuEliminar, L"&Eliminar"},
};

void Llevar(HWND caja, UINT orden) {
    switch (orden) {
    case kMenuDeshacer: SendMessageW(caja, WM_UNDO, 0, 0); break;
    case kMenuCortar: SendMessageW(caja, WM_CUT, 0, 0); break;
    case kMenuCopiar: SendMessageW(caja, WM_COPY, 0, 0); break;
    case kMenuPegar: SendMessageW(caja, WM_PASTE, 0, 0); break;
    case kMenuEliminar: SendMessageW(caja, WM_CLEAR, 0, 0); break;
    case kMenuSeleccionarTodo: SendMessageW(caja, EM_SETSEL, 0, -1); break;
    case kMenuGuardarGpx:
    case kMenuGuardarKml:
    case kMenuGuardarKmz:
    case kMenuVerDibujo: SendMessageW(GetParent(caja), WM_COMMAND, MAKEWPARAM(orden, 0), 0); break;
    default: break;
    }
}

LRESULT CALLBACK SubclaseCuadro(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    switch (m) {
    case WM_CONTEXTMENU: {
        if (GetFocus() != h) SetFocus(h);
        const POINT p = PuntoMenuCuadro(h, l);
        HMENU menu = CrearMenuCuadro(h);
        const UINT orden = static_cast<UINT>(
            TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, p.x, p.y, 0, h, nullptr));
        DestroyMenu(menu);
        // The menu is gone before an entry runs: saving opens a dialog.
        Llevar(h, orden);
        return 0;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(h, &SubclaseCuadro, 2); break;
    default: break;
    }
    return DefSubclassProc(h, m, w, l);
}

}  // namespace

HMENU CrearMenuCuadro(HWND caja) {
    DWORD inicio = 0;
    DWORD fin = 0;
    SendMessageW(caja, EM_GETSEL, reinterpret_cast<WPARAM>(&inicio), reinterpret_cast<LPARAM>(&fin));
    const bool seleccion = inicio != fin;
    const bool soloLectura = (GetWindowLongW(caja, GWL_STYLE) & ES_READONLY) != 0;
    const bool hayTexto = GetWindowTextLengthW(caja) > 0;
    const bool textoEnPortapapeles = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);

    HMENU menu = CreatePopupMenu();
    auto anadir = [menu](UINT id, const wchar_t* texto, bool activa) {
        AppendMenuW(menu, MF_STRING | (activa ? MF_ENABLED : MF_GRAYED), id, texto);
    };
    anadir(kMenuDeshacer, L"&Deshacer", !soloLectura && SendMessageW(caja, EM_CANUNDO, 0, 0));
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (const EntradaEdicion& e : kEdicion) {
        bool activa = seleccion;
        if (e.id == kMenuCortar || e.id == kMenuEliminar) activa = seleccion && !soloLectura;
        if (e.id == kMenuPegar) activa = !soloLectura && textoEnPortapapeles;
        anadir(e.id, e.texto, activa);
    }
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    const bool todoSeleccionado = inicio == 0 && fin == static_cast<DWORD>(GetWindowTextLengthW(caja));
    anadir(kMenuSeleccionarTodo, L"Seleccionar &todo", hayTexto && !todoSeleccionado);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    anadir(kMenuGuardarGpx, Ancho(textos::kGuardarGpx).c_str(), true);
    anadir(kMenuGuardarKml, Ancho(textos::kGuardarKml).c_str(), true);
    anadir(kMenuGuardarKmz, Ancho(textos::kGuardarKmz).c_str(), true);
    anadir(kMenuVerDibujo, Ancho(textos::kVerDibujo).c_str(), true);
    return menu;
}

POINT PuntoMenuCuadro(HWND caja, LPARAM l) {
    POINT p{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
    if (l != -1) return p;
    // From the keyboard: below the caret, or the box's corner when the caret is out of sight.
    RECT r{};
    GetClientRect(caja, &r);
    POINT caret{};
    if (GetCaretPos(&caret) && caret.x >= r.left && caret.x < r.right && caret.y >= r.top && caret.y < r.bottom) {
        TEXTMETRICW tm{};
        HDC dc = GetDC(caja);
        HGDIOBJ antes = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(caja, WM_GETFONT, 0, 0)));
        GetTextMetricsW(dc, &tm);
        SelectObject(dc, antes);
        ReleaseDC(caja, dc);
        p = {caret.x, caret.y + tm.tmHeight};
    } else {
        p = {r.left, r.top};
    }
    ClientToScreen(caja, &p);
    return p;
}

void PrepararMenuCuadro(HWND caja) { SetWindowSubclass(caja, &SubclaseCuadro, 2, 0); }

}  // namespace varnel::win
