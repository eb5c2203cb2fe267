#pragma once

#include <string>

#include "engine/formats/track_document.h"

namespace varnel {

// GPX 1.1: one track named after the file, one segment, a track point per
// list point. UTF-8, LF line ends.
std::string DocumentoGpx(const TrazaWgs84& traza);

}  // namespace varnel
