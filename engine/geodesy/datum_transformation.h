#pragma once

#include "engine/geodesy/ntv2_grid.h"
#include "engine/geodesy/transverse_mercator.h"

namespace varnel {

// ED50 (International 1924) to ETRS89 / WGS 84 and back, as PROJ picks the
// operation when it has IGN's grid: the grid SPED2ETV2 (EPSG:15932, 0.2 m)
// wherever it reaches (mainland Spain and the Balearic Islands), EPSG:1633
// (1.5 m) elsewhere, without a word, as PROJ falls back to it. The way back
// asks the grid about the ETRS89 point, as PROJ does. Degrees in and out.
PosicionGeografica Ed50AEtrs89(PosicionGeografica p);
PosicionGeografica Etrs89AEd50(PosicionGeografica p);
// The same for a run of points, the grid's last cell kept in `celda`.
PosicionGeografica Ed50AEtrs89(PosicionGeografica p, CeldaNtv2& celda);
PosicionGeografica Etrs89AEd50(PosicionGeografica p, CeldaNtv2& celda);

// EPSG:1633 alone, the
// seven-parameter Helmert shift of mainland Spain but its northwest (position
// vector convention; tx -131 m, ty -100.3 m, tz -163.4 m, rx -1.244", ry
// -0.020", rz -1.144", scale +9.39 ppm), done as PROJ does it: the point on its
// ellipsoid (height 0) to geocentric coordinates, the shift, and back to
// latitude and longitude on the other ellipsoid, the height dropped. The way
// back applies PROJ's inverse: the point at height 0 on WGS 84, the
// translation taken off, the scale divided out and the transposed rotation;
// so there and back misses the start by up to 2 mm, as PROJ's does.
// Degrees in and out; no allocation, the constants worked out at compile time.
PosicionGeografica Ed50AEtrs89Epsg1633(PosicionGeografica p);
PosicionGeografica Etrs89AEd50Epsg1633(PosicionGeografica p);

}  // namespace varnel
