#pragma once

#include <optional>
#include <string_view>

#include "engine/geodesy/file_point.h"
#include "engine/geodesy/transverse_mercator.h"

namespace varnel {

// A datum as MapSource and OziExplorer name it: "WGS 84"; the ETRS89 / GRS 80
// names; "European 1950" and every name that starts with it ("European 1950
// (Spain and Portugal)"). Blanks, hyphens and case do not matter. Nothing for
// any other datum: a point on a datum the program cannot shift is refused.
std::optional<DatumFichero> DatumDeFichero(std::string_view nombre);

// The ellipsoid its positions are projected on.
const Elipsoide& ElipsoideDe(DatumFichero datum);

// How a summary names it: "ED50", "WGS 84", "ETRS89".
std::string_view NombreCorto(DatumFichero datum);

}  // namespace varnel
