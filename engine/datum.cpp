#include "engine/datum.h"

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

const Elipsoide* ElipsoideDeDatum(std::string_view nombre) {
    const std::string n = Normalizado(nombre);
    if (n == "WGS84") return &elipsoide::Wgs84;
    if (n == "ETRS89" || n == "ETRS1989" || n == "ETRF89" || n == "GRS80" || n == "ETRS89(GRS80)")
        return &elipsoide::Grs80;
    if (n.starts_with("EUROPEAN1950")) return &elipsoide::Internacional1924;
    return nullptr;
}

}  // namespace varnel
