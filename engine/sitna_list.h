#pragma once

#include <cstdint>
#include <string>

#include "value.h"

namespace varnel {

// One line of "Sitna-Descargar.txt": easting as "000000", a comma, northing
// as "0000000", CR LF.
std::string LineaListaSitna(const Valor& x, const Valor& y);

// Appends one entry to the box text: CR LF before every entry but the first
// (`primeraEntrada` is -1 until the first one is in), then the values as read.
void AnadirEntradaCaja(std::string& caja, std::int16_t& primeraEntrada, const Valor& x, const Valor& y);

}  // namespace varnel
