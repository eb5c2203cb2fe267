#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnel::prueba {

// Which reader a fuzz input feeds.
enum class Objetivo {
    ListaSitnaFichero,  // "Sitna-Descargar.txt"
    ListaSitnaCuadro,   // the box text
    WaypointsOzi,       // "Sitna-OziWp.txt"
    TrackOzi,           // "Sitna-OziTrack.txt"
    Mapsource,          // "Sitna-Mapsource.txt"
    // The same readers behind a fixed header, so every input reaches the
    // geographic readers: OziExplorer's own waypoint and track files, and a
    // MapSource export in degrees and minutes on WGS 84.
    WaypointsOziPropios,
    TrackOziPropio,
    MapsourceGeografico,
};
inline constexpr int kObjetivos = 8;

// Reads `datos` from memory with one reader, bringing every point to the
// list as a run does, and checks what must hold for any input:
// - reading ends in points or in an error of a known code; error 13 names a
//   line of the input, 62 only an input without lines;
// - the points written by the list writer (file and box) and by the input
//   format's own writer, if it has one, read back as the same points, in order;
// - a second reading gives the same.
// Returns a description of the first property that fails.
std::optional<std::string> ComprobarLector(Objetivo objetivo, std::string_view datos);

}  // namespace varnel::prueba
