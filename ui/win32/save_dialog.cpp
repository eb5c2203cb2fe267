#include "ui/win32/save_dialog.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <string>

#include "ui/win32/win_text.h"

namespace varnel::win {
namespace {

// Releases a COM interface when it goes.
template <class T>
struct Com {
    T* p = nullptr;
    ~Com() {
        if (p) p->Release();
    }
    T* operator->() const { return p; }
};

// COM for this thread while the dialog lives; harmless when it is on already.
struct ApartamentoCom {
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ~ApartamentoCom() {
        if (SUCCEEDED(hr)) CoUninitialize();
    }
};

}  // namespace

std::optional<std::filesystem::path> PedirRutaGuardadoWin(HWND propietario, const logica::DialogoGuardado& d) {
    const ApartamentoCom com;
    Com<IFileSaveDialog> dialogo;
    if (FAILED(CoCreateInstance(CLSID_FileSaveDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialogo.p))))
        return std::nullopt;
    const std::wstring titulo = Ancho(d.titulo);
    const std::wstring tipo = Ancho(d.tipo);
    const std::wstring patron = L"*." + Ancho(d.extension);
    const std::wstring extension = Ancho(d.extension);
    const std::wstring nombre = Ancho(d.nombre);
    const COMDLG_FILTERSPEC filtro{tipo.c_str(), patron.c_str()};
    FILEOPENDIALOGOPTIONS opciones = 0;
    dialogo->GetOptions(&opciones);
    // Asks before it replaces a file; paths on disk only.
    dialogo->SetOptions(opciones | FOS_OVERWRITEPROMPT | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST | FOS_NOCHANGEDIR);
    dialogo->SetTitle(titulo.c_str());
    dialogo->SetFileTypes(1, &filtro);
    dialogo->SetFileTypeIndex(1);
    dialogo->SetDefaultExtension(extension.c_str());
    dialogo->SetFileName(nombre.c_str());
    Com<IShellItem> carpeta;
    if (SUCCEEDED(SHCreateItemFromParsingName(d.carpeta.c_str(), nullptr, IID_PPV_ARGS(&carpeta.p))))
        dialogo->SetFolder(carpeta.p);
    if (FAILED(dialogo->Show(propietario))) return std::nullopt;  // cancelled, among others
    Com<IShellItem> elegido;
    if (FAILED(dialogo->GetResult(&elegido.p))) return std::nullopt;
    PWSTR ruta = nullptr;
    if (FAILED(elegido->GetDisplayName(SIGDN_FILESYSPATH, &ruta))) return std::nullopt;
    std::filesystem::path resultado(ruta);
    CoTaskMemFree(ruta);
    return resultado;
}

}  // namespace varnel::win
