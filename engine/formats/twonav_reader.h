#pragma once

#include <memory>
#include <string_view>

#include "engine/formats/point_reader.h"
#include "engine/platform/byte_source.h"

namespace varnel::twonav {

// A TwoNav / CompeGPS text file starts with its header: "B  UTF-8", "G  datum"
// or "U  0"/"U  1" (one letter, blanks, the value).
bool EsCabecera(std::string_view primeraLinea);

// The points of a TwoNav / CompeGPS text file (.trk, .wpt, .rte): its "T"
// track points; without any, its "W" waypoints (a route's too). "G" names the
// datum (ED50, WGS 84, ETRS89; any other is refused), "U  0" makes positions
// UTM ("30T 612345.6 4745678.9"), "U  1" latitude and longitude
// ("42.5ºN 1.6ºW", the degree sign in any encoding). A UTM zone that does not
// hold its point is refused, and so is a malformed position.
std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes);

}  // namespace varnel::twonav
