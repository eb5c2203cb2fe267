#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/run_error.h"
#include "engine/formats/exchange_file.h"
#include "engine/geodesy/file_point.h"
#include "engine/geodesy/list_datum.h"

namespace varnel {

// How a run ended, as data for the window to show. What reached the files
// stays whichever way it ended.
struct ResultadoEjecucion {
    std::int16_t puntos = 0;  // counted, also when it ended in an error
    // Runs towards SITNA: the list as the box shows it (the points read
    // before an error included). Nothing for runs from SITNA.
    std::optional<std::string> lista;
    std::vector<std::filesystem::path> escritos;  // files opened for writing, in order
    // The exchange file written; nothing for a file the user named.
    std::optional<FicheroIntercambio> salida = FicheroIntercambio::ListaSitna;
    // A track saved from a box that holds no point: no file was written.
    bool sinPuntos = false;
    std::filesystem::path rutaSalida;  // the output's path, as the summary names it
    DatumLista datumLista = DatumLista::Ed50;
    std::vector<DatumFichero> desplazadosDe;
    int sinPosicion =
        0;  // points of a drop skipped for having no position  // the datums points were shifted from, in the order met
    std::optional<ErrorEjecucion> error;
};

}  // namespace varnel
