#pragma once

#include <cstddef>
#include <string_view>

#include "engine/comma_fields.h"
#include "engine/line_reading.h"
#include "engine/zone30_projection.h"

namespace varnel {

// The two layouts an OziExplorer file may come in.
struct FormaOzi {
    // OziExplorer's own file: its first line starts with this; line 2 names
    // the datum; the header is `lineasCabecera` lines long; records hold
    // latitude and longitude in decimal degrees.
    std::string_view marcaPropia;
    int lineasCabecera;
    FormaRegistro geograficas;
    // The text export: a header line unless it is a record itself
    // ("Datum,<name>" gives the ellipsoid), records in UTM with their zone.
    FormaRegistro utm;
};

// Reads either layout; positions not already in zone 30 are projected to it
// on the file's ellipsoid.
class LectorOzi : public LectorFormato {
public:
    explicit LectorOzi(const FormaOzi& forma) : forma_(forma) {}

protected:
    Lectura Interpretar(std::string_view linea, Valor& x, Valor& y) override;

private:
    Lectura LeerPrimeraLinea(std::string_view linea, Valor& x, Valor& y);
    Lectura LeerUtm(std::string_view linea, Valor& x, Valor& y);
    Lectura LeerGeograficas(std::string_view linea, Valor& x, Valor& y);

    const FormaOzi& forma_;
    bool vistaPrimera_ = false;
    bool propio_ = false;
    int linea_ = 0;  // lines of the file seen, for the own layout's header
    ProyectorHuso30 proyector_;
};

}  // namespace varnel
