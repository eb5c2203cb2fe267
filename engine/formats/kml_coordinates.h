#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/geodesy/transverse_mercator.h"

namespace varnel {

// A point read from a file, with the line it came from.
struct PuntoLeido {
    PosicionGeografica posicion;
    std::int64_t linea;
};

// Reads "lon,lat[,alt]" as KML writes a position (WGS 84 degrees, longitude
// first); false for anything else, or a position off the globe.
bool LeerTuplaKml(std::string_view tupla, PosicionGeografica& p);

// The tuples of a KML coordinates element, separated by any whitespace, read
// as its text arrives in pieces. Only an unfinished tuple is held between
// pieces, so a text of any length reads in flat memory.
class CoordenadasKml {
public:
    // Longer than this is no position, whatever follows.
    static constexpr std::size_t kTuplaMaxima = 200;

    // A new element's text begins, on the line of its start tag; any
    // unfinished tuple is forgotten. Lines are counted from there, the same
    // with every parser (they disagree on where a piece of text is).
    void Empezar(std::int64_t linea);
    // The next piece of the text: its complete tuples go to `salida`. False
    // at a tuple that is not a position (see Rechazada).
    bool Anadir(std::string_view trozo, std::vector<PuntoLeido>& salida);
    // The text has ended: its last tuple goes to `salida`.
    bool Terminar(std::vector<PuntoLeido>& salida);

    // The tuple refused (cut at kTuplaMaxima + 1 bytes) and its line.
    const std::string& Rechazada() const { return tupla_; }
    std::int64_t LineaRechazada() const { return lineaTupla_; }

private:
    bool Cerrar(std::vector<PuntoLeido>& salida);

    std::string tupla_;
    std::int64_t linea_ = 0;
    std::int64_t lineaTupla_ = 0;
};

}  // namespace varnel
