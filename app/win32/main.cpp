// The Windows program: the main window, centred, and its message loop.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "ui/win32/keyboard.h"
#include "ui/win32/main_window.h"
#include "ui/win32/open_with.h"

namespace {

// Every argument is a file to open ("Abrir con", a double click in Explorer):
// the program takes no options.
std::vector<std::filesystem::path> FicherosDeLaOrden() {
    std::vector<std::filesystem::path> ficheros;
    int n = 0;
    LPWSTR* argumentos = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!argumentos) return ficheros;
    for (int i = 1; i < n; ++i) {
        std::error_code ec;
        std::filesystem::path ruta = std::filesystem::absolute(argumentos[i], ec);
        ficheros.push_back(ec ? std::filesystem::path(argumentos[i]) : std::move(ruta));
    }
    LocalFree(argumentos);
    return ficheros;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int comoMostrar) {
    // A drive without a medium must not bring up the system's "no disk" box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const INITCOMMONCONTROLSEX controles{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controles);
    // The links go through the shell, which wants COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    int salida = 1;
    {
        const auto ficheros = FicherosDeLaOrden();
        varnel::win::FrmVarnel frmVarnel;
        varnel::win::ReceptorFicheros receptor([&frmVarnel](const std::vector<std::filesystem::path>& soltados) {
            HWND v = frmVarnel.Ventana();
            if (IsIconic(v)) ShowWindow(v, SW_RESTORE);
            SetForegroundWindow(v);
            frmVarnel.Logica().Soltados(soltados);
        });
        // A later start's files join the first start's run; its own window
        // only when no first start takes them.
        if (!receptor.Primero() && !ficheros.empty() && varnel::win::EntregarAlReceptor(ficheros)) {
            salida = 0;
        } else if (frmVarnel.Crear()) {
            frmVarnel.Mostrar(comoMostrar);
            // Files given to the program are a drop on the window, now shown.
            if (!ficheros.empty()) {
                if (receptor.Primero())
                    receptor.Anadir(varnel::win::InicioDeEsteProceso(), ficheros);
                else
                    frmVarnel.Logica().Soltados(ficheros);
            }
            salida = varnel::win::BucleMensajes();
        }
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return salida;
}
