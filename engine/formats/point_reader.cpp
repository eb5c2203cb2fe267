#include "engine/formats/point_reader.h"

#include "engine/geodesy/zone30_projection.h"

namespace varnel {

LectorPuntosTexto::LectorPuntosTexto(FuenteLineas& fuente, std::unique_ptr<LectorFormato> formato, bool exigeLinea)
    : fuente_(fuente), formato_(std::move(formato)), pendientePrimera_(exigeLinea) {}

bool LectorPuntosTexto::Siguiente(PuntoFichero& p) {
    if (pendientePrimera_) {
        pendientePrimera_ = false;
        if (!fuente_.SiguienteLinea(linea_)) throw ErrorEjecucion(codigo::FinDeArchivo);
    } else if (!fuente_.SiguienteLinea(linea_)) {
        return false;
    }
    do {
        switch (formato_->Leer(linea_, p)) {
        case Lectura::Punto: return true;
        case Lectura::LineaIgnorada: break;
        case Lectura::NoEsPunto:
            throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, fuente_.Ubicacion(), formato_->Motivo());
        }
    } while (fuente_.SiguienteLinea(linea_));
    return false;
}

bool LectorPuntos::Siguiente(Valor& x, Valor& y) {
    do {
        if (!lector_.Siguiente(punto_)) return false;
    } while (SinFijo() && ++sinPosicion_);
    if (!conversor_.ALista(punto_, x, y))
        throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, lector_.Ubicacion(), std::string(kFueraDelHuso30));
    return true;
}

bool LectorPuntos::SinFijo() const {
    return ceroSinPosicion_ && punto_.forma == PuntoFichero::Forma::Geograficas && punto_.geo.latitud == 0 &&
           punto_.geo.longitud == 0;
}

}  // namespace varnel
