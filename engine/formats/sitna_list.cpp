#include "engine/formats/sitna_list.h"

#include "engine/formats/comma_fields.h"

namespace varnel::lista_sitna {
namespace {

class LectorLista : public LectorFormato {
protected:
    Lectura Interpretar(std::string_view linea, PuntoFichero& p) override {
        return LeerRegistroComas(linea, {2, 0, 1}, p.x, p.y);
    }
};

}  // namespace

std::unique_ptr<LectorFormato> CrearLector() { return std::make_unique<LectorLista>(); }

std::string LineaFichero(const Valor& x, const Valor& y) {
    std::string linea;
    PonerLineaFichero(linea, x, y);
    return linea;
}

void PonerLineaFichero(std::string& linea, const Valor& x, const Valor& y) {
    linea.clear();  // keeps the buffer
    AnadirFormatoCeros(linea, x, 6);
    linea += ',';
    AnadirFormatoCeros(linea, y, 7);
    linea += "\r\n";
}

void AnadirEntradaCaja(std::string& caja, std::int16_t& primeraEntrada, const Valor& x, const Valor& y) {
    if (primeraEntrada == 0) caja += "\r\n";
    if (primeraEntrada == -1) primeraEntrada = 0;
    x.AnadirTexto(caja);
    caja += ',';
    y.AnadirTexto(caja);
}

void EscribirPunto(DestinoPunto& d) {
    EstadoCompartido& e = d.estado;
    if (!d.cuentaTrasEscribirFichero) e.Contador.Incrementar();
    PonerLineaFichero(d.linea, e.CoordX, e.CoordY);
    d.fichero.Escribir(d.linea);
    if (d.cuentaTrasEscribirFichero) e.Contador.Incrementar();
    AnadirEntradaCaja(d.caja, d.primeraEntrada, e.CoordX, e.CoordY);
}

}  // namespace varnel::lista_sitna
