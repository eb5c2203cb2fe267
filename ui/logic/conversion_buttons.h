#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/run/conversion.h"
#include "ui/logic/control_name.h"

namespace varnel::logica {

// The main window's conversion buttons and what each runs.
struct BotonConversion {
    NombreControl boton;
    Conversion conversion;
};

inline constexpr std::array<BotonConversion, 5> kBotonesConversion{{
    {"cmdSitnaWpOzi", conversiones::SitnaWpOzi},
    {"cmdSitnaTrackOzi", conversiones::SitnaTrackOzi},
    {"cmdWpOziSitna", conversiones::WpOziSitna},
    {"cmdTrackOziSitna", conversiones::TrackOziSitna},
    {"cmdMapsourceSitna", conversiones::MapsourceSitna},
}};

// The conversion a control runs; nothing for any other control.
constexpr std::optional<Conversion> ConversionDeBoton(std::string_view control) {
    for (const BotonConversion& b : kBotonesConversion)
        if (b.boton.Ver() == control) return b.conversion;
    return std::nullopt;
}

}  // namespace varnel::logica
