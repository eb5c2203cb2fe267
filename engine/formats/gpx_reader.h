#pragma once

#include <memory>
#include <string_view>

#include "engine/formats/point_reader.h"
#include "engine/platform/byte_source.h"

namespace varnel::gpx {

// A GPX 1.0 or 1.1 root, whatever its prefix.
bool EsRaiz(std::string_view nombre, std::string_view espacio);

// The points of a GPX file in one pass: the track points of every track and
// segment; without any, the route points; without those, the waypoints (the
// line of the point's tag). Waypoints and routes come before tracks in a
// valid file, so they are held until the first track point drops them (or
// the end hands them out), and a refusal among them counts only if they do.
std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes);

}  // namespace varnel::gpx
