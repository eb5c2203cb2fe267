#pragma once

#include <optional>

#include "engine/core/value.h"
#include "engine/geodesy/transverse_mercator.h"

namespace varnel {

// The datums a file may say its points are on. ETRS89 and WGS 84 are one
// datum here, told apart only for their names and ellipsoids.
enum class DatumFichero : unsigned char { Ed50, Wgs84, Etrs89 };

// One point as its file holds it: a UTM position of some zone, or latitude
// and longitude, on the datum the file names. Readers fill it; only the
// list converter projects or shifts.
struct PuntoFichero {
    enum class Forma : unsigned char { Utm, Geograficas };
    Forma forma = Forma::Utm;
    // Utm: the zone (30 also for a record that leaves its zone blank) and
    // whether its band is southern.
    int huso = 30;
    bool sur = false;
    // Utm: easting and northing as the file writes them.
    Valor x;
    Valor y;
    PosicionGeografica geo{};  // Geograficas: degrees
    // Nothing when the file does not say: then the list's own.
    std::optional<DatumFichero> datum;
};

}  // namespace varnel
