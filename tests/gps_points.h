#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <vector>

#include "engine/formats/format_rows.h"
#include "engine/formats/gpx_reader.h"
#include "engine/formats/kml_reader.h"
#include "engine/platform/byte_source.h"

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

// The GPX or KML row a file's content names; null for anything else.
inline const FilaFormato* FormatoGpsDe(const std::filesystem::path& ruta) {
    FicheroEntrada f(ruta);
    const FilaFormato* fila = ReconocerFormato(f);
    return fila == &formato::kGpx || fila == &formato::kKml ? fila : nullptr;
}

// Every point the reader gives, in order, into `puntos`; a refusal is left
// to propagate once the points before it are in. A "kml" root (in the head
// already read) is read as KML, anything else as GPX (and refused as such).
inline void LeerPuntosGps(FuenteBytes& bytes, const CabezaFichero& cabeza, std::vector<PuntoGps>& puntos) {
    bytes.Rebobinar();
    const auto lector = cabeza.raiz == "kml" ? kml::CrearLector(bytes) : gpx::CrearLector(bytes);
    PuntoFichero p;
    while (lector->Siguiente(p)) puntos.push_back({p.geo.latitud, p.geo.longitud, lector->Ubicacion().numero});
}

inline void LeerPuntosGps(FuenteBytes& bytes, std::vector<PuntoGps>& puntos) {
    const CabezaFichero cabeza = LeerCabeza(bytes);
    LeerPuntosGps(bytes, cabeza, puntos);
}

inline void LeerPuntosGps(const std::filesystem::path& ruta, std::vector<PuntoGps>& puntos) {
    FicheroEntrada f(ruta);
    LeerPuntosGps(f, puntos);
}

inline std::vector<PuntoGps> PuntosGps(const std::filesystem::path& ruta) {
    std::vector<PuntoGps> puntos;
    LeerPuntosGps(ruta, puntos);
    return puntos;
}

}  // namespace varnel::prueba
