#pragma once

#include <memory>
#include <string_view>

#include "engine/formats/point_reader.h"
#include "engine/platform/byte_source.h"

namespace varnel::fit {

// A FIT file's first bytes: a 12 or 14 byte header naming ".FIT".
bool EsCabecera(std::string_view inicio);

// The positions of a FIT file, WGS 84: its record messages' in order, or
// without any, its course points'. Several files chained in one are read
// one after the other. The whole file is checked (sizes, definitions,
// CRCs) before the first point goes out; a refusal names the file and the
// byte where it was found.
std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes);

}  // namespace varnel::fit
