#include <gtest/gtest.h>

#include <algorithm>

#include "tests/engine/run/engine_fixture.h"

namespace varnel::prueba {
namespace {

using HaciaSitnaTest = MotorTest;

constexpr const char* kCajaDe3 = "612345,4745678\r\n612400,4745700\r\n99999,4700001";

TEST_F(HaciaSitnaTest, WaypointsOziVuelvenALaListaYLaCaja) {
    Poner("Sitna-OziWp.txt", DatoDePrueba("oziwp-3-N.txt"));
    Convertir(conversiones::WpOziSitna);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), DatoDePrueba("descargar-3.txt"));
    EXPECT_EQ(Lista(), kCajaDe3);  // a five-digit easting keeps five digits in the box
    EsperarResumen("Generados 3 Puntos en " + Ruta("Sitna-Descargar.txt"));
}

TEST_F(HaciaSitnaTest, TrackOziVuelveALaListaYLaCaja) {
    Poner("Sitna-OziTrack.txt", DatoDePrueba("ozitrack-3.txt"));
    cuadro = std::nullopt;  // plays no part here
    Convertir(conversiones::TrackOziSitna);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), DatoDePrueba("descargar-3.txt"));
    EXPECT_EQ(Lista(), kCajaDe3);
    EsperarResumen("Generados 3 Puntos en " + Ruta("Sitna-Descargar.txt"));
}

TEST_F(HaciaSitnaTest, MapsourceDeGpsbabel) {
    Poner("Sitna-Mapsource.txt", DatoDePrueba("mapsource-gpsbabel-2tracks.txt"));
    Convertir(conversiones::MapsourceSitna);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), DatoDePrueba("descargar-gpsbabel-2tracks.txt"));
    EXPECT_EQ(Lista(), "611021,4741583\r\n611280,4741710\r\n611523,4741880\r\n625611,4672198\r\n626014,4672761");
    EsperarResumen("Generados 5 Puntos en " + Ruta("Sitna-Descargar.txt"));
}

TEST_F(HaciaSitnaTest, MapsourceLargoDeGpsbabel) {
    Poner("Sitna-Mapsource.txt", DatoDePrueba("mapsource-gpsbabel-60.txt"));
    Convertir(conversiones::MapsourceSitna);
    EsperarResumen("Generados 60 Puntos en " + Ruta("Sitna-Descargar.txt"));
    const std::string lista = Leer("Sitna-Descargar.txt");
    EXPECT_EQ(lista.size(), 60u * 16u);
    // The box is the file without the number formats and without the last CR LF.
    EXPECT_EQ(Lista() + "\r\n", lista);
}

TEST_F(HaciaSitnaTest, MapsourceEnCuadriculaNoAdmitidaEs13ConSuMotivo) {
    std::string f = DatoDePrueba("mapsource-gpsbabel-geographic.txt");
    f.replace(0, f.find('\r'), "Grid\tMaidenhead");
    Poner("Sitna-Mapsource.txt", f);
    Poner("Sitna-Descargar.txt", "anterior");
    Convertir(conversiones::MapsourceSitna);
    const std::string texto = "Error:13 No coinciden los tipos (línea 1 de " + Ruta("Sitna-Mapsource.txt") +
                              ": cuadrícula no admitida «Maidenhead»)";
    EsperarError(texto, texto);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), "");
    EXPECT_EQ(Lista(), "");
}

struct CasoMapsource {
    const char* nombre;
    std::string fichero;
    std::string lista;  // expected file, or "" with error 13 at `lineaError`
    int lineaError;
};

void PrintTo(const CasoMapsource& c, std::ostream* os) { *os << c.nombre; }

class MapsourceTest : public MotorTest, public ::testing::WithParamInterface<CasoMapsource> {};

