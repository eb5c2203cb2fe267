#pragma once

#include <string>
#include <string_view>

#include "engine/line_reading.h"

namespace varnel::track_ozi {

// "Sitna-OziTrack.txt": the OziExplorer track text file, Windows-1252, CR LF.

inline constexpr std::string_view kCabecera = "Datum,European 1950\r\n";

// A track point record: its fourth and fifth fields are the point; blank
// lines carry none. (The first line, the header, is the reader's business.)
Lectura LeerLinea(std::string_view linea, Valor& x, Valor& y);

// One record of 14 fields, CR LF included; field 8 is "1" on the first
// record of the track and "0" on every later one.
std::string Registro(const Valor& x, const Valor& y, bool primero);

}  // namespace varnel::track_ozi
