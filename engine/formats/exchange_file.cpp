#include "engine/formats/exchange_file.h"

#include "engine/formats/mapsource_export.h"
#include "engine/formats/ozi_track.h"
#include "engine/formats/ozi_waypoints.h"
#include "engine/formats/sitna_list.h"

namespace varnel {
namespace {

constexpr FormatoFichero kListaSitna{
    "Sitna-Descargar.txt", lista_sitna::CrearLector, false, false, lista_sitna::EscribirPunto, false};
constexpr FormatoFichero kWaypointsOzi{
    "Sitna-OziWp.txt", waypoints_ozi::CrearLector, true, true, waypoints_ozi::EscribirPunto, false};
constexpr FormatoFichero kTrackOzi{
    "Sitna-OziTrack.txt", track_ozi::CrearLector, true, true, track_ozi::EscribirPunto, false};
constexpr FormatoFichero kMapsource{
    "Sitna-Mapsource.txt", exportacion_mapsource::CrearLector, false, false, nullptr, true};

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
