#include "engine/sitna_list.h"

#include "engine/comma_fields.h"

namespace varnel::lista_sitna {

Lectura LeerLinea(std::string_view linea, Valor& x, Valor& y) { return LeerRegistroComas(linea, {2, 0, 1}, x, y); }

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

}  // namespace varnel::lista_sitna
