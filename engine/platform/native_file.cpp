#include "engine/platform/native_file.h"

#include <cerrno>

#include "engine/core/run_error.h"

namespace varnel {
namespace fs = std::filesystem;

int CodigoDeFicheroAusente(const fs::path& ruta) {
    std::error_code ignorar;
    const auto carpeta = ruta.has_parent_path() ? ruta.parent_path() : fs::path(".");
    return fs::is_directory(carpeta, ignorar) ? codigo::ArchivoNoEncontrado : codigo::RutaNoEncontrada;
}

int CodigoDeErrno(int err, const fs::path& ruta) {
    switch (err) {
    case ENOENT: return CodigoDeFicheroAusente(ruta);
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return codigo::RutaNoEncontrada;
    case EACCES:
    case EPERM:
    case EROFS: return codigo::PermisoDenegado;
    case EISDIR:
    case ENXIO:
    case ETXTBSY: return codigo::AccesoRuta;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return codigo::DiscoLleno;
    case EMFILE:
    case ENFILE: return codigo::DemasiadosArchivos;
    case ENOMEM: return codigo::MemoriaInsuficiente;
    default: return codigo::ErrorEs;
    }
}

std::error_code UltimoFalloC() { return {errno ? errno : EIO, std::generic_category()}; }

ErrorEjecucion ErrorDeSistema(int c, const fs::path& ruta) {
    // The user has to know which file is missing; for any other failure the
    // code says enough.
    return c == codigo::ArchivoNoEncontrado ? ErrorEjecucion::SobreFichero(c, ruta) : ErrorEjecucion(c);
}

void LanzarFalloSistema(const std::error_code& ec, const fs::path& ruta) {
    throw ErrorDeSistema(CodigoDeFalloSistema(ec, ruta), ruta);
}

bool MismoFichero(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

}  // namespace varnel
