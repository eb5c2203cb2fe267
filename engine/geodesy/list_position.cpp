#include "engine/geodesy/list_position.h"

#include "engine/geodesy/datum_transformation.h"

namespace varnel {

PosicionGeografica Wgs84DeLista(PosicionUtm punto, DatumLista datum) {
    static const ProyeccionUtm ed50(elipsoide::Internacional1924, 30);
    static const ProyeccionUtm etrs89(elipsoide::Grs80, 30);
    if (datum == DatumLista::Ed50) return Ed50AEtrs89(ed50.Inversa(punto));
    return etrs89.Inversa(punto);
}

}  // namespace varnel
