#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/geodesy/list_datum.h"
#include "engine/run/conversion.h"

namespace varnel {

// Which of the three Garmin display options a waypoint file gets.
enum class OpcionGarmin { Option1, Option2, Option3 };

// What a conversion run is asked to do. Texts are UTF-8; the box text has
// CR LF between lines.
struct PeticionConversion {
    Conversion conversion;
    std::filesystem::path carpeta;  // the exchange folder
    // The box text, when it is the input instead of the list file; only a
    // conversion from the SITNA list looks at it.
    std::optional<std::string> cuadro;
    OpcionGarmin opcionGarmin = OpcionGarmin::Option1;
    DatumLista datumLista = DatumLista::Ed50;  // every point read is brought to it
};

// The SITNA list in the box saved as a track for a GPS device or a map.
enum class FormatoTraza { Gpx, Kml, Kmz };

struct PeticionGuardado {
    std::string cuadro;             // the box text, read as a SITNA list
    std::filesystem::path destino;  // the file the user chose; its stem names the track
    FormatoTraza formato = FormatoTraza::Gpx;
    DatumLista datumLista = DatumLista::Ed50;  // the datum the list's points are on
    std::string creador;                       // the program and version the file names
};

// Files dropped on the window, in drop order: one run towards SITNA.
struct PeticionSoltado {
    std::vector<std::filesystem::path> ficheros;
    std::filesystem::path carpeta;
    DatumLista datumLista = DatumLista::Ed50;
};

}  // namespace varnel
