#include "engine/formats/kml_coordinates.h"

#include "engine/core/value.h"

namespace varnel {
namespace {

bool EsEspacioXml(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

bool LeerTuplaKml(std::string_view t, PosicionGeografica& p) {
    double valores[3] = {};
    int cuantos = 0;
    while (true) {
        const auto coma = t.find(',');
        const std::string_view campo = t.substr(0, coma);
        if (cuantos == 3 || campo.empty()) return false;
        // Blanks never reach here: they separate tuples.
        const auto n = LeerNumero(campo);
        if (!n) return false;
        valores[cuantos++] = *n;
        if (coma == std::string_view::npos) break;
        t.remove_prefix(coma + 1);
    }
    if (cuantos < 2) return false;
    if (valores[0] < -180 || valores[0] > 180 || valores[1] < -90 || valores[1] > 90) return false;
    p.longitud = valores[0];
    p.latitud = valores[1];
    return true;
}

void CoordenadasKml::Empezar(std::int64_t linea) {
    tupla_.clear();
    linea_ = linea;
}

bool CoordenadasKml::Cerrar(std::vector<PuntoLeido>& salida) {
    if (tupla_.empty()) return true;
    PuntoLeido punto{{0, 0}, lineaTupla_};
    if (tupla_.size() > kTuplaMaxima || !LeerTuplaKml(tupla_, punto.posicion)) return false;
    salida.push_back(punto);
    tupla_.clear();
    return true;
}

bool CoordenadasKml::Anadir(std::string_view trozo, std::vector<PuntoLeido>& salida) {
    for (char c : trozo) {
        if (EsEspacioXml(c)) {
            if (!Cerrar(salida)) return false;
            if (c == '\n') ++linea_;
            continue;
        }
        if (tupla_.empty()) lineaTupla_ = linea_;
        // One byte past the limit is kept, so the refusal can show it was cut.
        if (tupla_.size() > kTuplaMaxima) return false;
        tupla_ += c;
    }
    return true;
}

bool CoordenadasKml::Terminar(std::vector<PuntoLeido>& salida) { return Cerrar(salida); }

}  // namespace varnel
