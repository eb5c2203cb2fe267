#include "run_error.h"

#include <cerrno>

namespace varnel {

std::string DescripcionError(int c) {
    switch (c) {
    case codigo::Desbordamiento: return "Desbordamiento";
    case codigo::MemoriaInsuficiente: return "Memoria insuficiente";
    case codigo::TiposNoCoinciden: return "No coinciden los tipos";
    case codigo::ArchivoNoEncontrado: return "No se ha encontrado el archivo";
    case codigo::ErrorEs: return "Error de E/S de dispositivo";
    case codigo::DiscoLleno: return "Disco lleno";
    case codigo::FinDeArchivo: return "La entrada sobrepasa el final del archivo";
    case codigo::DemasiadosArchivos: return "Demasiados archivos";
    case codigo::PermisoDenegado: return "Permiso denegado";
    case codigo::AccesoRuta: return "Error de acceso a la ruta o el archivo";
    case codigo::RutaNoEncontrada: return "No se ha encontrado la ruta de acceso";
    default: return {};
    }
}

bool EsCodigoConocido(int c) { return !DescripcionError(c).empty(); }

ErrorEjecucion::ErrorEjecucion(int c, std::string detalle)
    : std::runtime_error("Error:" + std::to_string(c)), codigo_(c), detalle_(std::move(detalle)) {}

std::string ErrorEjecucion::Texto() const {
    return "Error:" + std::to_string(codigo_) + " " + DescripcionError(codigo_) + detalle_;
}

int CodigoDeFalloSistema(const std::error_code& ec, const std::filesystem::path& ruta) {
    if (ec.category() != std::generic_category() && ec.category() != std::system_category())
        return codigo::ErrorEs;
    switch (ec.value()) {
    case ENOENT: {
        // A missing file in an existing folder is 53; a missing folder is 76.
        std::error_code ignorar;
        const auto carpeta = ruta.has_parent_path() ? ruta.parent_path() : std::filesystem::path(".");
        return std::filesystem::is_directory(carpeta, ignorar) ? codigo::ArchivoNoEncontrado
                                                                : codigo::RutaNoEncontrada;
    }
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

}  // namespace varnel