TEST_P(MapsourceTest, Lineas) {
    const auto& c = GetParam();
    Poner("Sitna-Mapsource.txt", c.fichero);
    Convertir(conversiones::MapsourceSitna);
    if (c.lineaError == 0) {
        EXPECT_FALSE(resultado.error) << Mensajes();
        EXPECT_EQ(Leer("Sitna-Descargar.txt"), c.lista);
    } else {
        EXPECT_EQ(Mensajes(), "Error:13 No coinciden los tipos (línea " + std::to_string(c.lineaError) + " de " +
                                  Ruta("Sitna-Mapsource.txt") + ")");
        EXPECT_EQ(Leer("Sitna-Descargar.txt"), c.lista);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, MapsourceTest,
    ::testing::Values(CasoMapsource{"zona_junta", "Trackpoint\t30T 612345 4745678\t\n", "612345,4745678\r\n", 0},
                      CasoMapsource{"lf_y_cr", "Track\tA\nTrackpoint\t30 T 1 2\rTrackpoint\t30 T 612345 4745678",
                                    "000001,0000002\r\n612345,4745678\r\n", 0},
                      CasoMapsource{"minusculas", "trackpoint\t30 T 612345 4745678\n", "", 0},
                      CasoMapsource{"sin_puntos", "Grid\tUTM\r\n\r\nHeader\tPosition\r\n", "", 0},
                      CasoMapsource{"cinco_cifras", "Trackpoint\t30 T 99999 4745678\t\r\n", "099999,4745678\r\n", 0},
                      CasoMapsource{"sin_tab", "Trackpoint 30 T 612345 4745678\r\n", "", 1},
                      CasoMapsource{"letras", "Trackpoint\t30 T 612345 4745678\r\nTrackpoint\t30 T 61234x 4745678\r\n",
                                    "612345,4745678\r\n", 2},
                      CasoMapsource{"sin_zona", "Trackpoint\t612345 4745678\r\n", "", 1},
                      CasoMapsource{"zona_mala", "Trackpoint\tN42 49.080 612345\r\n", "", 1}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(HaciaSitnaTest, MapsourceSinFicheroEs53) {
    Poner("Sitna-Descargar.txt", "anterior");
    Convertir(conversiones::MapsourceSitna);
    EsperarError("Error:53 No se ha encontrado el archivo " + Ruta("Sitna-Mapsource.txt"),
                 "Error:53 No se ha encontrado el archivo");
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), "anterior");
    EXPECT_EQ(Lista(), "");
}

TEST_F(HaciaSitnaTest, Mapsource32768PuntosLlegaAlFicheroPeroNoALaCaja) {
    std::string f;
    for (int i = 0; i < 32768; ++i) f += "Trackpoint\t30 T " + std::to_string(600000 + i) + " 4745678\t\r\n";
    Poner("Sitna-Mapsource.txt", f);
    Convertir(conversiones::MapsourceSitna);
    EsperarError("Error:6 Desbordamiento", "Error:6 Desbordamiento");
    EXPECT_EQ(Leer("Sitna-Descargar.txt").size(), 32768u * 16u);
    EXPECT_EQ(Lista().size(), 32767u * 16u - 2u);
}

// Header handling and record checks for the two Ozi readers.
struct CasoOzi {
    const char* nombre;
    bool waypoints;
    std::string fichero;
    std::string lista;
    int lineaError;  // 0: summary
};

void PrintTo(const CasoOzi& c, std::ostream* os) { *os << c.nombre; }

class OziASitnaTest : public MotorTest, public ::testing::WithParamInterface<CasoOzi> {};

TEST_P(OziASitnaTest, Registros) {
    const auto& c = GetParam();
    const char* entrada = c.waypoints ? "Sitna-OziWp.txt" : "Sitna-OziTrack.txt";
    Poner(entrada, c.fichero);
    if (c.waypoints)
        Convertir(conversiones::WpOziSitna);
    else
        Convertir(conversiones::TrackOziSitna);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), c.lista);
    if (c.lineaError == 0) {
        EXPECT_FALSE(resultado.error) << Mensajes();
    } else {
        const std::string t =
            "Error:13 No coinciden los tipos (línea " + std::to_string(c.lineaError) + " de " + Ruta(entrada) + ")";
        EsperarError(t, t);
    }
}

const std::string kWp1 = "WP,UTM,SIT001,30T,612345,4745678,,,SITNA Punto 001,\x87,N";
const std::string kWp2 = "WP,UTM,SIT002,30T,612400,4745700,,,SITNA Punto 002,\x87,N";
const std::string kTp1 = "TP,UTM,30T,612345,4745678,,,1,,,,,,";
const std::string kTp2 = "TP,UTM,30T,612400,4745700,,,0,,,,,,";
const std::string kLista2 = "612345,4745678\r\n612400,4745700\r\n";

