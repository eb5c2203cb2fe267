#include "ui/win32/form_renderer.h"

#include <commctrl.h>

#include <cmath>

#include "ui/logic/tab_order.h"
#include "ui/win32/dpi.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/win_text.h"

namespace varnel::win {
namespace {

using formularios::Tipo;

bool TomaFoco(const formularios::Control& c) { return c.indiceTab >= 0; }

// A group box paints its border and caption only; with the window clipping
// its children, its inside would stay unpainted.
LRESULT CALLBACK SubclaseMarco(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    if (m == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(h, &r);
        FillRect(reinterpret_cast<HDC>(w), &r, GetSysColorBrush(COLOR_BTNFACE));
        return TRUE;
    }
    if (m == WM_NCDESTROY) RemoveWindowSubclass(h, &SubclaseMarco, 1);
    return DefSubclassProc(h, m, w, l);
}

struct Clase {
    const wchar_t* nombre;
    DWORD estilo;
    DWORD estiloEx;
};

Clase ClaseDe(Tipo tipo) {
    switch (tipo) {
    case Tipo::Boton: return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP, 0};
    case Tipo::BotonDibujo: return {WC_BUTTONW, BS_PUSHBUTTON | BS_ICON | WS_TABSTOP, 0};
    case Tipo::Etiqueta: return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case Tipo::Enlace: return {WC_STATICW, SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0};
    case Tipo::Marco: return {WC_BUTTONW, BS_GROUPBOX, 0};
    case Tipo::Casilla: return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case Tipo::Opcion: return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0};
    case Tipo::TextoLinea: return {WC_EDITW, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case Tipo::TextoVarias:
        // No word wrap: long lines scroll sideways, with no scroll bar for it.
        return {WC_EDITW,
                ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE};
    case Tipo::ListaUnidades: return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case Tipo::ListaCarpetas:
        return {WC_LISTBOXW,
                LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE};
    }
    return {WC_STATICW, 0, 0};
}

int IdIcono(std::string_view dibujo) {
    if (dibujo == "varnel") return IDI_VARNEL;
    if (dibujo == "globe") return IDI_GLOBE;
    if (dibujo == "copy") return IDI_COPY;
    if (dibujo == "paste") return IDI_PASTE;
    if (dibujo == "help") return IDI_HELP;
    if (dibujo == "exit") return IDI_EXIT;
    if (dibujo == "folder-open") return IDI_FOLDER_OPEN;
    if (dibujo == "folder-closed") return IDI_FOLDER_CLOSED;
    return 0;
}

}  // namespace

HICON CargarIcono(std::string_view dibujo, int lado) {
    const int id = IdIcono(dibujo);
    if (!id) return nullptr;
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, lado, lado, LR_DEFAULTCOLOR));
}

RenderizadorFormulario::RenderizadorFormulario(std::span<const formularios::Control> tabla, int idBase)
    : tabla_(tabla), idBase_(idBase), controles_(tabla.size(), nullptr) {}

RenderizadorFormulario::~RenderizadorFormulario() {
    // The controls go with their window; fonts and pictures are ours.
    if (tooltips_) DestroyWindow(tooltips_);
    for (HICON i : iconos_) DestroyIcon(i);
    for (const FuenteCreada& f : fuentes_) DeleteObject(f.hfont);
}

void RenderizadorFormulario::Crear(HWND ventana) {
    ventana_ = ventana;
    tooltips_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, ventana, nullptr,
                                GetModuleHandleW(nullptr), nullptr);

    // Z order is creation order, and the dialog manager tabs in Z order:
    // first what takes the focus, in the logic's Tab order; then labels and
    // links; the frames last, behind the controls they frame. The table lists
    // what lies behind first, as other toolkits stack; here what is created
    // first lies on top.
    std::vector<std::size_t> orden;
    for (logica::NombreControl nombre : logica::OrdenTab(tabla_))
        orden.push_back(static_cast<std::size_t>(formularios::Indice(tabla_, nombre)));
    for (bool marcos : {false, true})
        for (std::size_t i = tabla_.size(); i-- > 0;)
            if (!TomaFoco(tabla_[i]) && (tabla_[i].tipo == Tipo::Marco) == marcos) orden.push_back(i);
    // Each control its own group, except consecutive options of one frame:
    // the arrow keys move within a group of options only.
    const formularios::Control* anterior = nullptr;
    for (std::size_t fila : orden) {
        const formularios::Control& c = tabla_[fila];
        const bool mismoGrupo =
            anterior && c.tipo == Tipo::Opcion && anterior->tipo == Tipo::Opcion && c.marco == anterior->marco;
        CrearControl(fila, !mismoGrupo);
        anterior = &c;
    }
    Colocar(DpiDe(ventana));
}

