#pragma once

#include "engine/geodesy/transverse_mercator.h"

namespace varnel {

// ED50 (International 1924) to ETRS89 / WGS 84 and back: EPSG:1633, the
// seven-parameter Helmert shift of mainland Spain but its northwest (position
// vector convention; tx -131 m, ty -100.3 m, tz -163.4 m, rx -1.244", ry
// -0.020", rz -1.144", scale +9.39 ppm), done as PROJ does it: the point on its
// ellipsoid (height 0) to geocentric coordinates, the shift, and back to
// latitude and longitude on the other ellipsoid, the height dropped. The way
// back applies PROJ's inverse: the point at height 0 on WGS 84, the
// translation taken off, the scale divided out and the transposed rotation;
// so there and back misses the start by up to 2 mm, as PROJ's does.
// Degrees in and out; no allocation, the constants worked out at compile time.
PosicionGeografica Ed50AEtrs89(PosicionGeografica p);
PosicionGeografica Etrs89AEd50(PosicionGeografica p);

}  // namespace varnel
