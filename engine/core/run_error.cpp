#include "engine/core/run_error.h"

namespace varnel {
namespace {

// Built by appending: GCC 12 warns falsely (-Wrestrict) on "literal" + string.
std::string Encabezado(int c) {
    std::string s = "Error:";
    s += std::to_string(c);
    return s;
}

}  // namespace

ErrorEjecucion::ErrorEjecucion(int c) : std::runtime_error(Encabezado(c)), codigo_(c) {}

ErrorEjecucion ErrorEjecucion::EnLinea(int c, UbicacionLinea donde, std::string motivo) {
    ErrorEjecucion e(c);
    e.linea_ = std::move(donde);
    e.motivo_ = std::move(motivo);
    return e;
}

ErrorEjecucion ErrorEjecucion::SobreFichero(int c, std::filesystem::path fichero) {
    ErrorEjecucion e(c);
    e.fichero_ = std::move(fichero);
    return e;
}

}  // namespace varnel
