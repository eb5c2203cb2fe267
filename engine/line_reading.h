#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "engine/value.h"

namespace varnel {

// What one line of an exchange file turned out to be.
enum class Lectura {
    Punto,          // a point, now in the caller's easting and northing
    LineaIgnorada,  // a line that carries no point (blank, a header, not a track point)
    NoEsPunto,      // a line that should be a point and is not one (error 13)
};

// How a format reads its lines into points. It sees every line of its source
// in order, blank ones included, so it may keep what a header said.
class LectorFormato {
public:
    virtual ~LectorFormato() = default;
    // Sets easting and northing only when the line is a point.
    Lectura Leer(std::string_view linea, Valor& x, Valor& y) {
        motivo_.clear();
        return Interpretar(linea, x, y);
    }
    // Why the last line read was refused; empty when it is simply not of the
    // expected type.
    const std::string& Motivo() const { return motivo_; }

protected:
    virtual Lectura Interpretar(std::string_view linea, Valor& x, Valor& y) = 0;
    Lectura Rechazar(std::string motivo) {
        motivo_ = std::move(motivo);
        return Lectura::NoEsPunto;
    }

private:
    std::string motivo_;
};

using CrearLectorFn = std::unique_ptr<LectorFormato> (*)();

}  // namespace varnel
