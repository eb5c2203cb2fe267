#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/formats/line_reading.h"
#include "engine/formats/point_destination.h"

namespace varnel::lista_sitna {

// The SITNA point list, as "Sitna-Descargar.txt" and as the Cuadro Descargar
// box: one "easting,northing" line per point.

// Lines of the file or the box: blank lines carry no point, fields after the
// northing are ignored.
std::unique_ptr<LectorFormato> CrearLector();

// One line of the file: easting as "000000", a comma, northing as "0000000", CR LF.
std::string LineaFichero(const Valor& x, const Valor& y);
// The same into `linea`, reusing its buffer.
void PonerLineaFichero(std::string& linea, const Valor& x, const Valor& y);

// Appends one entry to the box text: CR LF before every entry but the first
// (`primeraEntrada` is -1 until the first one is in), then the values as read.
void AnadirEntradaCaja(std::string& caja, std::int16_t& primeraEntrada, const Valor& x, const Valor& y);

// The list writer: the point to the file, counted, then to the box.
void EscribirPunto(DestinoPunto& destino);

}  // namespace varnel::lista_sitna
