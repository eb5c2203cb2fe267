#pragma once

#include <string>

#include "engine/line_reading.h"
#include "engine/line_source.h"

namespace varnel {

// Reads the points of a source line by line, each line through its format.
// A line that should be a point and is not one is error 13 naming the line.
class LectorPuntos {
public:
    // With `conCabecera`, the first line that is not blank is a header and
    // is skipped unless it is a point itself; a source without any line is
    // then error 62.
    LectorPuntos(FuenteLineas& fuente, LeerLineaFn leer, bool conCabecera);

    // The next point; false when the source is exhausted.
    bool Siguiente(Valor& x, Valor& y);

private:
    FuenteLineas& fuente_;
    LeerLineaFn leer_;
    bool pendienteCabecera_;
    std::string linea_;
};

}  // namespace varnel
