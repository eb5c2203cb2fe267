#include "engine/point_reader.h"

#include "engine/run_error.h"

namespace varnel {

LectorPuntos::LectorPuntos(FuenteLineas& fuente, LectorFormato& formato, bool exigeLinea)
    : fuente_(fuente), formato_(formato), pendientePrimera_(exigeLinea) {}

bool LectorPuntos::Siguiente(Valor& x, Valor& y) {
    if (pendientePrimera_) {
        pendientePrimera_ = false;
        if (!fuente_.SiguienteLinea(linea_)) throw ErrorEjecucion(codigo::FinDeArchivo);
    } else if (!fuente_.SiguienteLinea(linea_)) {
        return false;
    }
    do {
        switch (formato_.Leer(linea_, x, y)) {
        case Lectura::Punto: return true;
        case Lectura::LineaIgnorada: break;
        case Lectura::NoEsPunto:
            throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, fuente_.Ubicacion(), formato_.Motivo());
        }
    } while (fuente_.SiguienteLinea(linea_));
    return false;
}

}  // namespace varnel
