#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/line_source.h"

namespace varnel {

// An exchange file open for reading, read as a stream of lines. Lines end at
// CR LF, LF or a lone CR; the line end is not part of the line. The file is
// Windows-1252; lines are delivered as UTF-8.
class LectorLineas : public FuenteLineas {
public:
    // Refuses anything that is not a regular file (or a link to one) with
    // error 75 before opening it, so a named pipe never blocks the window.
    explicit LectorLineas(const std::filesystem::path& ruta);
    ~LectorLineas() override;
    LectorLineas(const LectorLineas&) = delete;
    LectorLineas& operator=(const LectorLineas&) = delete;

    // The next line into `linea`; false when nothing is left.
    bool SiguienteLinea(std::string& linea) override;
    std::string DescribirLinea() const override;
    const std::filesystem::path& Ruta() const { return ruta_; }
    void Cerrar();

private:
    bool Rellenar();
    bool LeerBytesLinea(std::string& linea);

    std::filesystem::path ruta_;
    std::FILE* fichero_ = nullptr;
    std::vector<char> bufer_;
    std::string crudo_;
    std::size_t pos_ = 0;
    std::size_t fin_ = 0;
    bool saltarLf_ = false;  // the last line ended in CR: a following LF belongs to it
    std::int64_t numeroLinea_ = 0;
};

}  // namespace varnel
