#include "engine/formats/ozi_track.h"

#include "engine/formats/ozi_reader.h"

namespace varnel::track_ozi {
namespace {

constexpr FormaOzi kForma{
    .marcaPropia = "OziExplorer Track Point File Version",
    .lineasCabecera = 6,
    .geograficas = {2, 0, 1},
    .utm = {5, 3, 4, 2},
};

}  // namespace

std::unique_ptr<LectorFormato> CrearLector() { return std::make_unique<LectorOzi>(kForma); }

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
