#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnel::prueba {

// Reads `datos` as a dropped GPS file (GPX or KML, or anything else) from a
// scratch folder and checks what must hold for any input:
// - recognition and reading end in points or in the refusal of error 13,
//   never another error; the reader agrees with the recognition;
// - every point is on the globe, on a line of the file, lines never going
//   back; a refusal names a line of the file;
// - a second reading gives the same; the file is left as it was.
// Returns a description of the first property that fails.
std::optional<std::string> ComprobarFicheroGps(std::string_view datos);

}  // namespace varnel::prueba
