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

// Files dropped on the window, in drop order: one run towards SITNA.
struct PeticionSoltado {
    std::vector<std::filesystem::path> ficheros;
    std::filesystem::path carpeta;
    DatumLista datumLista = DatumLista::Ed50;
};

}  // namespace varnel
