#include "engine/formats/kml_coordinates.h"

#include <algorithm>

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
    std::size_t i = 0;
    while (i < trozo.size()) {
        const char c = trozo[i];
        if (EsEspacioXml(c)) {
            if (!Cerrar(salida)) return false;
            if (c == '\n') ++linea_;
            ++i;
            continue;
        }
        // The whole run of the tuple's bytes in this piece at once.
        std::size_t fin = i + 1;
        while (fin < trozo.size() && !EsEspacioXml(trozo[fin])) ++fin;
        if (tupla_.empty()) lineaTupla_ = linea_;
        // One byte past the limit is kept, so the refusal can show it was cut.
        if (tupla_.size() > kTuplaMaxima) return false;
        const std::size_t sitio = kTuplaMaxima + 1 - tupla_.size();
        const std::size_t largo = fin - i;
        tupla_.append(trozo.substr(i, std::min(largo, sitio)));
        if (largo > sitio) return false;
        i = fin;
    }
    return true;
}

bool CoordenadasKml::Terminar(std::vector<PuntoLeido>& salida) { return Cerrar(salida); }

}  // namespace varnel
