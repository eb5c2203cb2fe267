#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/text/line_source.h"

namespace varnel {

// The lines of a text held in memory (the Cuadro Descargar box). Lines end at
// CR LF, LF or a lone CR. A byte-order mark pasted at its start is not text.
class LineasTexto : public FuenteLineas {
public:
    explicit LineasTexto(std::string_view texto);
    bool SiguienteLinea(std::string& linea) override;
    UbicacionLinea Ubicacion() const override;

private:
    std::string_view texto_;
    std::size_t pos_ = 0;
    std::int64_t numeroLinea_ = 0;
};

}  // namespace varnel
