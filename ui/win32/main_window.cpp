#include "ui/win32/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <array>

#include "ui/forms/main_form.h"
#include "ui/win32/dpi.h"
#include "ui/win32/win_text.h"

namespace varnel::win {
namespace {

constexpr wchar_t kClase[] = L"VarnelPrincipal";
// Resizable, with minimise and maximise boxes; the controls stay where they are.
constexpr DWORD kEstilo = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// The Cuadro Descargar box: Tab and Shift+Tab move on as everywhere else,
// and Esc does not close the window (a multi-line edit's habit in dialogs).
LRESULT CALLBACK SubclasePorta(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    switch (m) {
    case WM_GETDLGCODE: {
        LRESULT r = DefSubclassProc(h, m, w, l);
        const MSG* msg = reinterpret_cast<const MSG*>(l);
        if (msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_TAB || msg->wParam == VK_ESCAPE))
            r &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);  // DLGC_WANTALLKEYS is also DLGC_WANTMESSAGE
        return r;
    }
    case WM_KEYDOWN:
        if (w == VK_ESCAPE) return 0;
        break;
    case WM_NCDESTROY: RemoveWindowSubclass(h, &SubclasePorta, 1); break;
    default: break;
    }
    return DefSubclassProc(h, m, w, l);
}

}  // namespace

FrmVarnel::FrmVarnel() : formulario_(formularios::kControlesPrincipal, kIdPrincipal) {
    mostrarMensaje_ = [this](const std::wstring& texto) {
        const std::wstring titulo = Ancho(textos::kTituloPrograma);
        MessageBoxW(hwnd_, texto.c_str(), titulo.c_str(), MB_OK);
    };
    pitido_ = [] { MessageBeep(MB_OK); };
    abrirEnlace_ = [](const std::wstring& destino) {
        // Whatever the desktop makes of it, nothing is shown.
        ShellExecuteW(nullptr, nullptr, destino.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    };
}

FrmVarnel::~FrmVarnel() {
    frmAyuda_.reset();
    if (hwnd_) DestroyWindow(hwnd_);
    if (icono_) DestroyIcon(icono_);
    if (iconoPequeno_) DestroyIcon(iconoPequeno_);
}

bool FrmVarnel::Crear() {
    WNDCLASSEXW clase{};
    clase.cbSize = sizeof clase;
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), kClase, &clase)) {
        clase.cbSize = sizeof clase;
        clase.lpfnWndProc = &ProcedimientoDe<FrmVarnel>;
        clase.hInstance = GetModuleHandleW(nullptr);
        clase.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        clase.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        clase.lpszClassName = kClase;
        if (!RegisterClassExW(&clase)) return false;
    }
    const std::wstring titulo = Ancho(formularios::kPrincipal.titulo);
    if (!CreateWindowExW(0, kClase, titulo.c_str(), kEstilo, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                         GetModuleHandleW(nullptr), this))
        return false;
    icono_ = CargarIcono(formularios::kPrincipal.icono, GetSystemMetrics(SM_CXICON));
    iconoPequeno_ = CargarIcono(formularios::kPrincipal.icono, GetSystemMetrics(SM_CXSMICON));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icono_));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(iconoPequeno_));

    formulario_.Crear(hwnd_);
    PrepararControles();
    const UINT dpi = DpiDe(hwnd_);
    Colocar(dpi);
    const SIZE s = TamanoExterior(Pixeles(formularios::kPrincipal.anchoTwips, dpi),
                                  Pixeles(formularios::kPrincipal.altoTwips, dpi), kEstilo, 0, dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, s.cx, s.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CentrarSobre(hwnd_, AreaDeTrabajo(hwnd_));
    return true;
}

