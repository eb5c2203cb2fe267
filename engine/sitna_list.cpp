#include "sitna_list.h"

namespace varnel {

std::string LineaListaSitna(const Valor& x, const Valor& y) {
    return FormatoCeros(x, 6) + "," + FormatoCeros(y, 7) + "\r\n";
}

void AnadirEntradaCaja(std::string& caja, std::int16_t& primeraEntrada, const Valor& x, const Valor& y) {
    if (primeraEntrada == 0) caja += "\r\n";
    if (primeraEntrada == -1) primeraEntrada = 0;
    caja += x.ComoTexto();
    caja += ',';
    caja += y.ComoTexto();
}

}  // namespace varnel
