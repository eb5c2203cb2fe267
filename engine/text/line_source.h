#pragma once

#include <cstdint>
#include <string>

#include "engine/core/run_error.h"

namespace varnel {

// Where a reader takes its lines from: an exchange file or the box text.
class FuenteLineas {
public:
    virtual ~FuenteLineas() = default;
    // The next line as UTF-8, without its line end; false when nothing is left.
    virtual bool SiguienteLinea(std::string& linea) = 0;
    // The last line read, for an error report.
    virtual UbicacionLinea Ubicacion() const = 0;
    // Its number alone, without copying the path.
    virtual std::int64_t NumeroLinea() const { return Ubicacion().numero; }
};

}  // namespace varnel
