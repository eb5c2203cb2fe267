#include <cmath>

#include "engine/geodesy/list_position.h"
#include "tests/engine/geodesy/proj_oracle.h"

// The list's points as GPS positions against PROJ: the zone-30 inverse of
// each datum's CRS, then for ED50 PROJ's shift with IGN's grid (EPSG:1633
// where it does not reach; builds with the PROJ library only).

namespace varnel {
namespace {

using prueba::OperacionProj;

// A ten-thousandth of a second of arc: about 3 mm.
constexpr double kToleranciaGrados = 1e-4 / 3600 * 10;

TEST(PosicionDeListaProjTest, CoincideConProjEnNavarra) {
    // Latitude then longitude in degrees, as EPSG:4230 and EPSG:4258 have them.
    const OperacionProj ed50(
        [](PJ_CONTEXT* c) { return proj_create_crs_to_crs(c, "EPSG:23030", "EPSG:4230", nullptr); });
    const OperacionProj etrs89(
        [](PJ_CONTEXT* c) { return proj_create_crs_to_crs(c, "EPSG:25830", "EPSG:4258", nullptr); });
    const prueba::CambioDatumProj aWgs84;
    ASSERT_TRUE(ed50.Valida() && etrs89.Valida() && aWgs84.Valida());
    double mayor = 0;
    int puntos = 0;
    for (int este = 540000; este <= 680000; este += 5000) {
        for (int norte = 4640000; norte <= 4800000; norte += 5000) {
            const PJ_COORD utm = proj_coord(este, norte, 0, 0);
            const PJ_COORD geoEd50 = aWgs84.Transformar(PJ_FWD, ed50.Transformar(PJ_FWD, utm));
            const PJ_COORD geoEtrs89 = etrs89.Transformar(PJ_FWD, utm);
            const PosicionGeografica a = Wgs84DeLista({double(este), double(norte)}, DatumLista::Ed50);
            const PosicionGeografica b = Wgs84DeLista({double(este), double(norte)}, DatumLista::Etrs89);
            for (double d : {a.latitud - geoEd50.v[0], a.longitud - geoEd50.v[1], b.latitud - geoEtrs89.v[0],
                             b.longitud - geoEtrs89.v[1]})
                mayor = std::max(mayor, std::abs(d));
            ++puntos;
        }
    }
    EXPECT_EQ(puntos, 29 * 33);
    EXPECT_LT(mayor, kToleranciaGrados) << "mayor diferencia: " << mayor << " grados";
}

}  // namespace
}  // namespace varnel
