#include "engine/formats/exchange_file.h"

namespace varnel {
namespace {

constexpr FormatoFichero kListaSitna{"Sitna-Descargar.txt", formato::kListaSitna, false};
constexpr FormatoFichero kWaypointsOzi{"Sitna-OziWp.txt", formato::kTextoWaypointsOzi, false};
constexpr FormatoFichero kTrackOzi{"Sitna-OziTrack.txt", formato::kTextoTrackOzi, false};
constexpr FormatoFichero kMapsource{"Sitna-Mapsource.txt", formato::kMapsource, true};

}  // namespace

const FormatoFichero& Formato(FicheroIntercambio fichero) {
    switch (fichero) {
    case FicheroIntercambio::ListaSitna: return kListaSitna;
    case FicheroIntercambio::WaypointsOzi: return kWaypointsOzi;
    case FicheroIntercambio::TrackOzi: return kTrackOzi;
    case FicheroIntercambio::Mapsource: return kMapsource;
    }
    return kListaSitna;
}

const std::filesystem::path& Ruta(const EstadoCompartido& e, FicheroIntercambio fichero) {
    switch (fichero) {
    case FicheroIntercambio::ListaSitna: return e.NombreFicheroSitna;
    case FicheroIntercambio::WaypointsOzi: return e.NombreFicheroOziWp;
    case FicheroIntercambio::TrackOzi: return e.NombreFicheroOziTrack;
    case FicheroIntercambio::Mapsource: return e.NombreFicheroMapsource;
    }
    return e.NombreFicheroSitna;
}

}  // namespace varnel
