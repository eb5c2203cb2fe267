#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// The windows as designed, for every toolkit: standard C++ only, texts in
// UTF-8. Each toolkit renders these tables and wires the behaviour.
namespace varnel::formularios {

enum class Tipo {
    Boton,          // a push button with text and an access key ("&")
    BotonDibujo,    // a push button showing a picture
    Etiqueta,       // plain text, never takes the focus
    Enlace,         // a label shown as a link, opens its target on a click
    Marco,          // a frame (group box) with its caption on its border
    Casilla,        // a check box
    Opcion,         // an option (radio) button; a frame's options form one group
    TextoLinea,     // a one-line text box
    TextoVarias,    // a multi-line text box, vertical scroll bar only
    ListaUnidades,  // the drive list
    ListaCarpetas,  // the folder list
};

// A rectangle in twips (1440 to the inch, 15 to the pixel at 96 dpi), from
// the client area's top left corner or from the enclosing frame's.
struct RectTwips {
    int izquierda;
    int arriba;
    int ancho;
    int alto;
};

inline constexpr int kTwipsPorPixel = 15;

struct Fuente {
    std::string_view familia;
    double puntos;
    bool negrita = false;
    bool subrayada = false;
};

inline constexpr Fuente kNormal{"MS Sans Serif", 8.25};
inline constexpr Fuente kNegrita{"MS Sans Serif", 8.25, true};
inline constexpr Fuente kSubrayada{"MS Sans Serif", 8.25, false, true};

// One control, as the design table gives it.
struct Control {
    std::string_view nombre;
    Tipo tipo;
    std::string_view texto;  // caption; empty for none
    std::string_view ayuda;  // tooltip; for a picture button also its accessible name
    RectTwips rect;
    Fuente fuente = kNormal;
    std::string_view marco = {};   // the enclosing frame's name; empty: the window
    int indiceTab = -1;            // Tab order among the controls that take the focus; -1: none
    std::string_view dibujo = {};  // the picture of a picture button (artwork name)
    int ladoDibujo = 0;            // its side in pixels
    bool azul = false;             // a link's colour: red 0, green 0, blue 255
    bool tooltipColor = false;     // on the system's tooltip background (help texts)
    // The rarer properties, set with the functions below.
    bool soloLectura = false;            // a text box the user reads and selects from, never edits
    bool tabSale = false;                // a multi-line box that Tab and Shift+Tab leave, as any control
    std::string_view nombreAccesible{};  // a screen reader's name for a control without a caption
};

constexpr Control SoloLectura(Control c) {
    c.soloLectura = true;
    return c;
}

constexpr Control TabSale(Control c) {
    c.tabSale = true;
    return c;
}

constexpr Control NombreAccesible(Control c, std::string_view nombre) {
    c.nombreAccesible = nombre;
    return c;
}

struct Ventana {
    std::string_view nombre;
    std::string_view titulo;
    int anchoTwips;  // client area
    int altoTwips;
    Fuente fuente;
    std::string_view icono;  // artwork name
};

// A control's rectangle from the window's client area: a control inside a
// frame is placed from the frame's corner.
constexpr RectTwips EnVentana(std::span<const Control> tabla, const Control& c) {
    RectTwips r = c.rect;
    if (c.marco.empty()) return r;
    for (const Control& m : tabla) {
        if (m.nombre != c.marco) continue;
        r.izquierda += m.rect.izquierda;
        r.arriba += m.rect.arriba;
        break;
    }
    return r;
}

// The position of a control in its table, or -1.
constexpr int Indice(std::span<const Control> tabla, std::string_view nombre) {
    for (std::size_t i = 0; i < tabla.size(); ++i)
        if (tabla[i].nombre == nombre) return static_cast<int>(i);
    return -1;
}

}  // namespace varnel::formularios
