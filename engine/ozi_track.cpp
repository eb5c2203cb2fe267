#include "engine/ozi_track.h"

#include "engine/comma_fields.h"

namespace varnel::track_ozi {

Lectura LeerLinea(std::string_view linea, Valor& x, Valor& y) { return LeerRegistroComas(linea, {5, 3, 4}, x, y); }

std::string Registro(const Valor& x, const Valor& y, bool primero) {
    std::string r = "TP,UTM,30T,";
    r += FormatoCeros(x, 6);
    r += ',';
    r += FormatoCeros(y, 7);
    r += primero ? ",,,1," : ",,,0,";
    r += ",,,,,\r\n";
    return r;
}

}  // namespace varnel::track_ozi
