#pragma once

#include <string_view>

#include "engine/line_reading.h"

namespace varnel {

// The four files of the exchange folder.
enum class FicheroIntercambio { ListaSitna, WaypointsOzi, TrackOzi, Mapsource };

// What the engine knows of each exchange file.
struct FormatoFichero {
    std::string_view nombre;    // fixed name in the exchange folder
    LeerLineaFn leerLinea;      // how one line is read into a point
    bool primeraLineaCabecera;  // the first line is a header (unless it is a point)
    std::string_view cabecera;  // what a writer puts before the points
};

const FormatoFichero& Formato(FicheroIntercambio fichero);

}  // namespace varnel
