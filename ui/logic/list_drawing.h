#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/geodesy/list_datum.h"

// The Cuadro Descargar's list as the drawing sees it: the points the list
// reader takes from the box, each with its line, the lines that are not
// points, and the one-line summary shown under the drawing.
namespace varnel::logica {

struct PuntoLista {
    double este = 0;
    double norte = 0;
    std::int64_t linea = 0;  // 1-based, as the box counts its lines
};

class ListaDibujo {
public:
    // The box's text, CR LF, LF or CR between lines.
    void Leer(std::string_view texto);

    const std::vector<PuntoLista>& Puntos() const { return puntos_; }
    // The lines that should be points and are not, in order.
    const std::vector<std::int64_t>& LineasMalas() const { return malas_; }
    // Along the list, in metres.
    double Longitud() const { return longitud_; }
    double MinEste() const { return minE_; }
    double MaxEste() const { return maxE_; }
    double MinNorte() const { return minN_; }
    double MaxNorte() const { return maxN_; }

    // "3 puntos · 1,2 km · E 610000–611000 · N 4741000–4742000 · ED50", then
    // the first three lines that are not points and how many more.
    std::string Resumen(DatumLista datum) const;

private:
    std::vector<PuntoLista> puntos_;
    std::vector<std::int64_t> malas_;
    double longitud_ = 0;
    double minE_ = 0, maxE_ = 0, minN_ = 0, maxN_ = 0;
};

// Kilometres with one decimal and a decimal comma: "12,3".
std::string KilometrosConComa(double metros);
// A coordinate as the box writes it: whole metres in plain digits.
std::string TextoCoordenada(double valor);

}  // namespace varnel::logica
