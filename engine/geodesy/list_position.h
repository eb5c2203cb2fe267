#pragma once

#include "engine/geodesy/list_datum.h"
#include "engine/geodesy/transverse_mercator.h"

namespace varnel {

// A point of the SITNA list (zone 30, on the list's datum) as a GPS holds it:
// latitude and longitude on WGS 84. The zone's inverse on the datum's
// ellipsoid, then, for ED50, the same shift the lists are read with (IGN's grid,
// EPSG:1633 where it does not reach).
PosicionGeografica Wgs84DeLista(PosicionUtm punto, DatumLista datum);

}  // namespace varnel
