// The Windows program: the main window, centred, and its message loop.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "ui/win32/keyboard.h"
#include "ui/win32/main_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int comoMostrar) {
    // A drive without a medium must not bring up the system's "no disk" box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const INITCOMMONCONTROLSEX controles{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controles);
    // The links go through the shell, which wants COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    int salida = 1;
    {
        varnel::win::FrmVarnel frmVarnel;
        if (frmVarnel.Crear()) {
            frmVarnel.Mostrar(comoMostrar);
            salida = varnel::win::BucleMensajes();
        }
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return salida;
}
