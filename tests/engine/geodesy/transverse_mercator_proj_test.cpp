#include <gtest/gtest.h>
#include <proj.h>

#include <memory>
#include <string>

#include "engine/geodesy/transverse_mercator.h"
#include "tests/engine/geodesy/proj_oracle.h"
#include "tests/engine/geodesy/transverse_mercator_cases.h"

// The projection against PROJ itself, point by point (builds with the PROJ library only).

namespace varnel::prueba {
namespace {

constexpr double kFalsoNorteSur = 10000000.0;

// One PROJ UTM operation (+proj=utm), in and out of degrees.
class ProjUtm {
public:
    ProjUtm(const CasoHuso& c, bool sur)
        : op_([&](PJ_CONTEXT* contexto) {
              const std::string definicion =
                  "+proj=utm +zone=" + std::to_string(c.huso) + (sur ? " +south" : "") + " +ellps=" + c.elipsoide.proj;
              return proj_create(contexto, definicion.c_str());
          }) {}
    bool Valida() const { return op_.Valida(); }
    PosicionUtm Directa(PosicionGeografica p) const {
        const PJ_COORD r = op_.Transformar(PJ_FWD, proj_coord(proj_torad(p.longitud), proj_torad(p.latitud), 0.0, 0.0));
        return {r.xy.x, r.xy.y};
    }
    PosicionGeografica Inversa(PosicionUtm p) const {
        const PJ_COORD r = op_.Transformar(PJ_INV, proj_coord(p.este, p.norte, 0.0, 0.0));
        return {proj_todeg(r.lp.phi), proj_todeg(r.lp.lam)};
    }

private:
    OperacionProj op_;
};

// Latitudes 36 to 44 (north, or south when `signo` is -1) every 0.1 degrees and
// longitudes -12 to +6 every 0.2 degrees: 7371 points, the whole of the three
// zones and a little beyond. With `entre` the grid of the midpoints (7200).
template <typename F>
int RecorrerRejilla(double signo, bool entre, F&& f) {
    const double desfase = entre ? 0.5 : 0.0;
    const int filas = entre ? 80 : 81;
    const int columnas = entre ? 90 : 91;
    int puntos = 0;
    for (int i = 0; i < filas; ++i) {
        for (int j = 0; j < columnas; ++j) {
            f(PosicionGeografica{signo * (36.0 + (i + desfase) * 0.1), -12.0 + (j + desfase) * 0.2});
            ++puntos;
        }
    }
    return puntos;
}

class ProyeccionUtmProjTest : public ::testing::TestWithParam<CasoHuso> {
protected:
    void Comprobar(const char* sentido, const MayorDiferencia& mayor, int puntos) {
        EXPECT_LE(mayor.metros, kToleranciaMetros) << sentido << ": " << mayor;
        RecordProperty(std::string(sentido) + "_puntos", puntos);
        RecordProperty(std::string(sentido) + "_mayor_diferencia_mm", std::to_string(mayor.metros * 1000.0));
    }
};

TEST_P(ProyeccionUtmProjTest, DirectaCoincideConProj) {
    const ProyeccionUtm utm(GetParam().elipsoide.elipsoide, GetParam().huso);
    const ProjUtm proj(GetParam(), false);
    ASSERT_TRUE(proj.Valida());
    MayorDiferencia mayor;
    const int puntos = RecorrerRejilla(1.0, false, [&](PosicionGeografica p) {
        mayor.Anotar(DistanciaMetros(utm.Directa(p), proj.Directa(p)), p.latitud, p.longitud);
    });
    Comprobar("directa", mayor, puntos);
}

// Eastings and northings given by PROJ for the midpoints, back to latitude and longitude.
TEST_P(ProyeccionUtmProjTest, InversaCoincideConProj) {
    const auto& el = GetParam().elipsoide.elipsoide;
    const ProyeccionUtm utm(el, GetParam().huso);
    const ProjUtm proj(GetParam(), false);
    ASSERT_TRUE(proj.Valida());
    MayorDiferencia mayor;
    const int puntos = RecorrerRejilla(1.0, true, [&](PosicionGeografica p) {
        const PosicionUtm dada = proj.Directa(p);
        mayor.Anotar(DistanciaMetros(el, proj.Inversa(dada), utm.Inversa(dada)), dada.este, dada.norte);
    });
    Comprobar("inversa", mayor, puntos);
}

// South of the equator the northing is PROJ's +south northing less its false northing.
TEST_P(ProyeccionUtmProjTest, HemisferioSurSinFalsoNorte) {
    const auto& el = GetParam().elipsoide.elipsoide;
    const ProyeccionUtm utm(el, GetParam().huso);
    const ProjUtm sur(GetParam(), true);
    ASSERT_TRUE(sur.Valida());
    MayorDiferencia directa;
    MayorDiferencia inversa;
    bool negativo = true;
    const int puntos = RecorrerRejilla(-1.0, false, [&](PosicionGeografica p) {
        const PosicionUtm nuestra = utm.Directa(p);
        PosicionUtm deProj = sur.Directa(p);
        deProj.norte -= kFalsoNorteSur;
        negativo = negativo && nuestra.norte < 0.0;
        directa.Anotar(DistanciaMetros(nuestra, deProj), p.latitud, p.longitud);
        const PosicionGeografica vuelta = sur.Inversa({deProj.este, deProj.norte + kFalsoNorteSur});
        inversa.Anotar(DistanciaMetros(el, vuelta, utm.Inversa(deProj)), deProj.este, deProj.norte);
    });
    EXPECT_TRUE(negativo);
    Comprobar("sur_directa", directa, puntos);
    Comprobar("sur_inversa", inversa, puntos);
}

INSTANTIATE_TEST_SUITE_P(Husos, ProyeccionUtmProjTest, ::testing::ValuesIn(HusosPeninsulares()), NombreDeHuso);

}  // namespace
}  // namespace varnel::prueba
