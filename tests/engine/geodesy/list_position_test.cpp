#include "engine/geodesy/list_position.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>

#include "engine/formats/track_document.h"
#include "engine/geodesy/list_converter.h"

namespace varnel {
namespace {

// Degrees as a GPX or KML file written by the program holds them, read back.
double ComoEnElFichero(double grados) {
    std::string texto;
    AnadirGrados(texto, grados);
    double leido = 0;
    std::from_chars(texto.data(), texto.data() + texto.size(), leido);
    return leido;
}

class PosicionDeListaTest : public ::testing::TestWithParam<DatumLista> {};

// A list written as GPS positions (seven decimals) and read back on the same
// datum gives every point to the metre: the centimetre the decimals and the
// shift there and back lose is far from the half metre a rounding needs.
TEST_P(PosicionDeListaTest, IdaYVueltaDaLaMismaLista) {
    const DatumLista datum = GetParam();
    ConversorLista conversor(datum);
    int puntos = 0;
    for (int este = 540001; este <= 680001; este += 4999) {
        for (int norte = 4640003; norte <= 4800003; norte += 5003) {
            const PosicionGeografica p = Wgs84DeLista({double(este), double(norte)}, datum);
            PuntoFichero punto;
            punto.forma = PuntoFichero::Forma::Geograficas;
            punto.datum = DatumFichero::Wgs84;
            punto.geo = {ComoEnElFichero(p.latitud), ComoEnElFichero(p.longitud)};
            Valor x;
            Valor y;
            ASSERT_TRUE(conversor.ALista(punto, x, y)) << este << "," << norte;
            ASSERT_EQ(x.ComoNumero(), double(este)) << este << "," << norte;
            ASSERT_EQ(y.ComoNumero(), double(norte)) << este << "," << norte;
            ++puntos;
        }
    }
    EXPECT_EQ(puntos, 29 * 32);
}

// A place's ED50 numbers in Navarre are about 110 m east and 210 m north of
// its ETRS89 ones, so the same numbers on ED50 name a point that far
// south-west: the shift is there, and goes the right way.
TEST(PosicionDeListaTest, Ed50EstaAlNoresteDeLasMismasCifrasEnEtrs89) {
    const PosicionUtm pamplona{610000, 4740000};
    const PosicionGeografica ed50 = Wgs84DeLista(pamplona, DatumLista::Ed50);
    const PosicionGeografica etrs89 = Wgs84DeLista(pamplona, DatumLista::Etrs89);
    const double alSur = (etrs89.latitud - ed50.latitud) * 111'100.0;
    const double alOeste = (etrs89.longitud - ed50.longitud) * 111'300.0 * 0.733;  // cos 42.8
    EXPECT_GT(alSur, 180.0);
    EXPECT_LT(alSur, 240.0);
    EXPECT_GT(alOeste, 80.0);
    EXPECT_LT(alOeste, 140.0);
}

INSTANTIATE_TEST_SUITE_P(Datums, PosicionDeListaTest, ::testing::Values(DatumLista::Ed50, DatumLista::Etrs89),
                         [](const auto& info) { return std::string(NombreDatum(info.param)); });

}  // namespace
}  // namespace varnel
