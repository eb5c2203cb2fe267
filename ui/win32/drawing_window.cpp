#include "ui/win32/drawing_window.h"

#include <initguid.h>
// After initguid.h, so the accessibility GUIDs are defined here.
#include <oleacc.h>
#include <windowsx.h>

#include "ui/forms/texts.h"
#include "ui/win32/dpi.h"
#include "ui/win32/drawing_painter.h"
#include "ui/win32/win_text.h"

namespace varnel::win {
namespace {

constexpr wchar_t kClase[] = L"VarnelDibujo";
constexpr wchar_t kClaseLienzo[] = L"VarnelLienzo";
constexpr UINT_PTR kTemporizador = 1;
constexpr UINT kEsperaMs = 30;  // a burst of typing is read once
constexpr DWORD kEstilo = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

logica::PuntoPx Px(LPARAM l) { return {static_cast<float>(GET_X_LPARAM(l)), static_cast<float>(GET_Y_LPARAM(l))}; }

// What a screen reader says of the drawing: the summary, as its description.
void PonerDescripcion(HWND h, const std::wstring& texto) {
    IAccPropServices* servicios = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&servicios))))
        return;
    servicios->SetHwndPropStr(h, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_DESCRIPTION, texto.c_str());
    servicios->Release();
}

}  // namespace

LRESULT CALLBACK ProcedimientoLienzo(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_NCCREATE)
        SetWindowLongPtrW(h, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams));
    auto* ventana = reinterpret_cast<FrmDibujo*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (!ventana || !ventana->lienzo_) return DefWindowProcW(h, m, w, l);
    return ventana->MensajeLienzo(m, w, l);
}

FrmDibujo::FrmDibujo(HWND propietario, logica::AlmacenAjustes& ajustes, FuentesDibujo fuentes)
    : propietario_(propietario), ajustes_(ajustes), fuentes_(std::move(fuentes)), logica_(fuentes_.seleccionarLinea) {}

FrmDibujo::~FrmDibujo() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (fuente_) DeleteObject(fuente_);
}

bool FrmDibujo::Crear() {
    IniciarGdiPlus();
    HINSTANCE instancia = GetModuleHandleW(nullptr);
    WNDCLASSEXW clase{};
    clase.cbSize = sizeof clase;
    if (!GetClassInfoExW(instancia, kClase, &clase)) {
        clase = {};
        clase.cbSize = sizeof clase;
        clase.lpfnWndProc = &ProcedimientoDe<FrmDibujo>;
        clase.hInstance = instancia;
        clase.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        clase.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        clase.lpszClassName = kClase;
        clase.hIcon = reinterpret_cast<HICON>(SendMessageW(propietario_, WM_GETICON, ICON_BIG, 0));
        clase.hIconSm = reinterpret_cast<HICON>(SendMessageW(propietario_, WM_GETICON, ICON_SMALL, 0));
        RegisterClassExW(&clase);
        clase = {};
        clase.cbSize = sizeof clase;
        clase.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        clase.lpfnWndProc = &ProcedimientoLienzo;
        clase.hInstance = instancia;
        clase.hCursor = LoadCursorW(nullptr, IDC_CROSS);
        clase.lpszClassName = kClaseLienzo;
        RegisterClassExW(&clase);
    }
    const std::wstring titulo = Ancho(textos::kTituloDibujo);
    if (!CreateWindowExW(0, kClase, titulo.c_str(), kEstilo, CW_USEDEFAULT, CW_USEDEFAULT, 640, 480, propietario_,
                         nullptr, instancia, this))
        return false;
    NONCLIENTMETRICSW metricas{};
    metricas.cbSize = sizeof metricas;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metricas, &metricas, 0);
    fuente_ = CreateFontIndirectW(&metricas.lfMessageFont);
    lienzo_ = CreateWindowExW(WS_EX_CLIENTEDGE, kClaseLienzo, titulo.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0,
                              1, 1, hwnd_, nullptr, instancia, this);
    resumen_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0, 1, 1,
                               hwnd_, nullptr, instancia, nullptr);
    const std::wstring ajustar = Ancho(textos::kAjustar);
    const std::wstring guardar = Ancho(textos::kGuardarImagen);
    HWND b1 =
        CreateWindowExW(0, L"BUTTON", ajustar.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 1, 1,
                        hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdAjustar)), instancia, nullptr);
    HWND b2 =
        CreateWindowExW(0, L"BUTTON", guardar.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 1, 1,
                        hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdGuardar)), instancia, nullptr);
    for (HWND h : {resumen_, b1, b2}) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(fuente_), TRUE);
    if (const auto g = logica::LeerGeometria(ajustes_))
        SetWindowPos(hwnd_, nullptr, g->x, g->y, g->ancho, g->alto, SWP_NOZORDER | SWP_NOACTIVATE);
    Colocar();
    return true;
}

