#include "engine/formats/comma_fields.h"

#include <string>

#include "engine/core/blanks.h"

namespace varnel {
bool LineaEnBlanco(std::string_view linea) {
    for (char c : linea)
        if (!EsBlanco(c) && c != '\f' && c != '\v') return false;
    return true;
}

bool RecorridoCampos::Siguiente(CampoCrudo& campo) {
    if (terminado_) return false;
    const std::size_t n = linea_.size();
    std::size_t i = pos_;
    while (i < n && EsBlanco(linea_[i])) ++i;
    std::size_t coma;
    if (i < n && linea_[i] == '"') {
        const std::size_t cierre = linea_.find('"', i + 1);
        const std::size_t fin = cierre == std::string_view::npos ? n : cierre;
        campo = {linea_.substr(i + 1, fin - i - 1), true};
        // Whatever stands between the closing quote and the comma is dropped.
        coma = fin == n ? std::string_view::npos : linea_.find(',', fin + 1);
    } else {
        coma = linea_.find(',', i);
        std::size_t ultimo = coma == std::string_view::npos ? n : coma;
        while (ultimo > i && EsBlanco(linea_[ultimo - 1])) --ultimo;
        campo = {linea_.substr(i, ultimo - i), false};
    }
    if (coma == std::string_view::npos)
        terminado_ = true;
    else
        pos_ = coma + 1;
    return true;
}

Valor ValorDeCampo(const CampoCrudo& campo) {
    if (!campo.entreComillas)
        if (const auto numero = LeerNumero(campo.texto)) return Valor::Numero(*numero);
    return Valor::Texto(std::string(campo.texto));
}

Lectura LeerRegistroComas(std::string_view linea, FormaRegistro forma, Valor& x, Valor& y, std::string_view* zona) {
    if (LineaEnBlanco(linea)) return Lectura::LineaIgnorada;
    RecorridoCampos recorrido(linea);
    CampoCrudo campo;
    CampoCrudo campoX;
    CampoCrudo campoY;
    if (zona) *zona = {};
    std::size_t n = 0;
    while (n < forma.camposMinimos && recorrido.Siguiente(campo)) {
        if (n == forma.campoX) campoX = campo;
        if (n == forma.campoY) campoY = campo;
        if (zona && n == forma.campoZona) *zona = campo.texto;
        ++n;
    }
    if (n < forma.camposMinimos) return Lectura::NoEsPunto;
    Valor vx = ValorDeCampo(campoX);
    Valor vy = ValorDeCampo(campoY);
    if (!vx.ComoNumero() || !vy.ComoNumero()) return Lectura::NoEsPunto;
    x = std::move(vx);
    y = std::move(vy);
    return Lectura::Punto;
}

}  // namespace varnel
