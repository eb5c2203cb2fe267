#include "ui/logic/drawing_view.h"

#include <algorithm>
#include <cmath>

namespace varnel::logica {
namespace {

// Beyond these the drawing says nothing more: 1 mm to the pixel, or a
// whole zone in a few pixels.
constexpr double kEscalaMaxima = 1000.0;
constexpr double kEscalaMinima = 1e-5;
constexpr float kLargoEscala = 120.0F;  // the longest scale bar, in pixels

std::string TextoDistancia(double metros) {
    if (metros < 1000) return TextoCoordenada(metros) + " m";
    return TextoCoordenada(metros / 1000) + " km";
}

}  // namespace

void VistaDibujo::Tamano(int ancho, int alto) {
    ancho_ = std::max(ancho, 1);
    alto_ = std::max(alto, 1);
}

void VistaDibujo::Ajustar(double minE, double maxE, double minN, double maxN) {
    centroE_ = (minE + maxE) / 2;
    centroN_ = (minN + maxN) / 2;
    // One point, or points in a row, still get a sensible scale: 100 m across at least.
    const double dE = std::max(maxE - minE, 100.0);
    const double dN = std::max(maxN - minN, 100.0);
    const double w = std::max(static_cast<double>(ancho_) - 2 * kMargen, 1.0);
    const double h = std::max(static_cast<double>(alto_) - 2 * kMargen, 1.0);
    escala_ = std::clamp(std::min(w / dE, h / dN), kEscalaMinima, kEscalaMaxima);
}

void VistaDibujo::Zoom(double factor, PuntoPx sobre) {
    const double e = EsteDe(sobre.x);
    const double n = NorteDe(sobre.y);
    escala_ = std::clamp(escala_ * factor, kEscalaMinima, kEscalaMaxima);
    centroE_ = e - (sobre.x - ancho_ / 2.0) / escala_;
    centroN_ = n + (sobre.y - alto_ / 2.0) / escala_;
}

void VistaDibujo::Desplazar(float dx, float dy) {
    centroE_ -= dx / escala_;
    centroN_ += dy / escala_;
}

PuntoPx VistaDibujo::APixel(double este, double norte) const {
    return {static_cast<float>(ancho_ / 2.0 + (este - centroE_) * escala_),
            static_cast<float>(alto_ / 2.0 - (norte - centroN_) * escala_)};
}

double VistaDibujo::EsteDe(float x) const { return centroE_ + (x - ancho_ / 2.0) / escala_; }
double VistaDibujo::NorteDe(float y) const { return centroN_ - (y - alto_ / 2.0) / escala_; }

double VistaDibujo::PasoRejilla() const {
    double paso = 1;
    while (paso * escala_ < kPasoMinimo) paso *= 10;
    return paso;
}

Primitivas Dibujar(const ListaDibujo& lista, const VistaDibujo& vista) {
    Primitivas d;
    d.ancho = vista.Ancho();
    d.alto = vista.Alto();

    const double paso = vista.PasoRejilla();
    for (double e = std::ceil(vista.EsteDe(0) / paso) * paso; e <= vista.EsteDe(static_cast<float>(d.ancho)); e += paso)
        d.rejilla.push_back({true, vista.APixel(e, 0).x, TextoCoordenada(e)});
    for (double n = std::ceil(vista.NorteDe(static_cast<float>(d.alto)) / paso) * paso; n <= vista.NorteDe(0);
         n += paso)
        d.rejilla.push_back({false, vista.APixel(0, n).y, TextoCoordenada(n)});

    // The longest 1, 2 or 5 times a power of ten that fits the bar.
    double metros = 1;
    for (double potencia = 1; potencia * vista.Escala() <= kLargoEscala; potencia *= 10)
        for (const double m : {1.0, 2.0, 5.0})
            if (m * potencia * vista.Escala() <= kLargoEscala) metros = m * potencia;
    d.escala = {{12.0F, static_cast<float>(d.alto) - 14.0F},
                static_cast<float>(metros * vista.Escala()),
                TextoDistancia(metros)};

    const std::vector<PuntoLista>& puntos = lista.Puntos();
    if (puntos.empty()) {
        d.aviso = "Cuadro Descargar sin puntos";
        return d;
    }
    // Points that fall on the pixel of the vertex before add nothing.
    d.traza.reserve(std::min<std::size_t>(puntos.size(), 4096));
    long ultimoX = 0;
    long ultimoY = 0;
    for (const PuntoLista& p : puntos) {
        const PuntoPx px = vista.APixel(p.este, p.norte);
        const long x = std::lround(px.x);
        const long y = std::lround(px.y);
        if (!d.traza.empty() && x == ultimoX && y == ultimoY) continue;
        d.traza.push_back(px);
        ultimoX = x;
        ultimoY = y;
    }
    // The line ends where the list does, also when its last point shared the
    // pixel before it.
    const PuntoPx fin = vista.APixel(puntos.back().este, puntos.back().norte);
    if (d.traza.size() > 1) d.traza.back() = fin;
    d.inicio = d.traza.front();
    d.fin = fin;
    return d;
}

std::optional<std::size_t> PuntoEn(const ListaDibujo& lista, const VistaDibujo& vista, PuntoPx p, float radio) {
    std::optional<std::size_t> mejor;
    float mejorDistancia = radio * radio;
    const std::vector<PuntoLista>& puntos = lista.Puntos();
    for (std::size_t i = 0; i < puntos.size(); ++i) {
        const PuntoPx q = vista.APixel(puntos[i].este, puntos[i].norte);
        const float d = (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y);
        if (d <= mejorDistancia) {  // the later of two on one spot: the one drawn on top
            mejorDistancia = d;
            mejor = i;
        }
    }
    return mejor;
}

std::string TextoPunto(const ListaDibujo& lista, std::size_t indice) {
    const PuntoLista& p = lista.Puntos().at(indice);
    return "Punto " + std::to_string(indice + 1) + " (línea " + std::to_string(p.linea) +
           "): " + TextoCoordenada(p.este) + "," + TextoCoordenada(p.norte);
}

}  // namespace varnel::logica
