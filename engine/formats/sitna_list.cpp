#include "engine/formats/sitna_list.h"

#include <array>
#include <cstring>

#include "engine/formats/comma_fields.h"

namespace varnel::lista_sitna {
namespace {

// A text built in place on the stack: a line never outgrows it.
class Trozo {
public:
    void Poner(char c) { texto_[largo_++] = c; }
    void Poner(std::string_view t) {
        std::memcpy(texto_.data() + largo_, t.data(), t.size());
        largo_ += t.size();
    }
    void Ceros(std::size_t cuantos) {
        std::memset(texto_.data() + largo_, '0', cuantos);
        largo_ += cuantos;
    }
    void Numero(const CifrasEntero& c, std::size_t digitos) {
        if (c.negativo) Poner('-');
        if (c.Largo() < digitos) Ceros(digitos - c.Largo());
        Poner(c.Digitos());
    }
    std::string_view Texto() const { return {texto_.data(), largo_}; }

private:
    std::array<char, 64> texto_{};  // two signs, 2 x 15 digits, 6 + 7 fill, separators
    std::size_t largo_ = 0;
};

// Both values whole numbers, as every converted point is: each formatted once
// for both the file line and the box entry. False, writing nothing, otherwise.
bool EscribirEnteros(DestinoPunto& d) {
    EstadoCompartido& e = d.estado;
    const auto x = CifrasDeEntero(e.CoordX);
    if (!x) return false;
    const auto y = CifrasDeEntero(e.CoordY);
    if (!y) return false;
    if (!d.cuentaTrasEscribirFichero) e.Contador.Incrementar();
    Trozo linea;
    linea.Numero(*x, 6);
    linea.Poner(',');
    linea.Numero(*y, 7);
    linea.Poner("\r\n");
    d.fichero.EscribirBytes(linea.Texto());  // digits only: no code page to map
    if (d.cuentaTrasEscribirFichero) e.Contador.Incrementar();
    Trozo entrada;
    if (d.primeraEntrada == 0) entrada.Poner("\r\n");
    if (d.primeraEntrada == -1) d.primeraEntrada = 0;
    entrada.Numero(*x, 0);
    entrada.Poner(',');
    entrada.Numero(*y, 0);
    d.caja += entrada.Texto();
    return true;
}

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
    if (EscribirEnteros(d)) return;
    EstadoCompartido& e = d.estado;
    if (!d.cuentaTrasEscribirFichero) e.Contador.Incrementar();
    PonerLineaFichero(d.linea, e.CoordX, e.CoordY);
    d.fichero.Escribir(d.linea);
    if (d.cuentaTrasEscribirFichero) e.Contador.Incrementar();
    AnadirEntradaCaja(d.caja, d.primeraEntrada, e.CoordX, e.CoordY);
}

}  // namespace varnel::lista_sitna
