#pragma once

#include <string>

#include "engine/formats/line_reading.h"
#include "engine/geodesy/list_converter.h"
#include "engine/text/line_source.h"

namespace varnel {

// Reads the points of a source line by line through its format and brings
// each to the list. A line that should be a point and is not one, or whose
// point the list cannot hold, is error 13 naming the line and the reason.
class LectorPuntos {
public:
    // With `exigeLinea`, a source without any line at all is error 62 (a
    // format whose first line is a header).
    LectorPuntos(FuenteLineas& fuente, LectorFormato& formato, ConversorLista& conversor, bool exigeLinea);

    // The next point, as the list holds it; false when the source is exhausted.
    bool Siguiente(Valor& x, Valor& y);

private:
    FuenteLineas& fuente_;
    LectorFormato& formato_;
    ConversorLista& conversor_;
    bool pendientePrimera_;
    std::string linea_;
    PuntoFichero punto_;
};

}  // namespace varnel
