#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "engine/geodesy/file_point.h"

namespace varnel {

// What one line of an exchange file turned out to be.
enum class Lectura {
    Punto,          // a point, now in the caller's PuntoFichero
    LineaIgnorada,  // a line that carries no point (blank, a header, not a track point)
    NoEsPunto,      // a line that should be a point and is not one (error 13)
};

// How a format reads its lines into points, as the file holds them. It sees
// every line of its source in order, blank ones included, so it may keep
// what a header said (the datum among it).
class LectorFormato {
public:
    virtual ~LectorFormato() = default;
    // Fills the point only when the line is one: a zone-30 UTM position on
    // the datum the file has named so far, unless the format says otherwise.
    Lectura Leer(std::string_view linea, PuntoFichero& p) {
        motivo_.clear();
        p.forma = PuntoFichero::Forma::Utm;
        p.huso = 30;
        p.sur = false;
        p.datum = datum_;
        return Interpretar(linea, p);
    }
    // Why the last line read was refused; empty when it is simply not of the
    // expected type.
    const std::string& Motivo() const { return motivo_; }

protected:
    virtual Lectura Interpretar(std::string_view linea, PuntoFichero& p) = 0;
    void PonerDatum(DatumFichero datum) { datum_ = datum; }
    Lectura Rechazar(std::string motivo) {
        motivo_ = std::move(motivo);
        return Lectura::NoEsPunto;
    }

private:
    std::string motivo_;
    std::optional<DatumFichero> datum_;  // nothing until the file names one
};

using CrearLectorFn = std::unique_ptr<LectorFormato> (*)();

}  // namespace varnel