void RenderizadorFormulario::CrearControl(std::size_t fila, bool primeroDeGrupo) {
    const formularios::Control& c = tabla_[fila];
    const Clase clase = ClaseDe(c.tipo);
    // A picture button's text is its name for screen readers; it is not drawn.
    const std::wstring texto = Ancho(c.tipo == Tipo::BotonDibujo ? c.ayuda : c.texto);
    DWORD estilo = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | clase.estilo;
    if (primeroDeGrupo) estilo |= WS_GROUP;
    if (c.tooltipColor) estilo |= WS_BORDER;
    HWND h = CreateWindowExW(clase.estiloEx, clase.nombre, texto.c_str(), estilo, 0, 0, 0, 0, ventana_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(idBase_ + static_cast<int>(fila))),
                             GetModuleHandleW(nullptr), nullptr);
    controles_[fila] = h;
    if (c.tipo == Tipo::Marco) SetWindowSubclass(h, &SubclaseMarco, 1, 0);
    if (!c.ayuda.empty() && c.tipo != Tipo::Etiqueta) {
        const std::wstring ayuda = Ancho(c.ayuda);
        TTTOOLINFOW info{};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = ventana_;
        info.uId = reinterpret_cast<UINT_PTR>(h);
        info.lpszText = const_cast<wchar_t*>(ayuda.c_str());
        SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void RenderizadorFormulario::Colocar(UINT dpi) {
    HDWP lote = BeginDeferWindowPos(static_cast<int>(tabla_.size()));
    for (std::size_t i = 0; i < tabla_.size(); ++i) {
        const formularios::Control& c = tabla_[i];
        const RECT r = Rectangulo(formularios::EnVentana(tabla_, c), dpi);
        if (lote)
            lote = DeferWindowPos(lote, controles_[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                  SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controles_[i], WM_SETFONT, reinterpret_cast<WPARAM>(Fuente(c.fuente, dpi)), FALSE);
        if (c.tipo == Tipo::BotonDibujo) PonerDibujo(i, dpi);
    }
    if (lote) EndDeferWindowPos(lote);
    // Fonts of another DPI are no longer used by anyone.
    std::erase_if(fuentes_, [dpi](const FuenteCreada& f) {
        if (f.dpi == dpi) return false;
        DeleteObject(f.hfont);
        return true;
    });
    InvalidateRect(ventana_, nullptr, TRUE);
}

void RenderizadorFormulario::PonerDibujo(std::size_t fila, UINT dpi) {
    const formularios::Control& c = tabla_[fila];
    HICON icono = CargarIcono(c.dibujo, MulDiv(c.ladoDibujo, static_cast<int>(dpi), 96));
    if (!icono) return;
    iconos_.push_back(icono);
    auto anterior = SendMessageW(controles_[fila], BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icono));
    if (anterior) {
        std::erase(iconos_, reinterpret_cast<HICON>(anterior));
        DestroyIcon(reinterpret_cast<HICON>(anterior));
    }
}

HFONT RenderizadorFormulario::Fuente(const formularios::Fuente& f, UINT dpi) {
    for (const FuenteCreada& creada : fuentes_)
        if (creada.dpi == dpi && creada.f.familia == f.familia && creada.f.puntos == f.puntos &&
            creada.f.negrita == f.negrita && creada.f.subrayada == f.subrayada)
            return creada.hfont;
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(f.puntos * dpi / 72.0));
    lf.lfWeight = f.negrita ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = f.subrayada;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    const std::wstring familia = Ancho(f.familia);
    wcsncpy(lf.lfFaceName, familia.c_str(), LF_FACESIZE - 1);
    HFONT h = CreateFontIndirectW(&lf);
    fuentes_.push_back({f, dpi, h});
    return h;
}

HWND RenderizadorFormulario::Control(std::string_view nombre) const {
    const int i = formularios::Indice(tabla_, nombre);
    return i < 0 ? nullptr : controles_[static_cast<std::size_t>(i)];
}

const formularios::Control* RenderizadorFormulario::Descripcion(HWND control) const {
    for (std::size_t i = 0; i < controles_.size(); ++i)
        if (controles_[i] == control) return &tabla_[i];
    return nullptr;
}

HFONT RenderizadorFormulario::FuenteDe(std::string_view nombre) const {
    HWND h = Control(nombre);
    return h ? reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)) : nullptr;
}

}  // namespace varnel::win
