#pragma once

#include <cstdint>
#include <string>

#include "engine/core/shared_state.h"
#include "engine/text/text_writer.h"

namespace varnel {

// Where a run puts each point it reads: the output file, and towards SITNA
// the box text too. `CoordX` and `CoordY` hold the point.
struct DestinoPunto {
    EstadoCompartido& estado;
    EscritorTexto& fichero;
    std::string& caja;
    // The list writer's first-entry flag: -1 until the first box entry.
    std::int16_t& primeraEntrada;
    // MapSource counts a point after its file line, so an overflowing
    // 32 768th point reaches the file only.
    bool cuentaTrasEscribirFichero;
    // A writer's line, kept between points so its buffer is reused.
    std::string linea = {};
};

// How a format writes one point.
using EscribirPuntoFn = void (*)(DestinoPunto& destino);

}  // namespace varnel
