#include "record_reader.h"

#include "comma_fields.h"
#include "run_error.h"

namespace varnel {

LectorRegistros::LectorRegistros(FuenteLineas& fuente, FormaRegistro forma, bool conCabecera)
    : fuente_(fuente), forma_(forma), pendienteCabecera_(conCabecera) {}

bool LectorRegistros::Interpretar(const std::string& linea, Valor& x, Valor& y) const {
    RecorridoCampos recorrido(linea);
    CampoCrudo campo;
    CampoCrudo campoX;
    CampoCrudo campoY;
    std::size_t n = 0;
    while (n < forma_.camposMinimos && recorrido.Siguiente(campo)) {
        if (n == forma_.campoX) campoX = campo;
        if (n == forma_.campoY) campoY = campo;
        ++n;
    }
    if (n < forma_.camposMinimos) return false;
    Valor vx = ValorDeCampo(campoX);
    Valor vy = ValorDeCampo(campoY);
    if (!vx.ComoNumero() || !vy.ComoNumero()) return false;
    x = std::move(vx);
    y = std::move(vy);
    return true;
}

bool LectorRegistros::Siguiente(Valor& x, Valor& y) {
    if (pendienteCabecera_) {
        pendienteCabecera_ = false;
        if (!fuente_.SiguienteLinea(linea_)) throw ErrorEjecucion(codigo::FinDeArchivo);
        while (LineaEnBlanco(linea_))
            if (!fuente_.SiguienteLinea(linea_)) return false;
        // A file saved without its header keeps its first point.
        if (Interpretar(linea_, x, y)) return true;
    }
    while (fuente_.SiguienteLinea(linea_)) {
        if (LineaEnBlanco(linea_)) continue;
        if (!Interpretar(linea_, x, y))
            throw ErrorEjecucion(codigo::TiposNoCoinciden, fuente_.DescribirLinea());
        return true;
    }
    return false;
}

}  // namespace varnel
