#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/formats/point_reader.h"
#include "engine/platform/byte_source.h"

namespace varnel::prueba {

// Reads `datos` from memory as a dropped GPS file (GPX or KML, or anything
// else) and checks what must hold for any input:
// - recognition and reading end in points or in the refusal of error 13,
//   never another error; what is not GPX or KML gives no point;
// - every point is on the globe, on a line of the file, lines never going
//   back; a refusal names a line of the file;
// - a second reading gives the same.
// Returns a description of the first property that fails.
std::optional<std::string> ComprobarFicheroGps(std::string_view datos);

// The same for one format's reader over any bytes (TwoNav, TCX, GeoJSON):
// points or the refusal of error 13 on a line of the file; positions on the
// globe, finite grid values; lines never going back; a second reading the same.
using CrearLectorGps = std::unique_ptr<LectorPuntosFichero> (*)(FuenteBytes& bytes);
std::optional<std::string> ComprobarLectorGps(CrearLectorGps crear, std::string_view datos);

}  // namespace varnel::prueba
