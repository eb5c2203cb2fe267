#pragma once

#include <cstddef>
#include <string_view>

#include "engine/formats/comma_fields.h"
#include "engine/formats/line_reading.h"
#include "engine/geodesy/list_datum.h"

namespace varnel {

// The first line of every OziExplorer file the program writes: the list's
// datum under OziExplorer's name for it ("European 1950", "WGS 84"), CR LF.
constexpr std::string_view CabeceraOzi(DatumLista datum) {
    return datum == DatumLista::Etrs89 ? "Datum,WGS 84\r\n" : "Datum,European 1950\r\n";
}

// The two layouts an OziExplorer file may come in.
struct FormaOzi {
    // OziExplorer's own file: its first line starts with this; line 2 names
    // the datum; the header is `lineasCabecera` lines long; records hold
    // latitude and longitude in decimal degrees.
    std::string_view marcaPropia;
    int lineasCabecera;
    FormaRegistro geograficas;
    // The text export: a header line unless it is a record itself
    // ("Datum,<name>" gives the ellipsoid), records in UTM with their zone.
    FormaRegistro utm;
};

// Reads either layout, each point as the file holds it, on the datum its
// header names (a text export whose first line names none: the list's).
class LectorOzi : public LectorFormato {
public:
    explicit LectorOzi(const FormaOzi& forma) : forma_(forma) {}

protected:
    Lectura Interpretar(std::string_view linea, PuntoFichero& p) override;

private:
    Lectura LeerPrimeraLinea(std::string_view linea, PuntoFichero& p);
    Lectura LeerUtm(std::string_view linea, PuntoFichero& p);
    Lectura LeerGeograficas(std::string_view linea, PuntoFichero& p);

    const FormaOzi& forma_;
    bool vistaPrimera_ = false;
    bool propio_ = false;
    int linea_ = 0;  // lines of the file seen, for the own layout's header
};

}  // namespace varnel