INSTANTIATE_TEST_SUITE_P(
    Casos, OziASitnaTest,
    ::testing::Values(
        CasoOzi{"wp_lf", true, "Datum,European 1950\n" + kWp1 + "\n" + kWp2 + "\n", kLista2, 0},
        CasoOzi{"wp_sin_cabecera", true, kWp1 + "\r\n" + kWp2 + "\r\n", kLista2, 0},
        CasoOzi{"wp_linea_blanca_final", true, "Datum,European 1950\r\n" + kWp1 + "\r\n" + kWp2 + "\r\n\r\n  \r\n",
                kLista2, 0},
        CasoOzi{"wp_seis_campos", true,
                "Datum,European 1950\r\nWP,UTM,A,30T,612345,4745678\r\nWP,UTM,B,30T,612400,4745700", kLista2, 0},
        CasoOzi{"wp_nombre_entre_comillas", true, "Datum,European 1950\r\nWP,UTM,\"A,B\",30T,612345,4745678,x\r\n",
                "612345,4745678\r\n", 0},
        CasoOzi{"wp_corto", true, "Datum,European 1950\r\n" + kWp1 + "\r\nWP,UTM,SIT,30T,612400\r\n" + kWp2 + "\r\n",
                "612345,4745678\r\n", 3},
        CasoOzi{"wp_nombre_con_coma", true, "Datum,European 1950\r\nWP,UTM,A,B,30T,612345,4745678\r\n", "", 2},
        CasoOzi{"wp_solo_cabecera", true, "Datum,European 1950\r\n", "", 0},
        CasoOzi{"wp_solo_blancos", true, "\r\n\r\n", "", 0},
        CasoOzi{"tp_cr", false, "Datum,European 1950\r" + kTp1 + "\r" + kTp2 + "\r", kLista2, 0},
        CasoOzi{"tp_sin_cabecera", false, kTp1 + "\n" + kTp2, kLista2, 0},
        CasoOzi{"tp_cinco_campos", false,
                "Datum,European 1950\r\nTP,UTM,30T,612345,4745678\r\nTP,UTM,30T,612400,4745700\r\n", kLista2, 0},
        CasoOzi{"tp_varios_tracks", false, "x\r\n" + kTp1 + "\r\n" + kTp1 + "\r\n",
                "612345,4745678\r\n612345,4745678\r\n", 0},
        CasoOzi{"tp_propio_solo_cabecera", false, "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\n" + kTp1, "",
                0},
        CasoOzi{"tp_vacio_el_norte", false, "Datum,European 1950\r\n" + kTp1 + "\r\nTP,UTM,30T,612345,,,,0\r\n",
                "612345,4745678\r\n", 3}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(HaciaSitnaTest, FicheroOziVacioEs62TrasVaciarLaLista) {
    Poner("Sitna-OziTrack.txt", "");
    Poner("Sitna-Descargar.txt", "anterior");
    Convertir(conversiones::TrackOziSitna);
    EsperarError("Error:62 La entrada sobrepasa el final del archivo",
                 "Error:62 La entrada sobrepasa el final del archivo");
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), "");
}

TEST_F(HaciaSitnaTest, ElRegistro32768DesbordaSinEscribirse) {
    std::string f = "Datum,European 1950\r\n";
    for (int i = 0; i < 32768; ++i) f += "WP,UTM,X,30T," + std::to_string(600000 + i) + ",4745678,,,x,\x87,N\r\n";
    Poner("Sitna-OziWp.txt", f);
    Convertir(conversiones::WpOziSitna);
    EsperarError("Error:6 Desbordamiento", "Error:6 Desbordamiento");
    EXPECT_EQ(Leer("Sitna-Descargar.txt").size(), 32767u * 16u);
    EXPECT_EQ(Lista().size(), 32767u * 16u - 2u);
}

TEST_F(HaciaSitnaTest, ValoresFraccionariosEnLaCajaConPunto) {
    Poner("Sitna-OziTrack.txt", "Datum,European 1950\r\nTP,UTM,30T,612345.5,4745678.25,,,1\r\n");
    Convertir(conversiones::TrackOziSitna);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), "612346,4745678\r\n");
    EXPECT_EQ(Lista(), "612345.5,4745678.25");
}

TEST_F(HaciaSitnaTest, NumerosSinExponenteEnLaCaja) {
    Poner("Sitna-OziWp.txt", "Datum,European 1950\r\nWP,UTM,A,30T,1000000000000000,0.0001,,,x,\x87,N\r\n");
    Convertir(conversiones::WpOziSitna);
    EXPECT_EQ(Lista(), "1000000000000000,0.0001");
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), "1000000000000000,0000000\r\n");
}

// Every round trip: SITNA -> Ozi -> SITNA gives back the same list and box.
class IdaYVueltaTest : public MotorTest, public ::testing::WithParamInterface<bool> {};

TEST_P(IdaYVueltaTest, LaListaVuelveIgual) {
    const bool waypoints = GetParam();
    const std::string caja = ListaSitna(2500, "\r\n").substr(0, 2500 * 16 - 2);
    cuadro = caja;
    Convertir(waypoints ? conversiones::SitnaWpOzi : conversiones::SitnaTrackOzi);
    Convertir(waypoints ? conversiones::WpOziSitna : conversiones::TrackOziSitna);
    EXPECT_EQ(Lista(), caja);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), caja + "\r\n");
    EsperarResumen("Generados 2500 Puntos en " + Ruta("Sitna-Descargar.txt"));
    // ... and file mode takes the list file back to the same Ozi file.
    const std::string ozi = Leer(waypoints ? "Sitna-OziWp.txt" : "Sitna-OziTrack.txt");
    cuadro = std::nullopt;
    Convertir(waypoints ? conversiones::SitnaWpOzi : conversiones::SitnaTrackOzi);
    EXPECT_EQ(Leer(waypoints ? "Sitna-OziWp.txt" : "Sitna-OziTrack.txt"), ozi);
}

INSTANTIATE_TEST_SUITE_P(WaypointsYTrack, IdaYVueltaTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "waypoints" : "track"; });

}  // namespace
}  // namespace varnel::prueba
