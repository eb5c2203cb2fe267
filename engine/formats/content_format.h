#pragma once

#include <filesystem>

namespace varnel {

// What a file handed to the program (dropped on the window) is, told by its
// content alone, never by its name.
enum class FormatoContenido {
    NoReconocido,
    ListaSitna,    // "easting,northing" lines
    WaypointsOzi,  // OziExplorer's .wpt, or its waypoint text export
    TrackOzi,      // OziExplorer's .plt, or its track text export
    Mapsource,     // MapSource's tab-delimited export, any grid
    Gpx,
    Kml,
};

// Reads the start of the file (its byte-order mark or UTF-16 included) and
// says what it is. A file that cannot be opened is thrown as ErrorEjecucion,
// as for every input.
FormatoContenido ReconocerFormatoContenido(const std::filesystem::path& ruta);

}  // namespace varnel