void FrmVarnel::PrepararControles() {
    HWND mensajes = Control("txtMensajes");
    SendMessageW(mensajes, EM_SETREADONLY, TRUE, 0);
    // The messages box's tooltip shows a message wider than the box.
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(mensajes);
    info.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(formulario_.Tooltips(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));

    HWND porta = Control("txtPorta");
    SendMessageW(porta, EM_SETLIMITTEXT, 0, 0);  // no limit: 32 767 lines and more
    SetWindowSubclass(porta, &SubclasePorta, 1, 0);

    SendMessageW(Control("ChkDescargar"), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(Control("Option1"), BM_SETCHECK, BST_CHECKED, 0);
    OpcionesUnaParada();

    dirList_.alCambiarCarpeta = [this] { drvList_.MostrarUnidadDe(dirList_.Carpeta()); };
    drvList_.alElegirUnidad = [this](const std::wstring& raiz) { CambiarUnidad(raiz); };
    dirList_.Adjuntar(Control("dirList"));
    drvList_.Adjuntar(Control("DrvList"));
    dirList_.PonerCarpetaInicial(std::filesystem::current_path().native());
}

void FrmVarnel::Colocar(UINT dpi) {
    formulario_.Colocar(dpi);
    dirList_.Colocar(dpi);
    // The drive list's closed height is its text's; make it the designed one.
    HWND unidades = Control("DrvList");
    const RECT designado =
        Rectangulo(formularios::EnVentana(formularios::kControlesPrincipal, *formulario_.Descripcion(unidades)), dpi);
    SetWindowPos(unidades, nullptr, designado.left, designado.top, designado.right - designado.left, Pixeles(3000, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The closed height follows the selection field's; a few steps settle it
    // (what reads back is not always what was set, so steer by our own value).
    LRESULT campo = SendMessageW(unidades, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    for (int paso = 0; paso < 4 && campo > 0; ++paso) {
        RECT actual;
        GetWindowRect(unidades, &actual);
        const int sobra = (designado.bottom - designado.top) - (actual.bottom - actual.top);
        if (!sobra || campo + sobra <= 0) break;
        campo += sobra;
        SendMessageW(unidades, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), campo);
    }
}

void FrmVarnel::Mostrar(int comoMostrar) {
    ShowWindow(hwnd_, comoMostrar);
    UpdateWindow(hwnd_);
    SetFocus(Control("cmdSitnaWpOzi"));
}

LRESULT FrmVarnel::Mensaje(UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_COMMAND:
        if (l) Comando(reinterpret_cast<HWND>(l), HIWORD(w));
        return 0;
    case WM_MEASUREITEM:
        // Until the font is known; Colocar sets the real height.
        reinterpret_cast<MEASUREITEMSTRUCT*>(l)->itemHeight = 18;
        return TRUE;
    case WM_DRAWITEM: {
        const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
        if (d->hwndItem == Control("dirList")) {
            dirList_.Dibujar(*d);
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLORSTATIC: {
        const formularios::Control* c = formulario_.Descripcion(reinterpret_cast<HWND>(l));
        if (c && c->azul) {
            HDC dc = reinterpret_cast<HDC>(w);
            SetTextColor(dc, RGB(0, 0, 255));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    }
    case WM_SETCURSOR: {
        const formularios::Control* c = formulario_.Descripcion(reinterpret_cast<HWND>(w));
        if (c && c->tipo == formularios::Tipo::Enlace) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    }
    case WM_ACTIVATE:
        // A plain window forgets its focused control when it loses the
        // activation: keep it and give it back.
        if (LOWORD(w) == WA_INACTIVE) {
            HWND foco = GetFocus();
            if (foco && IsChild(hwnd_, foco)) ultimoFoco_ = foco;
        } else if (ultimoFoco_ && IsWindow(ultimoFoco_)) {
            SetFocus(ultimoFoco_);
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        Colocar(HIWORD(w));
        const RECT* r = reinterpret_cast<const RECT*>(l);
        SetWindowPos(hwnd_, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CLOSE:
        // The program ends at once, help window included.
        DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcW(hwnd_, m, w, l);
}

void FrmVarnel::Comando(HWND control, WORD codigo) {
    const formularios::Control* c = formulario_.Descripcion(control);
    if (!c) return;
    const std::string_view n = c->nombre;
    if (n == "DrvList") {
        drvList_.Notificacion(codigo);
        return;
    }
    if (n == "dirList") {
        if (codigo == LBN_DBLCLK) dirList_.DobleClic();
        return;
    }
    if (c->tipo == formularios::Tipo::Enlace) {
        if (codigo == STN_CLICKED) AbrirEnlace(n == "lblLink_0" ? 0 : 1);
        return;
    }
    if (codigo != BN_CLICKED) return;
    if (n == "cmdSitnaWpOzi")
        motor_.cmdSitnaWpOzi();
    else if (n == "cmdSitnaTrackOzi")
        motor_.cmdSitnaTrackOzi();
    else if (n == "cmdWpOziSitna")
        motor_.cmdWpOziSitna();
    else if (n == "cmdTrackOziSitna")
        motor_.cmdTrackOziSitna();
    else if (n == "cmdMapsourceSitna")
        motor_.cmdMapsourceSitna();
    else if (n == "mnuCopiar")
        Copiar();
    else if (n == "mnuPegar")
        Pegar();
    else if (n == "cmdAyuda")
        MostrarAyuda();
    else if (n == "cmdSalir")
        SendMessageW(hwnd_, WM_CLOSE, 0, 0);
    else if (c->tipo == formularios::Tipo::Opcion)
        OpcionesUnaParada();
}

void FrmVarnel::OpcionesUnaParada() {
    // The option group is one Tab stop, on the selected option.
    for (const char* nombre : {"Option1", "Option2", "Option3"}) {
        HWND h = Control(nombre);
        LONG_PTR estilo = GetWindowLongPtrW(h, GWL_STYLE);
        const bool marcada = SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
        estilo = marcada ? (estilo | WS_TABSTOP) : (estilo & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrW(h, GWL_STYLE, estilo);
    }
}

void FrmVarnel::CambiarUnidad(const std::wstring& raiz) {
    // The drive's current folder as the system gives it; a drive that cannot
    // be read (no medium, a network drive that does not answer) puts the
    // list back on the drive of the folder still shown, silently.
    std::wstring actual = RutaCompleta(raiz.substr(0, 2));
    if (!dirList_.PonerCarpeta(actual) && !dirList_.PonerCarpeta(raiz)) drvList_.MostrarUnidadDe(dirList_.Carpeta());
}

void FrmVarnel::Copiar() {
    SendMessageW(Control("txtMensajes"), EM_SETSEL, 9999, 9999);
    HWND porta = Control("txtPorta");
    DWORD inicio = 0;
    SendMessageW(porta, EM_GETSEL, reinterpret_cast<WPARAM>(&inicio), 0);
    SendMessageW(porta, EM_SETSEL, inicio, -1);

    // Busy in another program: nothing changes, nothing is shown.
    if (!OpenClipboard(hwnd_)) return;
    EmptyClipboard();
    const std::wstring texto = TextoDe(porta);
    if (!texto.empty()) {
        const std::size_t bytes = (texto.size() + 1) * sizeof(wchar_t);
        if (HGLOBAL memoria = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
            if (void* p = GlobalLock(memoria)) {
                memcpy(p, texto.c_str(), bytes);
                GlobalUnlock(memoria);
                if (!SetClipboardData(CF_UNICODETEXT, memoria)) GlobalFree(memoria);
            } else {
                GlobalFree(memoria);
            }
        }
    }
    CloseClipboard();
}

void FrmVarnel::Pegar() {
    // Busy in another program: the box keeps its text.
    if (!OpenClipboard(hwnd_)) return;
    HWND porta = Control("txtPorta");
    SetWindowTextW(porta, L"");
    UpdateWindow(porta);
    std::wstring texto;
    if (HANDLE datos = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* p = static_cast<const wchar_t*>(GlobalLock(datos))) {
            texto.assign(p, wcsnlen(p, GlobalSize(datos) / sizeof(wchar_t)));
            GlobalUnlock(datos);
        }
    }
    CloseClipboard();
    // Lines as the box holds them, CR LF, whatever the other program used.
    texto = ConCrLf(texto);
    SetWindowTextW(porta, texto.c_str());
    const auto fin = static_cast<LPARAM>(texto.size());
    SendMessageW(porta, EM_SETSEL, static_cast<WPARAM>(fin), fin);
    SendMessageW(porta, EM_SCROLLCARET, 0, 0);
}

void FrmVarnel::MostrarAyuda() {
    if (!frmAyuda_) frmAyuda_ = std::make_unique<FrmAyuda>(hwnd_);
    frmAyuda_->Mostrar();
}

void FrmVarnel::AbrirEnlace(int indice) {
    const std::wstring destino = indice == 0 ? L"mailto:" + Ancho(textos::kCorreoAutor) : Ancho(textos::kWebSitna);
    abrirEnlace_(destino);
}

// Window operations.

void FrmVarnel::PonerTextoMensajes(const std::string& texto) {
    HWND mensajes = Control("txtMensajes");
    const std::wstring t = Ancho(texto);
    SetWindowTextW(mensajes, t.c_str());
    // Read from its start ("Error:53 ...", "Generados ..."); a text wider
    // than the box is whole in its tooltip.
    SendMessageW(mensajes, EM_SETSEL, 0, 0);
    SendMessageW(mensajes, EM_SCROLLCARET, 0, 0);
    HDC dc = GetDC(mensajes);
    HGDIOBJ antes = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(mensajes, WM_GETFONT, 0, 0)));
    SIZE s{};
    GetTextExtentPoint32W(dc, t.c_str(), static_cast<int>(t.size()), &s);
    SelectObject(dc, antes);
    ReleaseDC(mensajes, dc);
    RECT r;
    SendMessageW(mensajes, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    std::wstring ayuda = s.cx > r.right - r.left ? t : std::wstring();
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(mensajes);
    info.lpszText = ayuda.data();
    SendMessageW(formulario_.Tooltips(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

std::string FrmVarnel::TextoMensajes() const { return Utf8(TextoDe(Control("txtMensajes"))); }

void FrmVarnel::RepintarMensajes() { UpdateWindow(Control("txtMensajes")); }

std::string FrmVarnel::TextoPorta() const { return Utf8(TextoDe(Control("txtPorta"))); }

void FrmVarnel::PonerTextoPorta(const std::string& texto) {
    // In one go: the box is drawn once, not line by line.
    SetWindowTextW(Control("txtPorta"), ConCrLf(Ancho(texto)).c_str());
}

void FrmVarnel::VaciarPortaYRepintar() {
    HWND porta = Control("txtPorta");
    SetWindowTextW(porta, L"");
    UpdateWindow(porta);
}

bool FrmVarnel::DescargarMarcado() const {
    return SendMessageW(Control("ChkDescargar"), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

OpcionGarmin FrmVarnel::OpcionSeleccionada() const {
    if (SendMessageW(Control("Option2"), BM_GETCHECK, 0, 0) == BST_CHECKED) return OpcionGarmin::Option2;
    if (SendMessageW(Control("Option3"), BM_GETCHECK, 0, 0) == BST_CHECKED) return OpcionGarmin::Option3;
    return OpcionGarmin::Option1;
}

std::filesystem::path FrmVarnel::CarpetaIntercambio() const { return std::filesystem::path(dirList_.Carpeta()); }

void FrmVarnel::Pitido() { pitido_(); }

void FrmVarnel::MostrarMensajeModal(const std::string& texto) { mostrarMensaje_(Ancho(texto)); }

}  // namespace varnel::win
