#include "ui/logic/run_report.h"

#include "engine/core/path_text.h"
#include "engine/geodesy/datum.h"

namespace varnel::logica {
namespace {

// What comes between the count and the path: what the output holds.
std::string_view TextoMedio(std::optional<FicheroIntercambio> salida) {
    switch (salida.value_or(FicheroIntercambio::ListaSitna)) {
    case FicheroIntercambio::WaypointsOzi: return " Waypoints en ";
    case FicheroIntercambio::TrackOzi: return " Puntos de Track en ";
    default: return " Puntos en ";
    }
}

}  // namespace

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

std::string TextoError(const ErrorEjecucion& e) {
    std::string s = e.what();  // "Error:13"
    s += ' ';
    s += DescripcionError(e.Codigo());
    const UbicacionLinea& linea = e.Linea();
    if (linea.numero > 0) {
        s += " (línea ";
        s += std::to_string(linea.numero);
        if (linea.fichero.empty()) {
            s += " del Cuadro Descargar";
        } else {
            s += " de ";
            s += TextoRuta(linea.fichero);
        }
        if (!e.Motivo().empty()) {
            s += ": ";
            s += e.Motivo();
        }
        s += ')';
    } else if (!linea.fichero.empty() && !e.Motivo().empty()) {
        // A binary file has no lines: the file and why.
        s += " (" + TextoRuta(linea.fichero) + ": " + e.Motivo() + ')';
    }
    return s;
}

std::string TextoMensajesError(const ErrorEjecucion& e) {
    std::string s = TextoError(e);
    if (!e.Fichero().empty()) {
        s += ' ';
        s += TextoRuta(e.Fichero());
    }
    return s;
}

std::string TextoCambioDatum(const std::vector<DatumFichero>& desde, DatumLista lista) {
    if (desde.empty()) return {};
    std::string t = " (de ";
    for (std::size_t i = 0; i < desde.size(); ++i) {
        if (i > 0) t += " y ";
        t += NombreCorto(desde[i]);
    }
    t += " a ";
    t += NombreDatum(lista);
    t += ")";
    return t;
}

std::string TextoSinPosicion(int n) {
    if (n == 0) return {};
    if (n == 1) return " (1 punto sin posición omitido)";
    return " (" + std::to_string(n) + " puntos sin posición omitidos)";
}

std::string TextoResumen(const ResultadoEjecucion& r) {
    std::string s = "Generados ";
    s += std::to_string(r.puntos);
    s += TextoMedio(r.salida);
    s += TextoRuta(r.rutaSalida);
    s += TextoCambioDatum(r.desplazadosDe, r.datumLista);
    s += TextoSinPosicion(r.sinPosicion);
    return s;
}

InformeEjecucion Informe(const ResultadoEjecucion& r) {
    if (r.error) return {TextoMensajesError(*r.error), TextoError(*r.error)};
    // A track saved from a box without a point: nothing was written.
    if (r.sinPuntos) return {"Cuadro Descargar sin puntos: no se ha generado " + TextoRuta(r.rutaSalida), std::nullopt};
    return {TextoResumen(r), std::nullopt};
}

}  // namespace varnel::logica
