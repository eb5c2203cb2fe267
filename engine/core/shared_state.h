#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "engine/core/counter16.h"
#include "engine/core/value.h"

namespace varnel {

// The values the conversions share, kept by the main window between runs
// under the names the program's design gives them.
struct EstadoCompartido {
    std::filesystem::path NombreFicheroSitna;
    std::filesystem::path NombreFicheroOziWp;
    std::filesystem::path NombreFicheroOziTrack;
    std::filesystem::path NombreFicheroMapsource;
    Contador16 Contador;
    Valor CoordX;
    Valor CoordY;
    std::int16_t PrimerPunto = 0;
    std::string FormatoGarmin;
    std::string NombrePunto;
    std::string ComentarioPunto;
};

}  // namespace varnel
