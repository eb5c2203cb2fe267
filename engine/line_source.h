#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

// The lines of a text held in memory (the Cuadro Descargar box). Lines end at
// CR LF, LF or a lone CR.
class LineasTexto : public FuenteLineas {
public:
    explicit LineasTexto(std::string_view texto) : texto_(texto) {}
    bool SiguienteLinea(std::string& linea) override;
    std::string DescribirLinea() const override;

private:
    std::string_view texto_;
    std::size_t pos_ = 0;
    std::int64_t numeroLinea_ = 0;
};

}  // namespace varnel
