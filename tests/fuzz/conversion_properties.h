#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tests/fuzz/reader_properties.h"

namespace varnel::prueba {

// Runs the real conversion(s) for `datos` in a scratch folder and checks,
// on the run's result as the window words it, what must hold for any input:
// - the run ends with the summary or with one error report of a known code;
// - after a summary, the output read back by its own reader gives exactly the
//   points counted, in order (and so does the box list of a run towards SITNA);
// - the input file is left byte for byte as it was.
// Returns a description of the first property that fails.
std::optional<std::string> ComprobarConversion(Objetivo objetivo, std::string_view datos);

// Number reading and the zero-filled formats: text that reads as a number
// formats to digits only, at least as wide as asked, and reads back to the
// same whole number; a number's text reads back to the same number.
std::optional<std::string> ComprobarFormatos(std::string_view datos);

}  // namespace varnel::prueba
