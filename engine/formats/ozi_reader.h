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

// The first line of OziExplorer's own files, and the layout of each kind.
inline constexpr std::string_view kMarcaWpt = "OziExplorer Waypoint File Version";
inline constexpr std::string_view kMarcaPlt = "OziExplorer Track Point File Version";

// Waypoints: the text export's fifth and sixth fields are the point, the
// fourth its zone; a .wpt has latitude and longitude in fields 3 and 4 after
// a four-line header.
inline constexpr FormaOzi kFormaWaypoints{
    .marcaPropia = kMarcaWpt,
    .lineasCabecera = 4,
    .geograficas = {4, 2, 3},
    .utm = {6, 4, 5, 3},
};

// Tracks: the text export's fourth and fifth fields are the point, the third
// its zone; a .plt has latitude and longitude in fields 1 and 2 after a
// six-line header.
inline constexpr FormaOzi kFormaTrack{
    .marcaPropia = kMarcaPlt,
    .lineasCabecera = 6,
    .geograficas = {2, 0, 1},
    .utm = {5, 3, 4, 2},
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
