#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/logic/controls.h"
#include "ui/logic/drawing_view.h"
#include "ui/logic/settings_store.h"

// The rules of the "Dibujo de la lista" window, whatever toolkit draws it: it
// reads the Cuadro Descargar's text, keeps the view, answers the mouse and
// the keys, and says what to draw. The toolkit forwards its events here and
// paints Primitivas().
namespace varnel::logica {

// Where the window stood, in screen pixels, kept with the datum choice.
struct Geometria {
    int x = 0;
    int y = 0;
    int ancho = 640;
    int alto = 480;
    bool operator==(const Geometria&) const = default;
};
std::optional<Geometria> LeerGeometria(const AlmacenAjustes& ajustes);
void GuardarGeometria(AlmacenAjustes& ajustes, const Geometria& g);

// The keys the window answers.
enum class Tecla { Mas, Menos, Izquierda, Derecha, Arriba, Abajo, Cero, Escape };

class LogicaDibujo {
public:
    // `seleccionarLinea` selects a line of the Cuadro Descargar (1-based) and
    // brings it into view.
    explicit LogicaDibujo(std::function<void(std::int64_t)> seleccionarLinea)
        : seleccionarLinea_(std::move(seleccionarLinea)) {}

    // The box's text changed (or the datum): read it again. A view the user
    // has not moved fits the new list.
    void Leer(std::string_view texto, DatumLista datum);
    // The drawing area's size in pixels.
    void Tamano(int ancho, int alto);

    // Each returns whether the drawing changed.
    bool Rueda(PuntoPx sobre, double pasos);  // positive: closer
    void Pulsar(PuntoPx p);
    bool Mover(PuntoPx p, bool botonPulsado);
    // A release without a drag is a click: it selects the point's line in the box.
    bool Soltar(PuntoPx p);
    bool DobleClic() { return Ajustar(); }
    bool Ajustar();
    // False for Escape: the window closes.
    bool Pulsada(Tecla t);

    Primitivas Dibujo() const;
    const std::string& Resumen() const { return resumen_; }
    const ListaDibujo& Lista() const { return lista_; }
    const VistaDibujo& Vista() const { return vista_; }

    // The save dialog for the picture, proposing "Sitna.png" in `carpeta`.
    static DialogoGuardado DialogoImagen(const std::filesystem::path& carpeta);

private:
    ListaDibujo lista_;
    VistaDibujo vista_;
    std::string resumen_ = "Cuadro Descargar sin puntos";
    std::function<void(std::int64_t)> seleccionarLinea_;
    bool ajustada_ = true;  // the view fits the list until the user moves it
    std::optional<PuntoPx> pulsado_;
    PuntoPx anterior_;
    bool arrastrando_ = false;
    std::optional<std::size_t> bajoPuntero_;
};

}  // namespace varnel::logica
