#pragma once

#include <memory>
#include <string_view>

#include "engine/formats/point_reader.h"
#include "engine/platform/byte_source.h"

namespace varnel::tcx {

// A Training Center Database root (TCX), whatever its prefix.
bool EsRaiz(std::string_view nombre, std::string_view espacio);

// The points of a TCX file in one pass: the Trackpoints that have a Position,
// of activities and courses, in file order; without any, the course points.
// A Trackpoint without a Position is no point (a pause, an indoor lap).
std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes);

}  // namespace varnel::tcx
