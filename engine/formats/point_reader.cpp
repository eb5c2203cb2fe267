#include "engine/formats/point_reader.h"

#include "engine/core/run_error.h"
#include "engine/geodesy/zone30_projection.h"

namespace varnel {

LectorPuntos::LectorPuntos(FuenteLineas& fuente, LectorFormato& formato, ConversorLista& conversor, bool exigeLinea)
    : fuente_(fuente), formato_(formato), conversor_(conversor), pendientePrimera_(exigeLinea) {}

bool LectorPuntos::Siguiente(Valor& x, Valor& y) {
    if (pendientePrimera_) {
        pendientePrimera_ = false;
        if (!fuente_.SiguienteLinea(linea_)) throw ErrorEjecucion(codigo::FinDeArchivo);
    } else if (!fuente_.SiguienteLinea(linea_)) {
        return false;
    }
    do {
        switch (formato_.Leer(linea_, punto_)) {
        case Lectura::Punto:
            if (!conversor_.ALista(punto_, x, y))
                throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, fuente_.Ubicacion(),
                                              std::string(kFueraDelHuso30));
            return true;
        case Lectura::LineaIgnorada: break;
        case Lectura::NoEsPunto:
            throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, fuente_.Ubicacion(), formato_.Motivo());
        }
    } while (fuente_.SiguienteLinea(linea_));
    return false;
}

}  // namespace varnel
