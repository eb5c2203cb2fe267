#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <vector>

#include "engine/formats/gpx_kml_reader.h"

namespace varnel::prueba {

// A point as a GPX or KML reader hands it out.
struct PuntoGps {
    double latitud;
    double longitud;
    std::int64_t linea;
    bool operator==(const PuntoGps&) const = default;
};

inline void PrintTo(const PuntoGps& p, std::ostream* os) {
    *os << "(" << p.latitud << ", " << p.longitud << ", línea " << p.linea << ")";
}

// Every point the reader gives, in order, into `puntos`; a refusal is left
// to propagate once the points before it are in.
inline void LeerPuntosGps(const std::filesystem::path& ruta, std::vector<PuntoGps>& puntos) {
    LectorGpxKml lector(ruta);
    PosicionGeografica p{};
    std::int64_t linea = 0;
    while (lector.Siguiente(p, linea)) puntos.push_back({p.latitud, p.longitud, linea});
}

inline std::vector<PuntoGps> PuntosGps(const std::filesystem::path& ruta) {
    std::vector<PuntoGps> puntos;
    LeerPuntosGps(ruta, puntos);
    return puntos;
}

}  // namespace varnel::prueba
