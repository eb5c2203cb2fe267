#include "engine/formats/ozi_reader.h"

#include <string>

#include "engine/core/blanks.h"
#include "engine/geodesy/datum.h"
#include "engine/geodesy/zone30_projection.h"
#include "engine/text/quoting.h"

namespace varnel {

Lectura LectorOzi::Interpretar(std::string_view linea, PuntoFichero& p) {
    ++linea_;
    if (!vistaPrimera_) {
        if (LineaEnBlanco(linea)) return Lectura::LineaIgnorada;
        vistaPrimera_ = true;
        return LeerPrimeraLinea(linea, p);
    }
    if (!propio_) return LeerUtm(linea, p);
    if (linea_ == 2) {
        const std::string_view nombre = SinBlancos(linea);
        const auto datum = DatumDeFichero(nombre);
        if (!datum) return Rechazar("datum no admitido " + Citar(nombre));
        PonerDatum(*datum);
        return Lectura::LineaIgnorada;
    }
    if (linea_ <= forma_.lineasCabecera) return Lectura::LineaIgnorada;
    return LeerGeograficas(linea, p);
}

Lectura LectorOzi::LeerPrimeraLinea(std::string_view linea, PuntoFichero& p) {
    if (linea.starts_with(forma_.marcaPropia)) {
        // The datum is on line 2 of the file, wherever the header starts.
        propio_ = true;
        linea_ = 1;
        return Lectura::LineaIgnorada;
    }
    RecorridoCampos campos(linea);
    CampoCrudo clave;
    CampoCrudo nombre;
    if (campos.Siguiente(clave) && clave.texto == "Datum" && campos.Siguiente(nombre))
        if (const auto datum = DatumDeFichero(nombre.texto)) {
            PonerDatum(*datum);
            p.datum = datum;
        }
    // A file saved without its header keeps its first point; a point that
    // cannot be taken is refused as on any other line.
    const Lectura l = LeerUtm(linea, p);
    return l == Lectura::NoEsPunto && Motivo().empty() ? Lectura::LineaIgnorada : l;
}

Lectura LectorOzi::LeerUtm(std::string_view linea, PuntoFichero& p) {
    std::string_view zona;
    const Lectura l = LeerRegistroComas(linea, forma_.utm, p.x, p.y, &zona);
    if (l != Lectura::Punto) return l;
    // A zone field the file leaves blank, or does not write as a zone, is 30.
    if (const auto z = LeerZonaUtm(zona)) {
        p.huso = z->huso;
        p.sur = z->sur;
    }
    return l;
}

Lectura LectorOzi::LeerGeograficas(std::string_view linea, PuntoFichero& p) {
    const Lectura l = LeerRegistroComas(linea, forma_.geograficas, p.x, p.y);
    if (l != Lectura::Punto) return l;
    p.forma = PuntoFichero::Forma::Geograficas;
    p.geo = {*p.x.ComoNumero(), *p.y.ComoNumero()};
    return l;
}

}  // namespace varnel
