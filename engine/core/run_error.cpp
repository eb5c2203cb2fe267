#include "engine/core/run_error.h"

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

ErrorEjecucion ErrorEjecucion::SobreFichero(int c, std::string rutaUtf8) {
    ErrorEjecucion e(c);
    e.fichero_ = std::move(rutaUtf8);
    return e;
}

std::string ErrorEjecucion::Texto() const {
    std::string s = Encabezado(codigo_);
    s += ' ';
    s += DescripcionError(codigo_);
    if (linea_.numero > 0) {
        s += " (línea ";
        s += std::to_string(linea_.numero);
        s += ' ';
        s += linea_.fuente;
        if (!motivo_.empty()) {
            s += ": ";
            s += motivo_;
        }
        s += ')';
    }
    return s;
}

std::string ErrorEjecucion::TextoMensajes(const std::string& rutaEntrada) const {
    std::string s = Texto();
    if (codigo_ == codigo::ArchivoNoEncontrado) {
        s += ' ';
        s += rutaEntrada;
    } else if (!fichero_.empty()) {
        s += ' ';
        s += fichero_;
    }
    return s;
}

}  // namespace varnel
