#pragma once

#include <array>
#include <optional>
#include <vector>

#include "engine/core/value.h"
#include "engine/geodesy/file_point.h"
#include "engine/geodesy/list_datum.h"
#include "engine/geodesy/ntv2_grid.h"
#include "engine/geodesy/transverse_mercator.h"

namespace varnel {

// The one step that brings every point read to the SITNA list: to the list's
// datum and to UTM zone 30, rounded to whole metres. A zone-30 position
// already on the list's datum stays exactly as written; anything else is
// shifted (ED50 ⇄ ETRS89), projected and rounded half away from zero.
class ConversorLista {
public:
    // How a zone-30 point on the list's own datum, which needs no projection, is taken.
    enum class PuntoPropio : unsigned char {
        TalCual,     // as written: a conversion hands its input's values on
        Comprobado,  // only where a projected point would be taken (a track saved from the list)
    };

    explicit ConversorLista(DatumLista lista, PuntoPropio propio = PuntoPropio::TalCual)
        : lista_(lista), propio_(propio) {}

    // False when the point does not fit the list (outside zone 30's six
    // digits of easting and seven of northing).
    bool ALista(const PuntoFichero& p, Valor& x, Valor& y);

    DatumLista Lista() const { return lista_; }
    // The datums points were shifted from, each once, in the order first met;
    // empty while none was.
    std::vector<DatumFichero> DatumsDesplazados() const;

private:
    const ProyeccionUtm& Huso30(const Elipsoide& e);
    const ProyeccionUtm& Origen(const Elipsoide& e, int huso);
    bool EnElHuso30(const PuntoFichero& p, const Elipsoide& e);

    DatumLista lista_;
    PuntoPropio propio_;
    // Zone 30 on each ellipsoid, made when first needed.
    std::array<std::optional<ProyeccionUtm>, 3> huso30_;
    std::optional<ProyeccionUtm> origen_;  // the last other zone read from
    const Elipsoide* elipsoideOrigen_ = nullptr;
    CeldaNtv2 celda_;  // the grid's last cell: consecutive points share it
    std::array<DatumFichero, 3> desplazados_{};
    std::size_t numDesplazados_ = 0;
};

}  // namespace varnel
