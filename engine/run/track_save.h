#pragma once

#include "engine/core/shared_state.h"
#include "engine/run/run_request.h"
#include "engine/run/run_result.h"

namespace varnel {

// The box's list as a GPX, KML or KMZ track: every line read by the list's own
// reader (error 13 on the first that is not a point), each point counted,
// then the file written whole through a temporary file. A list without a
// point writes nothing.
void GuardarTraza(const PeticionGuardado& peticion, EstadoCompartido& estado, ResultadoEjecucion& resultado);

}  // namespace varnel
