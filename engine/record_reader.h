#pragma once

#include <cstddef>
#include <string>

#include "line_source.h"
#include "value.h"

namespace varnel {

// Which comma fields of a record hold the point (0-based), and how many
// fields a record needs at least.
struct FormaRegistro {
    std::size_t camposMinimos;
    std::size_t campoX;
    std::size_t campoY;
};

inline constexpr FormaRegistro kRegistroSitna{2, 0, 1};
inline constexpr FormaRegistro kRegistroWaypointOzi{6, 4, 5};
inline constexpr FormaRegistro kRegistroTrackOzi{5, 3, 4};

// Reads one point per line. Blank lines are skipped; a line with too few
// fields, or whose easting or northing is not a number, is error 13 naming
// the line. Fields after the ones used are ignored.
class LectorRegistros {
public:
    // With `conCabecera`, the first line is a header and is skipped unless it
    // is a valid record itself; a source without any line is then error 62.
    LectorRegistros(FuenteLineas& fuente, FormaRegistro forma, bool conCabecera);

    // The next point; false when the source is exhausted.
    bool Siguiente(Valor& x, Valor& y);

private:
    bool Interpretar(const std::string& linea, Valor& x, Valor& y) const;

    FuenteLineas& fuente_;
    FormaRegistro forma_;
    bool pendienteCabecera_;
    std::string linea_;
};

}  // namespace varnel
