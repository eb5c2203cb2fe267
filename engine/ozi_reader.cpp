#include "engine/ozi_reader.h"

#include <string>

#include "engine/datum.h"

namespace varnel {
namespace {

std::string_view SinBlancos(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

std::string DatumNoAdmitido(std::string_view nombre) {
    std::string s = "datum no admitido «";
    s += nombre;
    s += "»";
    return s;
}

}  // namespace

Lectura LectorOzi::Interpretar(std::string_view linea, Valor& x, Valor& y) {
    ++linea_;
    if (!vistaPrimera_) {
        if (LineaEnBlanco(linea)) return Lectura::LineaIgnorada;
        vistaPrimera_ = true;
        return LeerPrimeraLinea(linea, x, y);
    }
    if (!propio_) return LeerUtm(linea, x, y);
    if (linea_ == 2) {
        const std::string_view nombre = SinBlancos(linea);
        const Elipsoide* e = ElipsoideDeDatum(nombre);
        if (!e) return Rechazar(DatumNoAdmitido(nombre));
        proyector_.PonerElipsoide(*e);
        return Lectura::LineaIgnorada;
    }
    if (linea_ <= forma_.lineasCabecera) return Lectura::LineaIgnorada;
    return LeerGeograficas(linea, x, y);
}

Lectura LectorOzi::LeerPrimeraLinea(std::string_view linea, Valor& x, Valor& y) {
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
        if (const Elipsoide* e = ElipsoideDeDatum(nombre.texto)) proyector_.PonerElipsoide(*e);
    // A file saved without its header keeps its first point; a point that
    // cannot be taken is refused as on any other line.
    const Lectura l = LeerUtm(linea, x, y);
    return l == Lectura::NoEsPunto && Motivo().empty() ? Lectura::LineaIgnorada : l;
}

Lectura LectorOzi::LeerUtm(std::string_view linea, Valor& x, Valor& y) {
    std::string_view zona;
    const Lectura l = LeerRegistroComas(linea, forma_.utm, x, y, &zona);
    if (l != Lectura::Punto) return l;
    const auto z = LeerZonaUtm(zona);
    if (!z || z->huso == 30) return l;  // zone 30, or a zone field the file leaves blank
    if (!proyector_.DesdeUtm(z->huso, z->sur, *x.ComoNumero(), *y.ComoNumero(), x, y))
        return Rechazar(std::string(kFueraDelHuso30));
    return l;
}

Lectura LectorOzi::LeerGeograficas(std::string_view linea, Valor& x, Valor& y) {
    Valor lat;
    Valor lon;
    const Lectura l = LeerRegistroComas(linea, forma_.geograficas, lat, lon);
    if (l != Lectura::Punto) return l;
    if (!proyector_.DesdeGeograficas({*lat.ComoNumero(), *lon.ComoNumero()}, x, y))
        return Rechazar(std::string(kFueraDelHuso30));
    return l;
}

}  // namespace varnel
