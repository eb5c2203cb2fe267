#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/logic/list_drawing.h"

// What the "Dibujo de la lista" window draws, as pixels: north up, the list's
// own UTM metres scaled into the drawing area. Both toolkits turn these
// primitives into pixels and nothing more.
namespace varnel::logica {

struct Color {
    std::uint8_t r, g, b;
};
inline constexpr Color kColorFondo{255, 255, 255};
inline constexpr Color kColorRejilla{215, 215, 215};
inline constexpr Color kColorRotulo{90, 90, 90};
inline constexpr Color kColorTraza{0, 70, 200};
inline constexpr Color kColorInicio{0, 170, 0};
inline constexpr Color kColorFin{220, 0, 0};
inline constexpr Color kColorEscala{0, 0, 0};
inline constexpr Color kColorResaltado{255, 160, 0};
inline constexpr float kGrosorTraza = 2.0F;
inline constexpr float kRadioMarca = 6.0F;

struct PuntoPx {
    float x = 0;
    float y = 0;
    bool operator==(const PuntoPx&) const = default;
};

// A grid line at a whole number of grid steps, with its UTM value.
struct LineaRejilla {
    bool vertical = true;  // an easting; otherwise a northing
    float pos = 0;         // x of a vertical line, y of a horizontal one
    std::string rotulo;    // "610000"
};

struct BarraEscala {
    PuntoPx desde;  // its left end; it runs `largo` pixels to the right
    float largo = 0;
    std::string rotulo;  // "500 m", "2 km"
};

struct Primitivas {
    int ancho = 0;
    int alto = 0;
    std::vector<LineaRejilla> rejilla;
    std::vector<PuntoPx> traza;  // in list order, one vertex per pixel reached
    std::optional<PuntoPx> inicio;
    std::optional<PuntoPx> fin;
    std::optional<PuntoPx> resaltado;  // the point under the pointer
    std::string rotulo;                // its text, top left
    BarraEscala escala;
    std::string aviso;  // "Cuadro Descargar sin puntos", centred, when nothing is drawn
};

// Metres to pixels: a scale and the metre shown at the centre.
class VistaDibujo {
public:
    void Tamano(int ancho, int alto);
    int Ancho() const { return ancho_; }
    int Alto() const { return alto_; }

    // The whole extent in view, a margin round it.
    void Ajustar(double minE, double maxE, double minN, double maxN);
    // By `factor`, the metre under the pixel staying there.
    void Zoom(double factor, PuntoPx sobre);
    // The drawing follows the pointer by this many pixels.
    void Desplazar(float dx, float dy);

    PuntoPx APixel(double este, double norte) const;
    double EsteDe(float x) const;
    double NorteDe(float y) const;
    double Escala() const { return escala_; }  // pixels per metre

    // The grid step in metres: a power of ten whose lines stand at least
    // kPasoMinimo pixels apart.
    double PasoRejilla() const;

    static constexpr float kMargen = 24.0F;
    static constexpr float kPasoMinimo = 70.0F;

private:
    int ancho_ = 1;
    int alto_ = 1;
    double escala_ = 1;
    double centroE_ = 0;
    double centroN_ = 0;
};

// The grid lines and labels in view, the scale bar and the list's line.
Primitivas Dibujar(const ListaDibujo& lista, const VistaDibujo& vista);

// The point nearest the pixel within `radio` pixels; its index in the list.
std::optional<std::size_t> PuntoEn(const ListaDibujo& lista, const VistaDibujo& vista, PuntoPx p,
                                   float radio = kRadioMarca);

// "Punto 17 (línea 17): 610123,4741234".
std::string TextoPunto(const ListaDibujo& lista, std::size_t indice);

}  // namespace varnel::logica
