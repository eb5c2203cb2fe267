#pragma once

#include <string>

namespace varnel {

// Where a reader takes its lines from: an exchange file or the box text.
class FuenteLineas {
public:
    virtual ~FuenteLineas() = default;
    // The next line as UTF-8, without its line end; false when nothing is left.
    virtual bool SiguienteLinea(std::string& linea) = 0;
    // Names the last line read for an error report: " (línea N de ...)".
    virtual std::string DescribirLinea() const = 0;
};

}  // namespace varnel
