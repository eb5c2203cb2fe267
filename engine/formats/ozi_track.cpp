#include "engine/formats/ozi_track.h"

#include "engine/formats/ozi_reader.h"

namespace varnel::track_ozi {

std::unique_ptr<LectorFormato> CrearLector() { return std::make_unique<LectorOzi>(kFormaTrack); }

std::string Registro(const Valor& x, const Valor& y, bool primero) {
    std::string r = "TP,UTM,30T,";
    r += FormatoCeros(x, 6);
    r += ',';
    r += FormatoCeros(y, 7);
    r += primero ? ",,,1," : ",,,0,";
    r += ",,,,,\r\n";
    return r;
}

void EscribirPunto(DestinoPunto& d) {
    EstadoCompartido& e = d.estado;
    e.Contador.Incrementar();
    const bool primero = e.PrimerPunto == -1;
    e.PrimerPunto = 0;
    d.fichero.EscribirBytes(Registro(e.CoordX, e.CoordY, primero));
}

}  // namespace varnel::track_ozi
