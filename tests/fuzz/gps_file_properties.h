#pragma once

#include <optional>
#include <string>
#include <string_view>

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

}  // namespace varnel::prueba
