#pragma once

#include <array>
#include <string_view>

#include "engine/formats/exchange_file.h"

namespace varnel {

// One conversion button: what it reads and writes and how its run reports.
struct Conversion {
    std::string_view boton;
    // The SITNA list is read from the box instead when ChkDescargar is ticked.
    FicheroIntercambio entrada;
    // Towards SITNA the list goes to its file and to the box.
    FicheroIntercambio salida;
    // Emptied before anything else; a run from the SITNA list file empties it
    // just before opening that file instead.
    bool vaciaCajaAlEmpezar;
    // MapSource writes a point to the file before counting it (and to the box
    // after), so an overflowing 32 768th point reaches the file only.
    bool cuentaTrasEscribirFichero;
    std::string_view textoMedio;     // "Generados " count, this, the path
    FicheroIntercambio rutaResumen;  // the path the summary names
    FicheroIntercambio rutaError53;  // the path added after error 53
};

namespace conversiones {

inline constexpr Conversion SitnaWpOzi{
    .boton = "cmdSitnaWpOzi",
    .entrada = FicheroIntercambio::ListaSitna,
    .salida = FicheroIntercambio::WaypointsOzi,
    .vaciaCajaAlEmpezar = false,
    .cuentaTrasEscribirFichero = false,
    .textoMedio = " Waypoints en ",
    .rutaResumen = FicheroIntercambio::WaypointsOzi,
    .rutaError53 = FicheroIntercambio::ListaSitna,
};

inline constexpr Conversion SitnaTrackOzi{
    .boton = "cmdSitnaTrackOzi",
    .entrada = FicheroIntercambio::ListaSitna,
    .salida = FicheroIntercambio::TrackOzi,
    .vaciaCajaAlEmpezar = false,
    .cuentaTrasEscribirFichero = false,
    .textoMedio = " Puntos de Track en ",
    .rutaResumen = FicheroIntercambio::TrackOzi,
    .rutaError53 = FicheroIntercambio::ListaSitna,
};

inline constexpr Conversion WpOziSitna{
    .boton = "cmdWpOziSitna",
    .entrada = FicheroIntercambio::WaypointsOzi,
    .salida = FicheroIntercambio::ListaSitna,
    .vaciaCajaAlEmpezar = true,
    .cuentaTrasEscribirFichero = false,
    .textoMedio = " Puntos en ",
    .rutaResumen = FicheroIntercambio::ListaSitna,
    .rutaError53 = FicheroIntercambio::WaypointsOzi,
};

inline constexpr Conversion TrackOziSitna{
    .boton = "cmdTrackOziSitna",
    .entrada = FicheroIntercambio::TrackOzi,
    .salida = FicheroIntercambio::ListaSitna,
    .vaciaCajaAlEmpezar = true,
    .cuentaTrasEscribirFichero = false,
    .textoMedio = " Puntos en ",
    .rutaResumen = FicheroIntercambio::ListaSitna,
    .rutaError53 = FicheroIntercambio::TrackOzi,
};

inline constexpr Conversion MapsourceSitna{
    .boton = "cmdMapsourceSitna",
    .entrada = FicheroIntercambio::Mapsource,
    .salida = FicheroIntercambio::ListaSitna,
    .vaciaCajaAlEmpezar = true,
    .cuentaTrasEscribirFichero = true,
    .textoMedio = " Puntos en ",
    .rutaResumen = FicheroIntercambio::ListaSitna,
    .rutaError53 = FicheroIntercambio::Mapsource,
};

inline constexpr std::array<Conversion, 5> Todas{SitnaWpOzi, SitnaTrackOzi, WpOziSitna, TrackOziSitna, MapsourceSitna};

}  // namespace conversiones
}  // namespace varnel
