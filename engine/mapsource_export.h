#pragma once

#include <string_view>

#include "engine/line_reading.h"

namespace varnel::exportacion_mapsource {

// "Sitna-Mapsource.txt": MapSource's tab-delimited export, read only.

// A line that starts with "Trackpoint" (exactly) and a tab is a point, read
// from its position field: "30 T 612345 4745678" or "30T 612345 4745678",
// easting and northing kept as written. Any other layout of that field
// (geographic coordinates, say) is not a point. Every other line is ignored.
Lectura LeerLinea(std::string_view linea, Valor& x, Valor& y);

}  // namespace varnel::exportacion_mapsource
