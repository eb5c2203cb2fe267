#include "ui/win32/help_window.h"

#include "ui/forms/help_form.h"
#include "ui/win32/dpi.h"
#include "ui/win32/keyboard.h"
#include "ui/win32/win_text.h"

namespace varnel::win {
namespace {

constexpr wchar_t kClase[] = L"VarnelAyuda";
constexpr DWORD kEstilo = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

void RegistrarClase(WNDPROC procedimiento) {
    WNDCLASSEXW clase{};
    if (GetClassInfoExW(GetModuleHandleW(nullptr), kClase, &clase)) return;
    clase.cbSize = sizeof clase;
    clase.lpfnWndProc = procedimiento;
    clase.hInstance = GetModuleHandleW(nullptr);
    clase.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    clase.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    clase.lpszClassName = kClase;
    RegisterClassExW(&clase);
}

}  // namespace

FrmAyuda::~FrmAyuda() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (icono_) DestroyIcon(icono_);
    if (iconoPequeno_) DestroyIcon(iconoPequeno_);
}

void FrmAyuda::Crear() {
    RegistrarClase(&ProcedimientoDe<FrmAyuda>);
    const std::wstring titulo = Ancho(formularios::kAyuda.titulo);
    // Owned by the main window: above it, and not in the taskbar.
    hwnd_ = CreateWindowExW(0, kClase, titulo.c_str(), kEstilo, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, principal_, nullptr,
                            GetModuleHandleW(nullptr), this);
    // Close box only: no minimise, maximise, size or move-by-menu surprises.
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    for (UINT orden : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) DeleteMenu(menu, orden, MF_BYCOMMAND);
    const UINT dpi = DpiDe(hwnd_);
    if (!icono_) icono_ = CargarIcono(formularios::kAyuda.icono, GetSystemMetrics(SM_CXICON));
    if (!iconoPequeno_) iconoPequeno_ = CargarIcono(formularios::kAyuda.icono, GetSystemMetrics(SM_CXSMICON));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icono_));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(iconoPequeno_));
    formulario_ = std::make_unique<RenderizadorFormulario>(formularios::kControlesAyuda, kIdAyuda);
    formulario_->Crear(hwnd_);
    const SIZE s = TamanoExterior(Pixeles(formularios::kAyuda.anchoTwips, dpi),
                                  Pixeles(formularios::kAyuda.altoTwips, dpi), kEstilo, 0, dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FrmAyuda::Mostrar(std::string_view foco) {
    if (!hwnd_) return;
    RECT principal;
    GetWindowRect(principal_, &principal);
    CentrarSobre(hwnd_, principal);
    EnableWindow(principal_, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    SetFocus(formulario_->Control(foco));
    BucleMensajes(
        [](void* datos) {
            HWND h = static_cast<FrmAyuda*>(datos)->hwnd_;
            return h && IsWindowVisible(h) != FALSE;
        },
        this);
    EnableWindow(principal_, TRUE);
}

void FrmAyuda::Ocultar() {
    if (!hwnd_) return;
    // The owner takes input again before this window goes, so that Windows
    // activates it and not some other program.
    EnableWindow(principal_, TRUE);
    ShowWindow(hwnd_, SW_HIDE);
    SetActiveWindow(principal_);
}

LRESULT FrmAyuda::Mensaje(UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_COMMAND: {
        if (LOWORD(w) == IDCANCEL) {
            Ocultar();
            return 0;
        }
        const formularios::Control* c = formulario_ ? formulario_->Descripcion(reinterpret_cast<HWND>(l)) : nullptr;
        if (c && HIWORD(w) == BN_CLICKED) {
            alPulsar_(c->nombre);
            return 0;
        }
        break;
    }
    case WM_CTLCOLORSTATIC: {
        const formularios::Control* c = formulario_ ? formulario_->Descripcion(reinterpret_cast<HWND>(l)) : nullptr;
        if (c && c->tooltipColor) {
            HDC dc = reinterpret_cast<HDC>(w);
            SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
            SetBkColor(dc, GetSysColor(COLOR_INFOBK));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INFOBK));
        }
        break;
    }
    case WM_CLOSE:
        // The close box removes the window; the next showing makes it again.
        EnableWindow(principal_, TRUE);
        DestroyWindow(hwnd_);
        return 0;
    case WM_DPICHANGED: {
        if (formulario_) formulario_->Colocar(HIWORD(w));
        const RECT* r = reinterpret_cast<const RECT*>(l);
        SetWindowPos(hwnd_, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default: break;
    }
    return DefWindowProcW(hwnd_, m, w, l);
}

}  // namespace varnel::win
