#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/formats/line_reading.h"
#include "engine/formats/point_destination.h"

namespace varnel::track_ozi {

// "Sitna-OziTrack.txt": the OziExplorer track text file, Windows-1252, CR LF.

// The text export (fourth and fifth fields are the point, the third its
// zone) or OziExplorer's own track file (latitude and longitude in fields 1
// and 2, after a six-line header whose line 2 is the datum). All tracks are
// joined.
std::unique_ptr<LectorFormato> CrearLector();

// One record of 14 fields, CR LF included; field 8 is "1" on the first
// record of the track and "0" on every later one.
std::string Registro(const Valor& x, const Valor& y, bool primero);

// Counts the point and writes its record; `PrimerPunto` marks the first.
void EscribirPunto(DestinoPunto& destino);

}  // namespace varnel::track_ozi
