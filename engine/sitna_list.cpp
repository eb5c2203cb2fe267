#include "engine/sitna_list.h"

#include "engine/comma_fields.h"

namespace varnel::lista_sitna {
namespace {

class LectorLista : public LectorFormato {
protected:
    Lectura Interpretar(std::string_view linea, Valor& x, Valor& y) override {
        return LeerRegistroComas(linea, {2, 0, 1}, x, y);
    }
};

}  // namespace

std::unique_ptr<LectorFormato> CrearLector() { return std::make_unique<LectorLista>(); }

std::string LineaFichero(const Valor& x, const Valor& y) {
    std::string linea = FormatoCeros(x, 6);
    linea += ',';
    linea += FormatoCeros(y, 7);
    linea += "\r\n";
    return linea;
}

void AnadirEntradaCaja(std::string& caja, std::int16_t& primeraEntrada, const Valor& x, const Valor& y) {
    if (primeraEntrada == 0) caja += "\r\n";
    if (primeraEntrada == -1) primeraEntrada = 0;
    caja += x.ComoTexto();
    caja += ',';
    caja += y.ComoTexto();
}

void EscribirPunto(DestinoPunto& d) {
    EstadoCompartido& e = d.estado;
    if (!d.cuentaTrasEscribirFichero) e.Contador.Incrementar();
    d.fichero.Escribir(LineaFichero(e.CoordX, e.CoordY));
    if (d.cuentaTrasEscribirFichero) e.Contador.Incrementar();
    AnadirEntradaCaja(d.caja, d.primeraEntrada, e.CoordX, e.CoordY);
}

}  // namespace varnel::lista_sitna
