#include "engine/formats/ozi_waypoints.h"

#include "engine/formats/ozi_reader.h"

namespace varnel::waypoints_ozi {

std::unique_ptr<LectorFormato> CrearLector() { return std::make_unique<LectorOzi>(kFormaWaypoints); }

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

void EscribirPunto(DestinoPunto& d) {
    EstadoCompartido& e = d.estado;
    e.Contador.Incrementar();
    e.NombrePunto = "SIT" + TresCifras(e.Contador.Sumar(1000));
    e.ComentarioPunto = "SITNA Punto " + TresCifras(e.Contador.Sumar(1000));
    d.fichero.EscribirBytes(Registro(e.CoordX, e.CoordY, e.NombrePunto, e.ComentarioPunto, e.FormatoGarmin));
}

}  // namespace varnel::waypoints_ozi
