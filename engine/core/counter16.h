#pragma once

#include <cstdint>
#include <limits>

#include "engine/core/run_error.h"

namespace varnel {

// A signed 16-bit count: leaving -32768..32767 is run-time error 6.
class Contador16 {
public:
    constexpr Contador16() = default;

    constexpr std::int16_t Valor() const { return valor_; }
    void Poner(std::int16_t v) { valor_ = v; }

    void Incrementar() { valor_ = Sumar(1); }

    // valor + n in 16 bits, as a new 16-bit number.
    std::int16_t Sumar(int n) const {
        const int r = int{valor_} + n;
        if (r > std::numeric_limits<std::int16_t>::max() || r < std::numeric_limits<std::int16_t>::min())
            throw ErrorEjecucion(codigo::Desbordamiento);
        return static_cast<std::int16_t>(r);
    }

private:
    std::int16_t valor_ = 0;
};

}  // namespace varnel
