#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnel::prueba {

// Which reader a fuzz input feeds.
enum class Objetivo {
    ListaSitnaFichero,  // "Sitna-Descargar.txt", to Ozi waypoints and track
    ListaSitnaCuadro,   // the box text, to Ozi waypoints and track
    WaypointsOzi,       // "Sitna-OziWp.txt"
    TrackOzi,           // "Sitna-OziTrack.txt"
    Mapsource,          // "Sitna-Mapsource.txt"
    // The same files behind a fixed header, so every input reaches the
    // geographic readers: OziExplorer's own waypoint and track files, and a
    // MapSource export in degrees and minutes on WGS 84.
    WaypointsOziPropios,
    TrackOziPropio,
    MapsourceGeografico,
};

// Runs the real conversion(s) for `datos` in a scratch folder and checks,
// on the run's result as the window words it, what must hold for any input:
// - the run ends with the summary or with one error report of a known code;
// - after a summary, the output read back by its own reader gives exactly the
//   points counted, in order (and so does the box list of a run towards SITNA);
// - the input file is left byte for byte as it was.
// Returns a description of the first property that fails.
std::optional<std::string> ComprobarConversion(Objetivo objetivo, std::string_view datos);

// Number reading and the zero-filled formats: text that reads as a number
// formats to digits only, at least as wide as asked, and reads back to the
// same whole number; a number's text reads back to the same number.
std::optional<std::string> ComprobarFormatos(std::string_view datos);

}  // namespace varnel::prueba
