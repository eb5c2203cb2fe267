#include "ui/win32/folder_list.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <algorithm>
#include <filesystem>

#include "ui/win32/form_renderer.h"

namespace varnel::win {
namespace {

std::wstring ConBarra(std::wstring ruta) {
    if (!ruta.empty() && ruta.back() != L'\\') ruta += L'\\';
    return ruta;
}

}  // namespace

std::wstring RutaCompleta(const std::wstring& ruta) {
    if (ruta.empty()) return {};
    const DWORD n = GetFullPathNameW(ruta.c_str(), 0, nullptr, nullptr);
    if (!n) return {};
    std::wstring r(n, L'\0');
    const DWORD escritos = GetFullPathNameW(ruta.c_str(), n, r.data(), nullptr);
    r.resize(escritos);
    std::replace(r.begin(), r.end(), L'/', L'\\');
    const std::filesystem::path p(r);
    while (r.size() > p.root_path().native().size() && r.back() == L'\\') r.pop_back();
    return r;
}

bool CarpetaLegible(const std::wstring& ruta) {
    const DWORD atributos = GetFileAttributesW(ruta.c_str());
    if (atributos == INVALID_FILE_ATTRIBUTES || !(atributos & FILE_ATTRIBUTE_DIRECTORY)) return false;
    WIN32_FIND_DATAW datos;
    HANDLE h = FindFirstFileExW((ConBarra(ruta) + L'*').c_str(), FindExInfoBasic, &datos,
                                FindExSearchLimitToDirectories, nullptr, 0);
    if (h == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;  // an empty root
    FindClose(h);
    return true;
}

std::vector<std::wstring> Subcarpetas(const std::wstring& ruta) {
    std::vector<std::wstring> nombres;
    WIN32_FIND_DATAW datos;
    HANDLE h = FindFirstFileExW((ConBarra(ruta) + L'*').c_str(), FindExInfoBasic, &datos,
                                FindExSearchLimitToDirectories, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (h == INVALID_HANDLE_VALUE) return nombres;
    do {
        const std::wstring_view nombre = datos.cFileName;
        if (!(datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || nombre == L"." || nombre == L"..") continue;
        // What Explorer hides by default is not offered either.
        if (datos.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) continue;
        nombres.emplace_back(nombre);
    } while (FindNextFileW(h, &datos));
    FindClose(h);
    std::stable_sort(nombres.begin(), nombres.end(), [](const std::wstring& a, const std::wstring& b) {
        return StrCmpLogicalW(a.c_str(), b.c_str()) < 0;
    });
    return nombres;
}

namespace {

// Windows' answers: full paths, and the subfolders Explorer shows, in its order.
class SistemaWin32 : public logica::SistemaCarpetas {
public:
    std::filesystem::path Completa(const std::filesystem::path& ruta) const override {
        return RutaCompleta(ruta.native());
    }
    bool EsCarpeta(const std::filesystem::path& ruta) const override {
        const DWORD atributos = GetFileAttributesW(ruta.c_str());
        return atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY);
    }
    std::optional<std::vector<std::filesystem::path>> Subcarpetas(const std::filesystem::path& carpeta) const override {
        if (!CarpetaLegible(carpeta.native())) return std::nullopt;
        std::vector<std::filesystem::path> nombres;
        for (std::wstring& nombre : win::Subcarpetas(carpeta.native())) nombres.emplace_back(std::move(nombre));
        return nombres;
    }
};

}  // namespace

const logica::SistemaCarpetas& ListaCarpetas::Sistema() {
    static const SistemaWin32 sistema;
    return sistema;
}

ListaCarpetas::~ListaCarpetas() {
    if (abierta_) DestroyIcon(abierta_);
    if (cerrada_) DestroyIcon(cerrada_);
}

void ListaCarpetas::Adjuntar(HWND lista) {
    lista_ = lista;
    SetWindowSubclass(lista_, &ListaCarpetas::Subclase, 1, reinterpret_cast<DWORD_PTR>(this));
}

void ListaCarpetas::Colocar(UINT dpi) {
    ladoIcono_ = MulDiv(16, static_cast<int>(dpi), 96);
    sangria_ = MulDiv(8, static_cast<int>(dpi), 96);
    if (abierta_) DestroyIcon(abierta_);
    if (cerrada_) DestroyIcon(cerrada_);
    abierta_ = CargarIcono("folder-open", ladoIcono_);
    cerrada_ = CargarIcono("folder-closed", ladoIcono_);
    HDC dc = GetDC(lista_);
    HGDIOBJ antes = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(lista_, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, antes);
    ReleaseDC(lista_, dc);
    const int alto = std::max<int>(ladoIcono_, tm.tmHeight) + MulDiv(2, static_cast<int>(dpi), 96);
    SendMessageW(lista_, LB_SETITEMHEIGHT, 0, alto);
    InvalidateRect(lista_, nullptr, TRUE);
}

bool ListaCarpetas::PonerCarpeta(const std::wstring& ruta) {
    const std::wstring antes = Carpeta();
    if (!modelo_.PonerCarpeta(ruta)) return false;
    Rellenar();
    if (Carpeta() != antes && alCambiarCarpeta) alCambiarCarpeta();
    return true;
}

void ListaCarpetas::PonerCarpetaInicial(const std::wstring& ruta) {
    const std::wstring antes = Carpeta();
    if (!modelo_.PonerCarpetaInicial(ruta)) return;
    Rellenar();
    if (Carpeta() != antes && alCambiarCarpeta) alCambiarCarpeta();
}

void ListaCarpetas::ListarOtraVez() {
    modelo_.ListarOtraVez();
    Rellenar();
}

std::wstring ListaCarpetas::Resaltada() const {
    return modelo_.RutaDe(SendMessageW(lista_, LB_GETCURSEL, 0, 0)).native();
}

void ListaCarpetas::Rellenar() {
    SendMessageW(lista_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(lista_, LB_RESETCONTENT, 0, 0);
    for (const logica::EntradaCarpeta& e : modelo_.Entradas())
        SendMessageW(lista_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.nombre.c_str()));
    SendMessageW(lista_, LB_SETCURSEL, modelo_.FilaActual(), 0);
    SendMessageW(lista_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(lista_, nullptr, TRUE);
}

void ListaCarpetas::Dibujar(const DRAWITEMSTRUCT& d) const {
    const auto& entradas = modelo_.Entradas();
    if (d.itemID == static_cast<UINT>(-1) || d.itemID >= entradas.size()) return;
    const logica::EntradaCarpeta& e = entradas[d.itemID];
    const bool elegida = d.itemState & ODS_SELECTED;
    FillRect(d.hDC, &d.rcItem, GetSysColorBrush(elegida ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    int x = d.rcItem.left + 2 + sangria_ * e.nivel;
    const int y = d.rcItem.top + (d.rcItem.bottom - d.rcItem.top - ladoIcono_) / 2;
    DrawIconEx(d.hDC, x, y, e.abierta ? abierta_ : cerrada_, ladoIcono_, ladoIcono_, 0, nullptr, DI_NORMAL);
    x += ladoIcono_ + 4;
    RECT texto = d.rcItem;
    texto.left = x;
    SetBkMode(d.hDC, TRANSPARENT);
    SetTextColor(d.hDC, GetSysColor(elegida ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(d.hDC, e.nombre.c_str(), static_cast<int>(e.nombre.native().size()), &texto,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (d.itemState & ODS_FOCUS) DrawFocusRect(d.hDC, &d.rcItem);
}

LRESULT CALLBACK ListaCarpetas::Subclase(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR datos) {
    auto* self = reinterpret_cast<ListaCarpetas*>(datos);
    switch (m) {
    case WM_KILLFOCUS: {
        // Before the click that took the focus is carried out. The focus
        // leaving for another program is no choice of a folder.
        HWND nueva = reinterpret_cast<HWND>(w);
        HWND ventana = GetAncestor(h, GA_ROOT);
        if (nueva && (nueva == ventana || IsChild(ventana, nueva)) && self->alPerderFoco) self->alPerderFoco();
        break;
    }
    case WM_GETDLGCODE:
        // Enter is the list's own: it enters the highlighted folder.
        if (l && reinterpret_cast<const MSG*>(l)->message == WM_KEYDOWN &&
            reinterpret_cast<const MSG*>(l)->wParam == VK_RETURN)
            return DLGC_WANTMESSAGE | DefSubclassProc(h, m, w, l);
        break;
    case WM_KEYDOWN:
        if (w == VK_RETURN) {
            if (self->alActivar) self->alActivar();
            return 0;
        }
        break;
    case WM_NCDESTROY: RemoveWindowSubclass(h, &ListaCarpetas::Subclase, 1); break;
    default: break;
    }
    return DefSubclassProc(h, m, w, l);
}

}  // namespace varnel::win