void FrmDibujo::Mostrar() {
    if (!hwnd_ && !Crear()) return;
    LeerAhora();
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    SetFocus(lienzo_);
}

void FrmDibujo::CajaCambiada() {
    if (hwnd_ && IsWindowVisible(hwnd_)) SetTimer(hwnd_, kTemporizador, kEsperaMs, nullptr);
}

void FrmDibujo::LeerAhora() {
    if (!hwnd_) return;
    KillTimer(hwnd_, kTemporizador);
    logica_.Leer(fuentes_.texto(), fuentes_.datum());
    Actualizar();
}

void FrmDibujo::Actualizar() {
    const std::wstring resumen = Ancho(logica_.Resumen());
    SetWindowTextW(resumen_, resumen.c_str());
    PonerDescripcion(lienzo_, resumen);
    InvalidateRect(lienzo_, nullptr, FALSE);
}

void FrmDibujo::Colocar() {
    RECT r;
    GetClientRect(hwnd_, &r);
    const UINT dpi = DpiDe(hwnd_);
    auto px = [dpi](int n) { return MulDiv(n, static_cast<int>(dpi ? dpi : 96), 96); };
    const int margen = px(6);
    const int altoFila = px(26);
    const int anchoAjustar = px(80);
    const int anchoGuardar = px(120);
    const int abajo = r.bottom - margen - altoFila;
    MoveWindow(lienzo_, margen, margen, std::max(1L, r.right - 2 * margen), std::max(1, abajo - 2 * margen), TRUE);
    const int xGuardar = static_cast<int>(r.right) - margen - anchoGuardar;
    const int xAjustar = xGuardar - margen - anchoAjustar;
    MoveWindow(resumen_, margen, abajo + px(5), std::max(1, xAjustar - 2 * margen), altoFila - px(5), TRUE);
    MoveWindow(Boton(kIdAjustar), xAjustar, abajo, anchoAjustar, altoFila, TRUE);
    MoveWindow(Boton(kIdGuardar), xGuardar, abajo, anchoGuardar, altoFila, TRUE);
}

bool FrmDibujo::GuardarImagen(const std::filesystem::path& ruta) { return GuardarPng(logica_.Dibujo(), ruta); }

void FrmDibujo::Cerrar() {
    RECT r;
    GetWindowRect(hwnd_, &r);
    logica::GuardarGeometria(ajustes_, {r.left, r.top, r.right - r.left, r.bottom - r.top});
    ShowWindow(hwnd_, SW_HIDE);
    if (propietario_) SetForegroundWindow(propietario_);
}

void FrmDibujo::Tecla(logica::Tecla t) {
    if (!logica_.Pulsada(t))
        Cerrar();
    else
        InvalidateRect(lienzo_, nullptr, FALSE);
}

void FrmDibujo::Pintar(HDC dc) {
    RECT r;
    GetClientRect(lienzo_, &r);
    // Into a bitmap first: the drawing shows whole, never half painted.
    HDC memoria = CreateCompatibleDC(dc);
    HBITMAP mapa = CreateCompatibleBitmap(dc, std::max(1L, r.right), std::max(1L, r.bottom));
    HGDIOBJ antes = SelectObject(memoria, mapa);
    {
        Gdiplus::Graphics g(memoria);
        PintarDibujo(g, logica_.Dibujo());
    }
    BitBlt(dc, 0, 0, r.right, r.bottom, memoria, 0, 0, SRCCOPY);
    SelectObject(memoria, antes);
    DeleteObject(mapa);
    DeleteDC(memoria);
}

