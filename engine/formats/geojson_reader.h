#pragma once

#include <memory>
#include <string_view>

#include "engine/formats/point_reader.h"
#include "engine/platform/byte_source.h"

namespace varnel::geojson {

// A JSON object whose start names a GeoJSON type (a feature collection, a
// feature or a geometry) or one of their members.
bool EsInicio(std::string_view inicio);

// The points of a GeoJSON file: the positions of its lines (LineString,
// MultiLineString, and the rings of Polygon and MultiPolygon) in document
// order; without any line, those of its Point and MultiPoint geometries.
// Positions are longitude and latitude on WGS 84, unless the top-level
// `crs` names EPSG:25830 (ETRS89 / UTM 30) or EPSG:23030 (ED50 / UTM 30):
// then easting and northing. Any other `crs` is refused naming it; so is
// invalid JSON, nesting deeper than 64 and a number out of range. The whole
// document is read before the first point, as its `crs` may come last.
std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes);

}  // namespace varnel::geojson
