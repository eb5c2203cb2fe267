#pragma once

#include <optional>
#include <string_view>

namespace varnel {

// The one datum the SITNA list is on, the user's choice. ED50 is the list as
// the SITNA viewer published it before 12 August 2013; ETRS89 is today's
// viewer. WGS 84 and GRS 80 count as ETRS89 here (under a metre apart in Spain).
enum class DatumLista { Ed50, Etrs89 };

// The names the choice is stored and shown under: "ED50", "ETRS89".
constexpr std::string_view NombreDatum(DatumLista d) { return d == DatumLista::Etrs89 ? "ETRS89" : "ED50"; }

// A stored name back to the choice; nothing for any other text.
constexpr std::optional<DatumLista> DatumDeNombre(std::string_view nombre) {
    if (nombre == "ED50") return DatumLista::Ed50;
    if (nombre == "ETRS89") return DatumLista::Etrs89;
    return std::nullopt;
}

}  // namespace varnel
