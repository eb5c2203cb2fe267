#pragma once

#include <filesystem>
#include <string_view>

#include "engine/core/shared_state.h"
#include "engine/formats/format_rows.h"

namespace varnel {

// The four files of the exchange folder.
enum class FicheroIntercambio { ListaSitna, WaypointsOzi, TrackOzi, Mapsource };

// An exchange file: its fixed name in the folder and the format it holds.
// The Ozi files' readers take OziExplorer's own files as well (the format's
// line reader tells the layout by the first line).
struct FormatoFichero {
    std::string_view nombre;
    const FilaFormato& fila;
    // MapSource's run counts a point after its list file line, so an
    // overflowing 32 768th point reaches the file only.
    bool cuentaTrasEscribirLista;
};

const FormatoFichero& Formato(FicheroIntercambio fichero);

// The file's full path, as the run's `CalcularNombresFichero` left it.
const std::filesystem::path& Ruta(const EstadoCompartido& estado, FicheroIntercambio fichero);

}  // namespace varnel
