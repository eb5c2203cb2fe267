#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "engine/formats/line_reading.h"

namespace varnel::exportacion_mapsource {

// "Sitna-Mapsource.txt": MapSource's tab-delimited export, read only.

// How the export writes positions ("Grid" header line).
enum class Cuadricula { Utm, Grados, GradosMinutos, GradosMinutosSegundos };

// Reads the track points of an export. The "Grid" and "Datum" header lines
// say how positions are written (UTM on the list's datum without them); the
// last "Header" line names the Position column (the first field otherwise). A
// line that starts with "Trackpoint" (exactly) and a tab is a point, read as
// written. Every other line is ignored.
class LectorMapsource : public LectorFormato {
protected:
    Lectura Interpretar(std::string_view linea, PuntoFichero& p) override;

private:
    Lectura LeerCuadricula(std::string_view valor);
    Lectura LeerDatum(std::string_view valor);
    void LeerCabeceraColumnas(std::string_view columnas);
    Lectura LeerPosicionUtm(std::string_view campo, PuntoFichero& p);
    Lectura LeerPosicionGeografica(std::string_view campo, PuntoFichero& p);

    Cuadricula cuadricula_ = Cuadricula::Utm;
    std::size_t columnaPosicion_ = 0;
};

std::unique_ptr<LectorFormato> CrearLector();

}  // namespace varnel::exportacion_mapsource
