#pragma once

#include <memory>
#include <string_view>

#include "engine/formats/point_reader.h"
#include "engine/platform/byte_source.h"

namespace varnel::kml {

// A KML 2.2 root as the OGC publishes it, or Google's 2.0 to 2.2 before that.
bool EsRaiz(std::string_view nombre, std::string_view espacio);

// The points of a KML file in one pass: the tuples of every LineString and
// LinearRing and the gx:coord of every gx:Track, in document order; without
// any, those of the Points (the line where the tuple is written, counted
// from its coordinates tag). The Points' tuples are held until a line's
// first tuple drops them, or the end hands them out. A document with
// neither but a NetworkLink is refused at the link.
std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes);

}  // namespace varnel::kml
