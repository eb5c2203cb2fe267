#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/geodesy/transverse_mercator.h"

namespace varnel {

// The SITNA list as one track for a GPS device or a map: its points in list
// order, on WGS 84, and the texts the file carries.
struct TrazaWgs84 {
    std::string_view nombre;       // the track's, the file's stem (UTF-8, any text)
    std::string_view creador;      // "Varnel 1.00"
    std::string_view descripcion;  // where the points came from, on which datum
    const std::vector<PosicionGeografica>& puntos;
};

// Degrees with seven decimals (about a centimetre), a full stop whatever the
// locale: "-1.6458333".
void AnadirGrados(std::string& documento, double grados);

}  // namespace varnel
