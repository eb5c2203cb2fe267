#include "engine/ozi_waypoints.h"

#include "engine/comma_fields.h"

namespace varnel::waypoints_ozi {

Lectura LeerLinea(std::string_view linea, Valor& x, Valor& y) { return LeerRegistroComas(linea, {6, 4, 5}, x, y); }

std::string TresCifras(std::int16_t numeroMas1000) {
    const std::string s = std::to_string(numeroMas1000);
    return s.substr(s.size() - 3);
}

std::string Registro(const Valor& x, const Valor& y, std::string_view nombre, std::string_view comentario,
                     std::string_view formatoGarmin) {
    std::string r = "WP,UTM,";
    r += nombre;
    r += ",30T,";
    r += FormatoCeros(x, 6);
    r += ',';
    r += FormatoCeros(y, 7);
    r += ",,,";
    r += comentario;
    r += ",\x87,";
    r += formatoGarmin;
    r += "\r\n";
    return r;
}

}  // namespace varnel::waypoints_ozi