LRESULT FrmDibujo::Mensaje(UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_SIZE: Colocar(); return 0;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(l);
        info->ptMinTrackSize = {320, 240};
        return 0;
    }
    case WM_TIMER:
        if (w == kTemporizador) LeerAhora();
        return 0;
    case WM_COMMAND:
        switch (LOWORD(w)) {
        case kIdAjustar:
            logica_.Ajustar();
            InvalidateRect(lienzo_, nullptr, FALSE);
            break;
        case kIdGuardar: {
            const auto ruta = fuentes_.pedirRuta(hwnd_, logica::LogicaDibujo::DialogoImagen(fuentes_.carpeta()));
            if (ruta && !GuardarImagen(*ruta)) SetWindowTextW(resumen_, Ancho(textos::kImagenNoGuardada).c_str());
            break;
        }
        case IDCANCEL: Cerrar(); break;  // Esc, through the dialog manager
        default: break;
        }
        return 0;
    case WM_CLOSE: Cerrar(); return 0;
    default: break;
    }
    return DefWindowProcW(hwnd_, m, w, l);
}

LRESULT FrmDibujo::MensajeLienzo(UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_SIZE:
        logica_.Tamano(LOWORD(l), HIWORD(l));
        InvalidateRect(lienzo_, nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(lienzo_, &ps);
        Pintar(dc);
        EndPaint(lienzo_, &ps);
        return 0;
    }
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
        SetFocus(lienzo_);
        SetCapture(lienzo_);
        logica_.Pulsar(Px(l));
        return 0;
    case WM_MOUSEMOVE:
        if (logica_.Mover(Px(l), (w & MK_LBUTTON) != 0)) InvalidateRect(lienzo_, nullptr, FALSE);
        return 0;
    case WM_LBUTTONUP:
        ReleaseCapture();
        if (logica_.Soltar(Px(l))) InvalidateRect(lienzo_, nullptr, FALSE);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (logica_.DobleClic()) InvalidateRect(lienzo_, nullptr, FALSE);
        return 0;
    case WM_MOUSEWHEEL: {
        POINT p{GET_X_LPARAM(l), GET_Y_LPARAM(l)};  // screen coordinates
        ScreenToClient(lienzo_, &p);
        const double pasos = GET_WHEEL_DELTA_WPARAM(w) / static_cast<double>(WHEEL_DELTA);
        if (logica_.Rueda({static_cast<float>(p.x), static_cast<float>(p.y)}, pasos))
            InvalidateRect(lienzo_, nullptr, FALSE);
        return 0;
    }
    case WM_KEYDOWN:
        switch (w) {
        case VK_LEFT: Tecla(logica::Tecla::Izquierda); return 0;
        case VK_RIGHT: Tecla(logica::Tecla::Derecha); return 0;
        case VK_UP: Tecla(logica::Tecla::Arriba); return 0;
        case VK_DOWN: Tecla(logica::Tecla::Abajo); return 0;
        case VK_ESCAPE: Tecla(logica::Tecla::Escape); return 0;
        default: break;
        }
        break;
    case WM_CHAR:
        // By the character typed, whatever the keyboard's layout.
        if (w == L'+') Tecla(logica::Tecla::Mas);
        if (w == L'-') Tecla(logica::Tecla::Menos);
        if (w == L'0') Tecla(logica::Tecla::Cero);
        return 0;
    case WM_NCDESTROY: {
        HWND h = lienzo_;
        lienzo_ = nullptr;
        return DefWindowProcW(h, m, w, l);
    }
    default: break;
    }
    return DefWindowProcW(lienzo_, m, w, l);
}

}  // namespace varnel::win
