#include "ui/win32/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "ui/forms/help_form.h"
#include "ui/forms/main_form.h"
#include "ui/win32/box_menu.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/dpi.h"
#include "ui/win32/save_dialog.h"
#include "ui/win32/win_text.h"

namespace varnel::win {
namespace {

using formularios::Tipo;

constexpr wchar_t kClase[] = L"VarnelPrincipal";
// The message that carries a drop's data across privilege levels.
constexpr UINT kCopiarDatosGlobales = 0x0049;
// Resizable, with minimise and maximise boxes; the controls stay where they are.
constexpr DWORD kEstilo = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// A multi-line box that Tab leaves: Tab and Shift+Tab move on as everywhere
// else, and Esc does not close the window (a multi-line edit's habit in dialogs).
LRESULT CALLBACK SubclaseTabSale(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
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
    case WM_NCDESTROY: RemoveWindowSubclass(h, &SubclaseTabSale, 1); break;
    default: break;
    }
    return DefSubclassProc(h, m, w, l);
}

const formularios::Control* DescripcionDe(std::string_view control) {
    const int i = formularios::Indice(formularios::kControlesPrincipal, control);
    return i < 0 ? nullptr : &formularios::kControlesPrincipal[static_cast<std::size_t>(i)];
}

bool EsTextoVarias(std::string_view control) {
    const formularios::Control* c = DescripcionDe(control);
    return c && c->tipo == Tipo::TextoVarias;
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
    pedirRuta_ = [this](const logica::DialogoGuardado& d) { return PedirRutaGuardadoWin(hwnd_, d); };
}

FrmVarnel::~FrmVarnel() {
    frmAyuda_.reset();
    frmDibujo_.reset();
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
    // Files dropped from Explorer anywhere on the window; also when the
    // program runs elevated and Explorer does not.
    DragAcceptFiles(hwnd_, TRUE);
    ChangeWindowMessageFilterEx(hwnd_, WM_DROPFILES, MSGFLT_ALLOW, nullptr);
    ChangeWindowMessageFilterEx(hwnd_, kCopiarDatosGlobales, MSGFLT_ALLOW, nullptr);
    logica_.Iniciar();
    return true;
}

void FrmVarnel::PrepararControles() {
    for (const formularios::Control& c : formularios::kControlesPrincipal) {
        HWND h = formulario_.Control(c.nombre);
        if (c.soloLectura) SendMessageW(h, EM_SETREADONLY, TRUE, 0);
        if (c.tabSale) SetWindowSubclass(h, &SubclaseTabSale, 1, 0);
        if (c.tipo == Tipo::TextoVarias) SendMessageW(h, EM_SETLIMITTEXT, 0, 0);  // no limit: 32 767 lines and more
    }
    PrepararMenuCuadro(Control("txtPorta"));
    // The messages box's tooltip, for a message wider than the box.
    HWND mensajes = Control("txtMensajes");
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(mensajes);
    info.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(formulario_.Tooltips(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));

    dirList_.alCambiarCarpeta = [this] { logica_.CarpetaCambiada(); };
    dirList_.alActivar = [this] { logica_.Activado("dirList"); };
    dirList_.alPerderFoco = [this] { logica_.FocoPerdido("dirList"); };
    drvList_.alElegirUnidad = [this](const std::wstring& raiz) { logica_.UnidadElegida(raiz); };
    dirList_.Adjuntar(Control("dirList"));
    drvList_.Adjuntar(Control("DrvList"));
    // The working folder, even one that cannot be listed; the drive list follows.
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
    // A hidden window's controls take no focus: the one the start chose gets it now.
    if (ultimoFoco_) SetFocus(ultimoFoco_);
}

void FrmVarnel::Soltar(HDROP soltado) {
    std::vector<std::filesystem::path> rutas;
    const UINT n = DragQueryFileW(soltado, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < n; ++i) {
        std::wstring ruta(DragQueryFileW(soltado, i, nullptr, 0), L'\0');
        DragQueryFileW(soltado, i, ruta.data(), static_cast<UINT>(ruta.size() + 1));
        rutas.emplace_back(std::move(ruta));
    }
    DragFinish(soltado);  // before the run: its error box must not hold Explorer's drag
    logica_.Soltados(rutas);
}

HWND FrmVarnel::Control(std::string_view nombre) const {
    if (HWND h = formulario_.Control(nombre)) return h;
    return frmAyuda_ ? frmAyuda_->Control(nombre) : nullptr;
}

LRESULT FrmVarnel::Mensaje(UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_COMMAND:
        if (l) {
            Comando(reinterpret_cast<HWND>(l), HIWORD(w));
        } else if (HIWORD(w) == 0 && LOWORD(w) >= kMenuGuardarGpx && LOWORD(w) <= kMenuGuardarKmz) {
            // The Cuadro Descargar's menu.
            logica_.GuardarComo(LOWORD(w) == kMenuGuardarGpx   ? FormatoTraza::Gpx
                                : LOWORD(w) == kMenuGuardarKml ? FormatoTraza::Kml
                                                               : FormatoTraza::Kmz);
        } else if (HIWORD(w) == 0 && LOWORD(w) == kMenuVerDibujo) {
            VerDibujo();  // the menu or Ctrl+D
        }
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
        if (c && c->tipo == Tipo::Enlace) {
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
    case WM_DROPFILES: Soltar(reinterpret_cast<HDROP>(w)); return 0;
    case WM_CLOSE:
        // The close box is the exit button's business: the rules end the
        // program, at once, help window included.
        if (terminando_)
            DestroyWindow(hwnd_);
        else
            logica_.Pulsado("cmdSalir");
        return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
    }
    return DefWindowProcW(hwnd_, m, w, l);
}

void FrmVarnel::Comando(HWND control, WORD codigo) {
    const formularios::Control* c = formulario_.Descripcion(control);
    if (!c) return;
    switch (c->tipo) {
    case Tipo::ListaUnidades: drvList_.Notificacion(codigo); break;
    case Tipo::ListaCarpetas:
        if (codigo == LBN_DBLCLK) logica_.Activado(c->nombre);
        break;
    case Tipo::TextoVarias:
        if (codigo == EN_CHANGE) CajaCambiada();  // typing, a paste from the menu or the keys
        break;
    case Tipo::Opcion:
        if (codigo == BN_CLICKED) logica_.Pulsado(c->nombre);
        CajaCambiada();  // the drawing's summary names the datum
        break;
    default:
        // A button's click, and a link's: STN_CLICKED is the same code.
        static_assert(STN_CLICKED == BN_CLICKED);
        if (codigo == BN_CLICKED) logica_.Pulsado(c->nombre);
        break;
    }
}

// Controles.

std::string FrmVarnel::Texto(logica::NombreControl control) const { return Utf8(TextoDe(Control(control))); }

void FrmVarnel::PonerTexto(logica::NombreControl control, const std::string& texto) {
    HWND h = Control(control);
    if (!EsTextoVarias(control)) {
        SetWindowTextW(h, Ancho(texto).c_str());
        return;
    }
    // The box's lines end in CR LF, whatever the text brought; in one go, so
    // the box is drawn once, not line by line.
    SetWindowTextW(h, ConCrLf(Ancho(texto)).c_str());
    CajaCambiada();  // a multi-line box sends no EN_CHANGE for WM_SETTEXT
}

void FrmVarnel::Repintar(logica::NombreControl control) { UpdateWindow(Control(control)); }

bool FrmVarnel::Marcado(logica::NombreControl control) const {
    return SendMessageW(Control(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void FrmVarnel::Marcar(logica::NombreControl control, bool marcado) {
    SendMessageW(Control(control), BM_SETCHECK, marcado ? BST_CHECKED : BST_UNCHECKED, 0);
    // An option selected by the program clears the others of its frame, as a click does.
    const formularios::Control* c = DescripcionDe(control);
    if (!marcado || !c || c->tipo != Tipo::Opcion) return;
    for (const formularios::Control& otra : formularios::kControlesPrincipal)
        if (otra.tipo == Tipo::Opcion && otra.marco == c->marco && otra.nombre != c->nombre)
            SendMessageW(Control(otra.nombre), BM_SETCHECK, BST_UNCHECKED, 0);
}

bool FrmVarnel::CabeEntero(logica::NombreControl control) const {
    HWND h = Control(control);
    const std::wstring t = TextoDe(h);
    HDC dc = GetDC(h);
    HGDIOBJ antes = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
    SIZE s{};
    GetTextExtentPoint32W(dc, t.c_str(), static_cast<int>(t.size()), &s);
    SelectObject(dc, antes);
    ReleaseDC(h, dc);
    RECT r;
    SendMessageW(h, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    return s.cx <= r.right - r.left;
}

void FrmVarnel::PonerAyuda(logica::NombreControl control, const std::string& ayuda) {
    std::wstring texto = Ancho(ayuda);
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = hwnd_;
    info.uId = reinterpret_cast<UINT_PTR>(Control(control));
    info.lpszText = texto.data();
    SendMessageW(formulario_.Tooltips(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

int FrmVarnel::InicioSeleccion(logica::NombreControl control) const {
    DWORD inicio = 0;
    SendMessageW(Control(control), EM_GETSEL, reinterpret_cast<WPARAM>(&inicio), 0);
    return static_cast<int>(inicio);
}

void FrmVarnel::Seleccionar(logica::NombreControl control, int inicio, int largo) {
    HWND h = Control(control);
    const int n = GetWindowTextLengthW(h);
    const int desde = std::clamp(inicio, 0, n);
    const int hasta = desde + std::clamp(largo, 0, n - desde);
    SendMessageW(h, EM_SETSEL, static_cast<WPARAM>(desde), hasta);
    SendMessageW(h, EM_SCROLLCARET, 0, 0);
}

void FrmVarnel::PonerFoco(logica::NombreControl control) {
    ultimoFoco_ = Control(control);
    if (IsWindowVisible(hwnd_)) SetFocus(ultimoFoco_);
}

void FrmVarnel::PonerParadaTab(logica::NombreControl control, bool parada) {
    HWND h = Control(control);
    const LONG_PTR estilo = GetWindowLongPtrW(h, GWL_STYLE);
    SetWindowLongPtrW(h, GWL_STYLE, parada ? (estilo | WS_TABSTOP) : (estilo & ~static_cast<LONG_PTR>(WS_TABSTOP)));
}

std::optional<std::string> FrmVarnel::LeerPortapapeles() {
    const std::optional<std::wstring> texto = win::LeerPortapapeles(hwnd_);
    if (!texto) return std::nullopt;
    return Utf8(*texto);
}

bool FrmVarnel::PonerPortapapeles(const std::string& texto) { return win::PonerPortapapeles(hwnd_, Ancho(texto)); }

void FrmVarnel::Pitido() { pitido_(); }

void FrmVarnel::MensajeModal(const std::string& texto) { mostrarMensaje_(Ancho(texto)); }

void FrmVarnel::AbrirDireccion(const std::string& direccion) { abrirEnlace_(Ancho(direccion)); }

std::optional<std::filesystem::path> FrmVarnel::PedirRutaGuardado(const logica::DialogoGuardado& dialogo) {
    return pedirRuta_(dialogo);
}

std::filesystem::path FrmVarnel::CarpetaActual() const { return std::filesystem::path(dirList_.Carpeta()); }

std::filesystem::path FrmVarnel::CarpetaResaltada() const { return std::filesystem::path(dirList_.Resaltada()); }

bool FrmVarnel::PonerCarpetaActual(const std::filesystem::path& carpeta) {
    return dirList_.PonerCarpeta(carpeta.native());
}

void FrmVarnel::ListarCarpetaOtraVez() { dirList_.ListarOtraVez(); }

void FrmVarnel::MostrarUnidadDe(const std::filesystem::path& carpeta) { drvList_.MostrarUnidadDe(carpeta.native()); }

FrmDibujo* FrmVarnel::VerDibujo() {
    if (logica_.AyudaAbierta()) return frmDibujo_.get();
    if (!frmDibujo_)
        frmDibujo_ = std::make_unique<FrmDibujo>(
            hwnd_, ajustes_,
            FuentesDibujo{.texto = [this] { return logica_.TextoPorta(); },
                          .datum = [this] { return logica_.DatumSitna(); },
                          .seleccionarLinea = [this](std::int64_t l) { SeleccionarLineaPorta(l); },
                          .carpeta = [this] { return logica_.CarpetaIntercambio(); },
                          .pedirRuta =
                              [this](HWND propietario, const logica::DialogoGuardado& d) {
                                  return rutaPuesta_ ? pedirRuta_(d) : PedirRutaGuardadoWin(propietario, d);
                              }});
    frmDibujo_->Mostrar();
    return frmDibujo_.get();
}

void FrmVarnel::SeleccionarLineaPorta(std::int64_t linea) {
    HWND porta = Control("txtPorta");
    const LRESULT inicio = SendMessageW(porta, EM_LINEINDEX, static_cast<WPARAM>(linea - 1), 0);
    if (inicio < 0) return;
    const LRESULT largo = SendMessageW(porta, EM_LINELENGTH, static_cast<WPARAM>(inicio), 0);
    SendMessageW(porta, EM_SETSEL, static_cast<WPARAM>(inicio), inicio + largo);
    SendMessageW(porta, EM_SCROLLCARET, 0, 0);
}

void FrmVarnel::CrearVentana(std::string_view ventana) {
    if (ventana != formularios::kAyuda.nombre) return;
    if (!frmAyuda_) frmAyuda_ = std::make_unique<FrmAyuda>(hwnd_, [this](std::string_view c) { logica_.Pulsado(c); });
    // Its close box removes it; the next showing makes it again.
    if (!frmAyuda_->Ventana()) frmAyuda_->Crear();
}

void FrmVarnel::MostrarModal(std::string_view ventana, logica::NombreControl foco) {
    if (ventana == formularios::kAyuda.nombre && frmAyuda_) frmAyuda_->Mostrar(foco);
}

void FrmVarnel::Ocultar(std::string_view ventana) {
    if (ventana == formularios::kAyuda.nombre && frmAyuda_) frmAyuda_->Ocultar();
}

void FrmVarnel::TerminarPrograma() {
    terminando_ = true;
    SendMessageW(hwnd_, WM_CLOSE, 0, 0);
}

}  // namespace varnel::win
