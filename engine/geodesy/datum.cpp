#include "engine/geodesy/datum.h"

#include <string>

namespace varnel {
namespace {

// "European 1950 (Spain and Portugal)" → "EUROPEAN1950(SPAINANDPORTUGAL)".
std::string Normalizado(std::string_view nombre) {
    std::string s;
    for (char c : nombre) {
        if (c == ' ' || c == '\t' || c == '-' || c == '_') continue;
        s += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return s;
}

}  // namespace

std::optional<DatumFichero> DatumDeFichero(std::string_view nombre) {
    const std::string n = Normalizado(nombre);
    if (n == "WGS84") return DatumFichero::Wgs84;
    if (n == "ETRS89" || n == "ETRS1989" || n == "ETRF89" || n == "GRS80" || n == "ETRS89(GRS80)")
        return DatumFichero::Etrs89;
    if (n.starts_with("EUROPEAN1950")) return DatumFichero::Ed50;
    return std::nullopt;
}

const Elipsoide& ElipsoideDe(DatumFichero datum) {
    switch (datum) {
    case DatumFichero::Ed50: return elipsoide::Internacional1924;
    case DatumFichero::Wgs84: return elipsoide::Wgs84;
    case DatumFichero::Etrs89: return elipsoide::Grs80;
    }
    return elipsoide::Internacional1924;
}

std::string_view NombreCorto(DatumFichero datum) {
    switch (datum) {
    case DatumFichero::Ed50: return "ED50";
    case DatumFichero::Wgs84: return "WGS 84";
    case DatumFichero::Etrs89: return "ETRS89";
    }
    return "ED50";
}

}  // namespace varnel
