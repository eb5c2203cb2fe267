#pragma once

#include <array>

#include "engine/formats/exchange_file.h"

namespace varnel {

// One conversion: the exchange file it reads and the one it writes. Towards
// SITNA the list also goes to the box; from SITNA the list may come from the
// box instead of its file.
struct Conversion {
    FicheroIntercambio entrada;
    FicheroIntercambio salida;

    friend constexpr bool operator==(const Conversion&, const Conversion&) = default;
};

namespace conversiones {

inline constexpr Conversion SitnaWpOzi{FicheroIntercambio::ListaSitna, FicheroIntercambio::WaypointsOzi};
inline constexpr Conversion SitnaTrackOzi{FicheroIntercambio::ListaSitna, FicheroIntercambio::TrackOzi};
inline constexpr Conversion WpOziSitna{FicheroIntercambio::WaypointsOzi, FicheroIntercambio::ListaSitna};
inline constexpr Conversion TrackOziSitna{FicheroIntercambio::TrackOzi, FicheroIntercambio::ListaSitna};
inline constexpr Conversion MapsourceSitna{FicheroIntercambio::Mapsource, FicheroIntercambio::ListaSitna};

inline constexpr std::array<Conversion, 5> Todas{SitnaWpOzi, SitnaTrackOzi, WpOziSitna, TrackOziSitna, MapsourceSitna};

}  // namespace conversiones
}  // namespace varnel
