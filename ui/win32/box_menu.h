#pragma once

#include <windows.h>

namespace varnel::win {

// The Cuadro Descargar's context menu. Windows' edit control has its own, but
// nothing can be added to it: the same entries are made here (an edit control
// answers each with a message of its own), then a separator and ours (saving
// the list, its drawing), whose
// ids reach the main window as WM_COMMAND from a menu.
enum OrdenMenuCuadro : UINT {
    kMenuDeshacer = 0x7101,
    kMenuCortar,
    kMenuCopiar,
    kMenuPegar,
    kMenuEliminar,
    kMenuSeleccionarTodo,
    kMenuGuardarGpx,
    kMenuGuardarKml,
    kMenuGuardarKmz,
    kMenuVerDibujo,
};

// Subclasses the box: the WM_CONTEXTMENU that a right click, the menu key
// and Shift+F10 bring shows this menu instead of the edit control's.
void PrepararMenuCuadro(HWND caja);

// The menu for the box as it stands (entries enabled as the edit control
// enables its own); the caller destroys it.
HMENU CrearMenuCuadro(HWND caja);

// Where a WM_CONTEXTMENU's menu shows, in screen coordinates: where the mouse
// was, or for the keyboard (-1) below the caret.
POINT PuntoMenuCuadro(HWND caja, LPARAM l);

}  // namespace varnel::win
