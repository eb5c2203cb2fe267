#include "ui/logic/list_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/formats/sitna_list.h"
#include "engine/text/text_lines.h"

namespace varnel::logica {

void ListaDibujo::Leer(std::string_view texto) {
    puntos_.clear();
    malas_.clear();
    longitud_ = 0;
    LineasTexto lineas(texto);
    const std::unique_ptr<LectorFormato> lector = lista_sitna::CrearLector();
    std::string linea;
    PuntoFichero p;
    // Every line is looked at: one that is not a point is noted, not the end.
    while (lineas.SiguienteLinea(linea)) {
        const Lectura l = lector->Leer(linea, p);
        if (l == Lectura::LineaIgnorada) continue;
        const std::optional<double> x = p.x.ComoNumero();
        const std::optional<double> y = p.y.ComoNumero();
        if (l == Lectura::NoEsPunto || !x || !y || !std::isfinite(*x) || !std::isfinite(*y)) {
            malas_.push_back(lineas.NumeroLinea());
            continue;
        }
        if (!puntos_.empty()) longitud_ += std::hypot(*x - puntos_.back().este, *y - puntos_.back().norte);
        puntos_.push_back({*x, *y, lineas.NumeroLinea()});
    }
    if (puntos_.empty()) {
        minE_ = maxE_ = minN_ = maxN_ = 0;
        return;
    }
    const auto [e0, e1] = std::minmax_element(puntos_.begin(), puntos_.end(),
                                              [](const PuntoLista& a, const PuntoLista& b) { return a.este < b.este; });
    const auto [n0, n1] = std::minmax_element(
        puntos_.begin(), puntos_.end(), [](const PuntoLista& a, const PuntoLista& b) { return a.norte < b.norte; });
    minE_ = e0->este;
    maxE_ = e1->este;
    minN_ = n0->norte;
    maxN_ = n1->norte;
}

std::string KilometrosConComa(double metros) {
    char t[48];
    std::snprintf(t, sizeof t, "%.1f", metros / 1000.0);
    std::string s(t);
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

std::string TextoCoordenada(double valor) {
    char t[48];
    std::snprintf(t, sizeof t, "%.0f", valor);
    return t;
}

std::string ListaDibujo::Resumen(DatumLista datum) const {
    std::string r;
    if (puntos_.empty()) {
        r = "Cuadro Descargar sin puntos";
    } else {
        r = std::to_string(puntos_.size()) + (puntos_.size() == 1 ? " punto · " : " puntos · ");
        r += KilometrosConComa(longitud_) + " km · E " + TextoCoordenada(minE_) + "–" + TextoCoordenada(maxE_);
        r += " · N " + TextoCoordenada(minN_) + "–" + TextoCoordenada(maxN_) + " · ";
        r += NombreDatum(datum);
    }
    constexpr std::size_t kMostradas = 3;
    for (std::size_t i = 0; i < malas_.size() && i < kMostradas; ++i)
        r += (i == 0 ? " · " : "; ") + ("Línea " + std::to_string(malas_[i])) + ": no es un punto";
    if (malas_.size() > kMostradas) r += " y " + std::to_string(malas_.size() - kMostradas) + " más";
    return r;
}

}  // namespace varnel::logica
