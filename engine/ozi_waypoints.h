#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/line_reading.h"

namespace varnel::waypoints_ozi {

// "Sitna-OziWp.txt": the OziExplorer waypoint text file, Windows-1252, CR LF.

inline constexpr std::string_view kCabecera = "Datum,European 1950\r\n";

// A waypoint record: its fifth and sixth fields are the point; blank lines
// carry none. (The first line, the header, is the reader's business.)
Lectura LeerLinea(std::string_view linea, Valor& x, Valor& y);

// The three digits of a waypoint's name and description: the last three
// characters of the point number + 1000.
std::string TresCifras(std::int16_t numeroMas1000);

// One record, in the file's code page (the mark is the single byte 0x87),
// CR LF included: WP,UTM,name,30T,easting,northing,,,description,‡,code.
std::string Registro(const Valor& x, const Valor& y, std::string_view nombre, std::string_view comentario,
                     std::string_view formatoGarmin);

}  // namespace varnel::waypoints_ozi
