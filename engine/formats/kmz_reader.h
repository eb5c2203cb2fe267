#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/formats/point_reader.h"
#include "engine/formats/track_document.h"
#include "engine/platform/byte_source.h"

namespace varnel::kmz {

// A zip archive's first bytes: a member's local header, or the end record of
// an empty archive (refused then for having no KML).
bool EsCabecera(std::string_view inicio);

// The points of a KMZ: its "doc.kml", else its first ".kml" member, read as
// KML; a refusal of the KML names the KMZ and the member's line. A broken
// archive is refused naming the file before any point goes out.
std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes);

// The track as KML, deflated into a "doc.kml".
std::string Documento(const TrazaWgs84& traza);

}  // namespace varnel::kmz
