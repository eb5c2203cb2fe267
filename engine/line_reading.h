#pragma once

#include "engine/value.h"

namespace varnel {

// What one line of an exchange file turned out to be.
enum class Lectura {
    Punto,          // a point, now in the caller's easting and northing
    LineaIgnorada,  // a line that carries no point (blank, or not a track point)
    NoEsPunto,      // a line that should be a point and is not one (error 13)
};

// How a format reads one line into a point: easting and northing are set
// only when the line is one.
using LeerLineaFn = Lectura (*)(std::string_view linea, Valor& x, Valor& y);

}  // namespace varnel
