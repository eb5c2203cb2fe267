#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/formats/line_reading.h"
#include "engine/formats/point_destination.h"

namespace varnel::waypoints_ozi {

// "Sitna-OziWp.txt": the OziExplorer waypoint text file, Windows-1252, CR LF.

// The text export (fifth and sixth fields are the point, the fourth its
// zone) or OziExplorer's own waypoint file (latitude and longitude in
// fields 3 and 4, after a four-line header whose line 2 is the datum).
std::unique_ptr<LectorFormato> CrearLector();

// The three digits of a waypoint's name and description: the last three
// characters of the point number + 1000.
std::string TresCifras(std::int16_t numeroMas1000);

// One record, in the file's code page (the mark is the single byte 0x87),
// CR LF included: WP,UTM,name,30T,easting,northing,,,description,‡,code.
std::string Registro(const Valor& x, const Valor& y, std::string_view nombre, std::string_view comentario,
                     std::string_view formatoGarmin);

// Counts the point, names it after the count and writes its record.
void EscribirPunto(DestinoPunto& destino);

}  // namespace varnel::waypoints_ozi
