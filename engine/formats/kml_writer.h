#pragma once

#include <string>

#include "engine/formats/track_document.h"

namespace varnel {

// KML 2.2: one document, one placemark named after the file holding the
// points as a line that follows the ground (a single point as a point: a
// line needs two). UTF-8, LF line ends.
std::string DocumentoKml(const TrazaWgs84& traza);

}  // namespace varnel
