#include "engine/exchange_file.h"

#include "engine/mapsource_export.h"
#include "engine/ozi_track.h"
#include "engine/ozi_waypoints.h"
#include "engine/sitna_list.h"

namespace varnel {
namespace {

constexpr FormatoFichero kListaSitna{"Sitna-Descargar.txt", lista_sitna::LeerLinea, false, ""};
constexpr FormatoFichero kWaypointsOzi{"Sitna-OziWp.txt", waypoints_ozi::LeerLinea, true, waypoints_ozi::kCabecera};
constexpr FormatoFichero kTrackOzi{"Sitna-OziTrack.txt", track_ozi::LeerLinea, true, track_ozi::kCabecera};
constexpr FormatoFichero kMapsource{"Sitna-Mapsource.txt", exportacion_mapsource::LeerLinea, false, ""};

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

}  // namespace varnel
