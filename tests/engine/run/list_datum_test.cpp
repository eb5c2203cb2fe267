// The list's one datum: what stays as written, what is shifted, what the
// OziExplorer files and the summary say.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/geodesy/list_converter.h"
#include "tests/engine/run/engine_fixture.h"

namespace varnel::prueba {
namespace {

PuntoFichero Utm(const char* x, const char* y, std::optional<DatumFichero> datum, int huso = 30) {
    PuntoFichero p;
    p.huso = huso;
    p.x = Valor::Texto(x);
    p.y = Valor::Texto(y);
    p.datum = datum;
    return p;
}

PuntoFichero Geo(double lat, double lon, DatumFichero datum) {
    PuntoFichero p;
    p.forma = PuntoFichero::Forma::Geograficas;
    p.geo = {lat, lon};
    p.datum = datum;
    return p;
}

// The summary's words for what the converter shifted.
std::string Cambio(const ConversorLista& conversor) {
    return logica::TextoCambioDatum(conversor.DatumsDesplazados(), conversor.Lista());
}

// --- Kept exactly as written -------------------------------------------------

struct CasoIntacto {
    const char* nombre;
    DatumLista lista;
    std::optional<DatumFichero> datum;
};

class IntactoTest : public ::testing::TestWithParam<CasoIntacto> {};

TEST_P(IntactoTest, UnPuntoDelHuso30EnElDatumDeLaListaQuedaComoEstaEscrito) {
    ConversorLista conversor(GetParam().lista);
    Valor x;
    Valor y;
    ASSERT_TRUE(conversor.ALista(Utm("555805.500", "04718476", GetParam().datum), x, y));
    EXPECT_EQ(x, Valor::Texto("555805.500"));
    EXPECT_EQ(y, Valor::Texto("04718476"));
    EXPECT_EQ(Cambio(conversor), "");
}

INSTANTIATE_TEST_SUITE_P(Casos, IntactoTest,
                         ::testing::Values(CasoIntacto{"ed50SinDatum", DatumLista::Ed50, std::nullopt},
                                           CasoIntacto{"ed50Ed50", DatumLista::Ed50, DatumFichero::Ed50},
                                           CasoIntacto{"etrs89SinDatum", DatumLista::Etrs89, std::nullopt},
                                           CasoIntacto{"etrs89Etrs89", DatumLista::Etrs89, DatumFichero::Etrs89},
                                           CasoIntacto{"etrs89Wgs84", DatumLista::Etrs89, DatumFichero::Wgs84}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// --- Shifted ----------------------------------------------------------------

TEST(ConversorListaTest, DaLaVueltaAlPuntoDeOrigenConSoloElRedondeo) {
    // ED50 -> a list in ETRS89 -> read back as ETRS89 into a list in ED50.
    ConversorLista aEtrs89(DatumLista::Etrs89);
    ConversorLista aEd50(DatumLista::Ed50);
    for (const auto& [x0, y0] : std::vector<std::pair<double, double>>{
             {612345, 4745678}, {550000, 4600000}, {680000, 4790000}, {420000, 4740000}}) {
        SCOPED_TRACE(std::to_string(x0) + "," + std::to_string(y0));
        PuntoFichero p = Utm("", "", DatumFichero::Ed50);
        p.x = Valor::Numero(x0);
        p.y = Valor::Numero(y0);
        Valor x;
        Valor y;
        ASSERT_TRUE(aEtrs89.ALista(p, x, y));
        // Some 200 m apart in Navarre: a shift, not a copy.
        EXPECT_GT(std::hypot(*x.ComoNumero() - x0, *y.ComoNumero() - y0), 100.0);
        PuntoFichero vuelta = Utm("", "", DatumFichero::Etrs89);
        vuelta.x = x;
        vuelta.y = y;
        ASSERT_TRUE(aEd50.ALista(vuelta, x, y));
        EXPECT_LE(std::hypot(*x.ComoNumero() - x0, *y.ComoNumero() - y0), 1.5);
    }
}

TEST(ConversorListaTest, ElMismoPuntoPorUtmOGeograficasDaLoMismo) {
    ConversorLista conversor(DatumLista::Ed50);
    Valor xg;
    Valor yg;
    ASSERT_TRUE(conversor.ALista(Geo(42.8169, -1.6432, DatumFichero::Wgs84), xg, yg));
    // The same point as UTM zones 30 and 31 on WGS 84 (PROJ: +proj=utm +ellps=WGS84).
    for (const auto& p : {Utm("610919.15", "4741374.87", DatumFichero::Wgs84),
                          Utm("120386.54", "4750948.49", DatumFichero::Wgs84, 31)}) {
        ConversorLista otro(DatumLista::Ed50);
        Valor x;
        Valor y;
        ASSERT_TRUE(otro.ALista(p, x, y));
        EXPECT_LE(std::hypot(*x.ComoNumero() - *xg.ComoNumero(), *y.ComoNumero() - *yg.ComoNumero()), 1.0);
        EXPECT_EQ(Cambio(otro), " (de WGS 84 a ED50)");
    }
}

TEST(ConversorListaTest, ElResumenNombraCadaOrigenUnaVezEnOrden) {
    ConversorLista conversor(DatumLista::Ed50);
    Valor x;
    Valor y;
    ASSERT_TRUE(conversor.ALista(Utm("612345", "4745678", DatumFichero::Ed50), x, y));
    EXPECT_EQ(Cambio(conversor), "");
    ASSERT_TRUE(conversor.ALista(Geo(42.8, -1.6, DatumFichero::Wgs84), x, y));
    ASSERT_TRUE(conversor.ALista(Geo(42.7, -1.7, DatumFichero::Etrs89), x, y));
    ASSERT_TRUE(conversor.ALista(Geo(42.6, -1.5, DatumFichero::Wgs84), x, y));
    EXPECT_EQ(Cambio(conversor), " (de WGS 84 y ETRS89 a ED50)");

    ConversorLista aEtrs89(DatumLista::Etrs89);
    ASSERT_TRUE(aEtrs89.ALista(Geo(42.8, -1.6, DatumFichero::Wgs84), x, y));
    EXPECT_EQ(Cambio(aEtrs89), "");
    ASSERT_TRUE(aEtrs89.ALista(Geo(42.8, -1.6, DatumFichero::Ed50), x, y));
    EXPECT_EQ(Cambio(aEtrs89), " (de ED50 a ETRS89)");
}

TEST(ConversorListaTest, LoQueLaListaNoPuedeTenerSeRechaza) {
    for (DatumLista lista : {DatumLista::Ed50, DatumLista::Etrs89}) {
        ConversorLista conversor(lista);
        Valor x = Valor::Texto("antes");
        Valor y = Valor::Texto("antes");
        EXPECT_FALSE(conversor.ALista(Geo(19.4326, -99.1332, DatumFichero::Wgs84), x, y));
        EXPECT_FALSE(conversor.ALista(Geo(std::nan(""), -1.6, DatumFichero::Ed50), x, y));
        // ED50 to ETRS89 moves Navarre some 100 m west: an easting of five digits.
        if (lista == DatumLista::Etrs89) {
            EXPECT_FALSE(conversor.ALista(Utm("100020", "4700001", DatumFichero::Ed50), x, y));
        }
        EXPECT_FALSE(conversor.ALista(Utm("abc", "4700001", DatumFichero::Wgs84, 31), x, y));
        EXPECT_EQ(x, Valor::Texto("antes"));
    }
}

// --- Runs ---------------------------------------------------------------------

class DatumListaTest : public MotorTest {};

TEST_F(DatumListaTest, LosFicherosOziDicenElDatumDeLaLista) {
    for (DatumLista d : {DatumLista::Ed50, DatumLista::Etrs89}) {
        SCOPED_TRACE(std::string(NombreDatum(d)));
        datum = d;
        cuadro = "612345,4745678";
        Convertir(conversiones::SitnaWpOzi);
        Convertir(conversiones::SitnaTrackOzi);
        const std::string cabecera = d == DatumLista::Ed50 ? "Datum,European 1950\r\n" : "Datum,WGS 84\r\n";
        EXPECT_EQ(Leer("Sitna-OziTrack.txt"), cabecera + "TP,UTM,30T,612345,4745678,,,1,,,,,,\r\n");
        EXPECT_TRUE(Leer("Sitna-OziWp.txt").starts_with(cabecera + "WP,UTM,SIT001,30T,612345,4745678,"));
        EsperarResumen("Generados 1 Puntos de Track en " + Ruta("Sitna-OziTrack.txt"));
    }
}

TEST_F(DatumListaTest, UnFicheroOziPropioVuelveIgualEnCadaDatum) {
    for (DatumLista d : {DatumLista::Ed50, DatumLista::Etrs89}) {
        SCOPED_TRACE(std::string(NombreDatum(d)));
        datum = d;
        cuadro = "612345,4745678\r\n612400,4745700";
        Convertir(conversiones::SitnaTrackOzi);
        Convertir(conversiones::TrackOziSitna);
        EXPECT_EQ(Lista(), "612345,4745678\r\n612400,4745700");
        EsperarResumen("Generados 2 Puntos en " + Ruta("Sitna-Descargar.txt"));
    }
}

TEST_F(DatumListaTest, UnFicheroEd50QueSaleDelHusoAlDesplazarseSeRechazaEnSuLinea) {
    datum = DatumLista::Etrs89;
    Poner("Sitna-OziWp.txt", DatoDePrueba("oziwp-3-N.txt"));
    Convertir(conversiones::WpOziSitna);
    const std::string t =
        "Error:13 No coinciden los tipos (línea 4 de " + Ruta("Sitna-OziWp.txt") + ": punto fuera del huso 30)";
    EsperarError(t, t);
    const std::string caja = Lista();
    EXPECT_EQ(caja.find("612345"), std::string::npos) << "los dos primeros puntos, desplazados";
    EXPECT_EQ(std::count(caja.begin(), caja.end(), '\n'), 1);
}

TEST_F(DatumListaTest, UnaMapsourceDelHuso30EnSuDatumDejaLaPosicionComoEstaEscrita) {
    Poner("Sitna-Mapsource.txt",
          "Grid\tUTM\r\nDatum\tEuropean 1950\r\n\r\nHeader\tPosition\tTime\r\n\r\n"
          "Trackpoint\t30 T 555805.500 4718476\t\r\n");
    Convertir(conversiones::MapsourceSitna);
    EXPECT_EQ(Lista(), "555805.500,4718476");
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), "555806,4718476\r\n");
    EsperarResumen("Generados 1 Puntos en " + Ruta("Sitna-Descargar.txt"));
}

// Generated zone-30 positions written as plain decimals, any sign, leading
// and trailing zeros: one run, and the box holds each exactly as written.
std::string DecimalGenerado(std::mt19937& azar, int cifrasEnteras) {
    std::string t = azar() % 3 == 0 ? "-" : "";
    t.append(azar() % 4, '0');
    t += std::to_string(azar() % 9 + 1);
    for (int i = 1; i < cifrasEnteras; ++i) t += static_cast<char>('0' + azar() % 10);
    if (const unsigned decimales = azar() % 4; decimales > 0) {
        t += '.';
        for (unsigned i = 0; i < decimales; ++i) t += static_cast<char>('0' + azar() % 10);
        t.append(azar() % 3, '0');
    }
    return t;
}

TEST_F(DatumListaTest, UnaMapsourceDelHuso30LlegaAlCuadroComoEstaEscritaConSuSigno) {
    std::mt19937 azar(28);  // the engine's numbers are the same on every platform
    std::string fichero = "Grid\tUTM\r\nDatum\tEuropean 1950\r\n\r\nHeader\tPosition\tTime\r\n\r\n";
    std::string esperado;
    for (int i = 0; i < 20000; ++i) {
        const std::string x = DecimalGenerado(azar, 6);
        const std::string y = DecimalGenerado(azar, 7);
        fichero.append("Trackpoint\t30 T ").append(x).append(" ").append(y).append("\t\r\n");
        esperado.append(i ? "\r\n" : "").append(x).append(",").append(y);
    }
    Poner("Sitna-Mapsource.txt", fichero);
    Convertir(conversiones::MapsourceSitna);
    EXPECT_EQ(Lista(), esperado);
    EsperarResumen("Generados 20000 Puntos en " + Ruta("Sitna-Descargar.txt"));
}

}  // namespace
}  // namespace varnel::prueba
