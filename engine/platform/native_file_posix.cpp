#include <cerrno>
#include <cstdio>

#include "engine/core/run_error.h"
#include "engine/platform/native_file.h"

namespace varnel {
namespace fs = std::filesystem;

int CodigoDeFalloSistema(const std::error_code& ec, const fs::path& ruta) {
    if (ec.category() != std::generic_category() && ec.category() != std::system_category()) return codigo::ErrorEs;
    return CodigoDeErrno(ec.value(), ruta);
}

std::FILE* AbrirParaLeer(const fs::path& ruta) {
    errno = 0;
    std::FILE* f = std::fopen(ruta.c_str(), "rb");
    if (!f) LanzarFalloSistema(UltimoFalloC(), ruta);
    return f;
}

std::FILE* AbrirParaEscribir(const fs::path& ruta) {
    errno = 0;
    std::FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) {
        // Nothing is missing but the folder (or a link's target folder).
        if (errno == ENOENT) throw ErrorEjecucion(codigo::RutaNoEncontrada);
        throw ErrorEjecucion(CodigoDeFalloSistema(UltimoFalloC(), ruta));
    }
    return f;
}

}  // namespace varnel
