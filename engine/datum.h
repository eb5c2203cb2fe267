#pragma once

#include <string_view>

#include "engine/transverse_mercator.h"

namespace varnel {

// The ellipsoid a datum named in a file is on, as MapSource and OziExplorer
// name them: "WGS 84"; the ETRS89 / GRS 80 names; "European 1950" and every
// name that starts with it ("European 1950 (Spain and Portugal)"). Blanks,
// hyphens and case do not matter. Null for any other datum: the program never
// shifts datum, so it cannot take a point on one it does not know.
const Elipsoide* ElipsoideDeDatum(std::string_view nombre);

}  // namespace varnel
