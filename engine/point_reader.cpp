#include "engine/point_reader.h"

#include "engine/run_error.h"

namespace varnel {

LectorPuntos::LectorPuntos(FuenteLineas& fuente, LeerLineaFn leer, bool conCabecera)
    : fuente_(fuente), leer_(leer), pendienteCabecera_(conCabecera) {}

bool LectorPuntos::Siguiente(Valor& x, Valor& y) {
    if (pendienteCabecera_) {
        pendienteCabecera_ = false;
        if (!fuente_.SiguienteLinea(linea_)) throw ErrorEjecucion(codigo::FinDeArchivo);
        Lectura l;
        while ((l = leer_(linea_, x, y)) == Lectura::LineaIgnorada)
            if (!fuente_.SiguienteLinea(linea_)) return false;
        // A file saved without its header keeps its first point.
        if (l == Lectura::Punto) return true;
    }
    while (fuente_.SiguienteLinea(linea_)) {
        switch (leer_(linea_, x, y)) {
        case Lectura::Punto: return true;
        case Lectura::LineaIgnorada: continue;
        case Lectura::NoEsPunto: throw ErrorEjecucion(codigo::TiposNoCoinciden, fuente_.DescribirLinea());
        }
    }
    return false;
}

}  // namespace varnel
