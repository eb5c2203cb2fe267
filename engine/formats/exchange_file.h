#pragma once

#include <filesystem>
#include <string_view>

#include "engine/formats/line_reading.h"
#include "engine/formats/point_destination.h"

namespace varnel {

// The four files of the exchange folder.
enum class FicheroIntercambio { ListaSitna, WaypointsOzi, TrackOzi, Mapsource };

// What the engine knows of each exchange file.
struct FormatoFichero {
    std::string_view nombre;    // fixed name in the exchange folder
    CrearLectorFn crearLector;  // how its lines are read into points
    bool primeraLineaCabecera;  // a file without even a header line is error 62
    bool cabeceraDatum;         // its writer starts with the datum line
    EscribirPuntoFn escribir;   // how its writer puts one point (null: read only)
    // MapSource's run counts a point after its list file line, so an
    // overflowing 32 768th point reaches the file only.
    bool cuentaTrasEscribirLista;
};

const FormatoFichero& Formato(FicheroIntercambio fichero);

// The file's full path, as the run's `CalcularNombresFichero` left it.
const std::filesystem::path& Ruta(const EstadoCompartido& estado, FicheroIntercambio fichero);

}  // namespace varnel
