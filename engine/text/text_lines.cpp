#include "engine/text/text_lines.h"

namespace varnel {

namespace {
constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";
}  // namespace

LineasTexto::LineasTexto(std::string_view texto) : texto_(texto) {
    if (texto_.starts_with(kMarcaUtf8)) pos_ = kMarcaUtf8.size();
}

bool LineasTexto::SiguienteLinea(std::string& linea) {
    if (pos_ >= texto_.size()) return false;
    const std::size_t fin = texto_.find_first_of("\r\n", pos_);
    if (fin == std::string_view::npos) {
        linea.assign(texto_.substr(pos_));
        pos_ = texto_.size();
    } else {
        linea.assign(texto_.substr(pos_, fin - pos_));
        pos_ = fin + 1;
        if (texto_[fin] == '\r' && pos_ < texto_.size() && texto_[pos_] == '\n') ++pos_;
    }
    ++numeroLinea_;
    return true;
}

UbicacionLinea LineasTexto::Ubicacion() const { return {numeroLinea_, {}}; }

}  // namespace varnel
