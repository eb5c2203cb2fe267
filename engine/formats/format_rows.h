#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "engine/formats/line_reading.h"
#include "engine/formats/point_destination.h"
#include "engine/formats/point_reader.h"
#include "engine/formats/track_document.h"
#include "engine/platform/byte_source.h"

namespace varnel {

// What a probe sees of a file: its first line that is not blank and, after
// an OziExplorer export's "Datum," header, the next one (both without the
// blanks in front, within the first 64 lines); the XML root when the first
// starts with '<'; a JSON document's start when it starts with '{'. A binary
// format's first bytes, as they are.
struct CabezaFichero {
    std::string inicio;
    bool hayPrimera = false;
    std::string primera;
    bool haySegunda = false;
    std::string segunda;
    bool hayRaiz = false;
    std::string raiz;
    std::string espacioRaiz;
    std::string inicioJson;  // from the first '{', when the first line starts with one
};

// One format the program reads: its name, a probe by content (never by the
// file's name), a reader giving the points as the file holds them, and how
// it is written, when it is.
struct FilaFormato {
    std::string_view nombre;
    bool (*reconocer)(const CabezaFichero& cabeza);
    std::unique_ptr<LectorPuntosFichero> (*leer)(FuenteBytes& bytes);
    // A line format's reader of one line at a time (the box is read with the
    // list's); null for the XML formats.
    CrearLectorFn lineas;
    bool exigeLinea;           // a file without even a header line is error 62
    EscribirPuntoFn escribir;  // null: read only
    bool cabeceraDatum;        // its writer starts with the datum line
    // A GPS format's writer: the whole document of one track (null: none).
    std::string (*documento)(const TrazaWgs84& traza) = nullptr;
    // A GPS receiver's format: a position at latitude 0, longitude 0 is a
    // missing fix, and a file with no position at all gives no list.
    bool deGps = false;
};

namespace formato {
extern const FilaFormato kListaSitna;         // "easting,northing" lines
extern const FilaFormato kTextoWaypointsOzi;  // OziExplorer's waypoint text export
extern const FilaFormato kTextoTrackOzi;      // OziExplorer's track text export
extern const FilaFormato kWpt;                // OziExplorer's own waypoint file
extern const FilaFormato kPlt;                // OziExplorer's own track file
extern const FilaFormato kMapsource;          // MapSource's tab-delimited export, any grid
extern const FilaFormato kGpx;
extern const FilaFormato kKml;
extern const FilaFormato kKmz;
extern const FilaFormato kFit;
extern const FilaFormato kTwoNav;  // TwoNav / CompeGPS text track, waypoints or route
extern const FilaFormato kTcx;     // Garmin Training Center
extern const FilaFormato kGeoJson;
}  // namespace formato

// Every row, in the order the probes are tried.
std::span<const FilaFormato* const> Formatos();

// The start of an input, read from where `bytes` stands; the XML root is
// looked for from its first byte again. Only failures to read are thrown.
CabezaFichero LeerCabeza(FuenteBytes& bytes);

// The row whose probe takes the file; null for none.
const FilaFormato* ReconocerFormato(FuenteBytes& bytes);
// The same for a start already read.
const FilaFormato* ReconocerFormato(const CabezaFichero& cabeza);

}  // namespace varnel
