// Files as users have them: MapSource exports in every grid, OziExplorer's own
// files and every input encoding, written by gpsbabel and checked against
// lists computed with PROJ (tests/data/real/make-real-files.sh).
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/engine/run/engine_fixture.h"

namespace varnel::prueba {
namespace {

enum class Entrada { Mapsource, OziWp, OziTrack };

const char* NombreEntrada(Entrada e) {
    switch (e) {
    case Entrada::Mapsource: return "Sitna-Mapsource.txt";
    case Entrada::OziWp: return "Sitna-OziWp.txt";
    case Entrada::OziTrack: return "Sitna-OziTrack.txt";
    }
    return "";
}

Conversion ConversionDe(Entrada e) {
    switch (e) {
    case Entrada::Mapsource: return conversiones::MapsourceSitna;
    case Entrada::OziWp: return conversiones::WpOziSitna;
    case Entrada::OziTrack: return conversiones::TrackOziSitna;
    }
    return conversiones::MapsourceSitna;
}

// The box of an expected list: its lines with CR LF between them and none
// after the last. Every list here writes its values at full width, so the
// box shows the file's digits, except the three-point list, whose 99999 the
// file pads.
std::string CajaDeLista(const std::string& lista) {
    if (lista == DatoDePrueba("descargar-3.txt")) return "612345,4745678\r\n612400,4745700\r\n99999,4700001";
    EXPECT_EQ(lista.find(",0"), std::string::npos);
    EXPECT_EQ(lista.find("\n0"), std::string::npos);
    EXPECT_NE(lista.front(), '0');
    return lista.substr(0, lista.size() - 2);
}

int PuntosDeLista(const std::string& lista) {
    int n = 0;
    for (char c : lista) n += c == '\n' ? 1 : 0;
    return n;
}

class FicheroRealBase : public MotorTest {
protected:
    std::string TextoError13(Entrada e, int linea, const std::string& motivo) const {
        return "Error:13 No coinciden los tipos (línea " + std::to_string(linea) + " de " + Ruta(NombreEntrada(e)) +
               ": " + motivo + ")";
    }
};

// --- Files that convert ------------------------------------------------------

struct CasoReal {
    const char* nombre;
    const char* fichero;  // under tests/data
    Entrada entrada;
    const char* lista;  // the expected Sitna-Descargar.txt on the file's own datum, under tests/data
    const char* datum;  // as a summary names it; "" when the file names none (then the list's own)
    const char* otra;   // the expected list when the list is on the other datum
};

// The list datum a file's points already are on (a file that names none: ED50, the default).
DatumLista Propio(const CasoReal& c) {
    const std::string d = c.datum;
    return d == "WGS 84" || d == "ETRS89" ? DatumLista::Etrs89 : DatumLista::Ed50;
}
DatumLista Otro(DatumLista d) { return d == DatumLista::Ed50 ? DatumLista::Etrs89 : DatumLista::Ed50; }

void PrintTo(const CasoReal& c, std::ostream* os) { *os << c.nombre; }

class FicheroRealTest : public FicheroRealBase, public ::testing::WithParamInterface<CasoReal> {};

TEST_P(FicheroRealTest, DaLaListaDePROJ) {
    const auto& c = GetParam();
    const std::string lista = DatoDePrueba(c.lista);
    ASSERT_FALSE(lista.empty()) << c.lista;
    Poner(NombreEntrada(c.entrada), DatoDePrueba(c.fichero));
    Poner("Sitna-Descargar.txt", "anterior");
    datum = Propio(c);
    Convertir(ConversionDe(c.entrada));
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), lista);
    EXPECT_EQ(Lista(), CajaDeLista(lista));
    EsperarResumen("Generados " + std::to_string(PuntosDeLista(lista)) + " Puntos en " + Ruta("Sitna-Descargar.txt"));
}

// On the other datum every point is shifted by EPSG:1633 (as PROJ does it) and
// the summary says so; a file that names no datum is taken as the list's.
TEST_P(FicheroRealTest, EnElOtroDatumDaLaListaDePROJ) {
    const auto& c = GetParam();
    // Such a file's edge point (easting 099999) leaves zone 30 once shifted;
    // list_datum_test has that refusal.
    if (c.otra[0] == '\0') GTEST_SKIP() << "fuera del huso 30 en el otro datum";
    const std::string lista = DatoDePrueba(c.otra);
    ASSERT_FALSE(lista.empty()) << c.otra;
    Poner(NombreEntrada(c.entrada), DatoDePrueba(c.fichero));
    datum = Otro(Propio(c));
    Convertir(ConversionDe(c.entrada));
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), lista);
    EXPECT_EQ(Lista(), CajaDeLista(lista));
    const std::string cambio = c.datum[0] == '\0'
                                   ? std::string()
                                   : " (de " + std::string(c.datum) + " a " + std::string(NombreDatum(datum)) + ")";
    EsperarResumen("Generados " + std::to_string(PuntosDeLista(lista)) + " Puntos en " + Ruta("Sitna-Descargar.txt") +
                   cambio);
}

constexpr auto M = Entrada::Mapsource;
constexpr auto W = Entrada::OziWp;
constexpr auto T = Entrada::OziTrack;

INSTANTIATE_TEST_SUITE_P(
    Mapsource, FicheroRealTest,
    ::testing::Values(
        CasoReal{"utm_wgs84", "real/mapsource-utm-wgs84.txt", M, "real/mapsource-utm-wgs84.expected.txt", "WGS 84",
                 "real/mapsource-utm-wgs84.otro-datum.expected.txt"},
        CasoReal{"utm_ed50", "real/mapsource-utm-ed50.txt", M, "real/mapsource-utm-ed50.expected.txt", "ED50",
                 "real/mapsource-utm-ed50.otro-datum.expected.txt"},
        CasoReal{"ddd_wgs84", "real/mapsource-ddd-wgs84.txt", M, "real/mapsource-ddd-wgs84.expected.txt", "WGS 84",
                 "real/mapsource-ddd-wgs84.otro-datum.expected.txt"},
        CasoReal{"ddd_ed50", "real/mapsource-ddd-ed50.txt", M, "real/mapsource-ddd-ed50.expected.txt", "ED50",
                 "real/mapsource-ddd-ed50.otro-datum.expected.txt"},
        CasoReal{"dmm_wgs84", "real/mapsource-dmm-wgs84.txt", M, "real/mapsource-dmm-wgs84.expected.txt", "WGS 84",
                 "real/mapsource-dmm-wgs84.otro-datum.expected.txt"},
        CasoReal{"dmm_ed50", "real/mapsource-dmm-ed50.txt", M, "real/mapsource-dmm-ed50.expected.txt", "ED50",
                 "real/mapsource-dmm-ed50.otro-datum.expected.txt"},
        CasoReal{"dms_wgs84", "real/mapsource-dms-wgs84.txt", M, "real/mapsource-dms-wgs84.expected.txt", "WGS 84",
                 "real/mapsource-dms-wgs84.otro-datum.expected.txt"},
        CasoReal{"dms_ed50", "real/mapsource-dms-ed50.txt", M, "real/mapsource-dms-ed50.expected.txt", "ED50",
                 "real/mapsource-dms-ed50.otro-datum.expected.txt"},
        CasoReal{"ddd_grado_utf8", "real/mapsource-ddd-wgs84-grado-utf8.txt", M,
                 "real/mapsource-ddd-wgs84.expected.txt", "WGS 84", "real/mapsource-ddd-wgs84.otro-datum.expected.txt"},
        CasoReal{"dmm_grado_utf8", "real/mapsource-dmm-wgs84-grado-utf8.txt", M,
                 "real/mapsource-dmm-wgs84.expected.txt", "WGS 84", "real/mapsource-dmm-wgs84.otro-datum.expected.txt"},
        CasoReal{"dms_grado_utf8", "real/mapsource-dms-wgs84-grado-utf8.txt", M,
                 "real/mapsource-dms-wgs84.expected.txt", "WGS 84", "real/mapsource-dms-wgs84.otro-datum.expected.txt"},
        CasoReal{"dmm_etrs89", "real/mapsource-dmm-etrs89.txt", M, "real/mapsource-dmm-etrs89.expected.txt", "ETRS89",
                 "real/mapsource-dmm-etrs89.otro-datum.expected.txt"},
        CasoReal{"hora_antes_que_posicion", "real/mapsource-dmm-hora-antes.txt", M,
                 "real/mapsource-dmm-hora-antes.expected.txt", "WGS 84",
                 "real/mapsource-dmm-wgs84.otro-datum.expected.txt"},
        CasoReal{"utm_huso31_wgs84", "real/mapsource-utm-huso31-wgs84.txt", M,
                 "real/mapsource-utm-huso31-wgs84.expected.txt", "WGS 84",
                 "real/mapsource-utm-huso31-wgs84.otro-datum.expected.txt"},
        CasoReal{"utm_huso31_ed50", "real/mapsource-utm-huso31-ed50.txt", M,
                 "real/mapsource-utm-huso31-ed50.expected.txt", "ED50",
                 "real/mapsource-utm-huso31-ed50.otro-datum.expected.txt"},
        CasoReal{"dmm_utf8_bom", "real/mapsource-dmm-wgs84-utf8bom.txt", M, "real/mapsource-dmm-wgs84.expected.txt",
                 "WGS 84", "real/mapsource-dmm-wgs84.otro-datum.expected.txt"},
        CasoReal{"dmm_utf16le", "real/mapsource-dmm-wgs84-utf16le.txt", M, "real/mapsource-dmm-wgs84.expected.txt",
                 "WGS 84", "real/mapsource-dmm-wgs84.otro-datum.expected.txt"},
        CasoReal{"dmm_utf16be", "real/mapsource-dmm-wgs84-utf16be.txt", M, "real/mapsource-dmm-wgs84.expected.txt",
                 "WGS 84", "real/mapsource-dmm-wgs84.otro-datum.expected.txt"}),
    [](const auto& info) { return std::string(info.param.nombre); });

INSTANTIATE_TEST_SUITE_P(
    OziPropios, FicheroRealTest,
    ::testing::Values(
        CasoReal{"wpt_wgs84", "real/ozi-wgs84-waypoints.wpt", W, "real/ozi-wgs84-waypoints.expected.txt", "WGS 84",
                 "real/ozi-wgs84-waypoints.otro-datum.expected.txt"},
        CasoReal{"wpt_ed50", "real/ozi-ed50-waypoints.wpt", W, "real/ozi-ed50-waypoints.expected.txt", "ED50",
                 "real/ozi-ed50-waypoints.otro-datum.expected.txt"},
        CasoReal{"wpt_ed50_espana", "real/ozi-ed50-espana-waypoints.wpt", W,
                 "real/ozi-ed50-espana-waypoints.expected.txt", "ED50",
                 "real/ozi-ed50-espana-waypoints.otro-datum.expected.txt"},
        CasoReal{"wpt_utf8_bom", "real/ozi-wgs84-waypoints-utf8bom.wpt", W, "real/ozi-wgs84-waypoints.expected.txt",
                 "WGS 84", "real/ozi-wgs84-waypoints.otro-datum.expected.txt"},
        CasoReal{"wpt_utf16le", "real/ozi-wgs84-waypoints-utf16le.wpt", W, "real/ozi-wgs84-waypoints.expected.txt",
                 "WGS 84", "real/ozi-wgs84-waypoints.otro-datum.expected.txt"},
        CasoReal{"wpt_utf16be", "real/ozi-wgs84-waypoints-utf16be.wpt", W, "real/ozi-wgs84-waypoints.expected.txt",
                 "WGS 84", "real/ozi-wgs84-waypoints.otro-datum.expected.txt"},
        CasoReal{"plt_wgs84", "real/ozi-wgs84-track.plt", T, "real/ozi-wgs84-track.expected.txt", "WGS 84",
                 "real/ozi-wgs84-track.otro-datum.expected.txt"},
        CasoReal{"plt_ed50", "real/ozi-ed50-track.plt", T, "real/ozi-ed50-track.expected.txt", "ED50",
                 "real/ozi-ed50-track.otro-datum.expected.txt"},
        CasoReal{"plt_ed50_espana", "real/ozi-ed50-espana-track.plt", T, "real/ozi-ed50-espana-track.expected.txt",
                 "ED50", "real/ozi-ed50-espana-track.otro-datum.expected.txt"},
        CasoReal{"plt_utf8_bom", "real/ozi-wgs84-track-utf8bom.plt", T, "real/ozi-wgs84-track.expected.txt", "WGS 84",
                 "real/ozi-wgs84-track.otro-datum.expected.txt"},
        CasoReal{"plt_utf16le", "real/ozi-wgs84-track-utf16le.plt", T, "real/ozi-wgs84-track.expected.txt", "WGS 84",
                 "real/ozi-wgs84-track.otro-datum.expected.txt"},
        CasoReal{"plt_utf16be", "real/ozi-wgs84-track-utf16be.plt", T, "real/ozi-wgs84-track.expected.txt", "WGS 84",
                 "real/ozi-wgs84-track.otro-datum.expected.txt"}),
    [](const auto& info) { return std::string(info.param.nombre); });

INSTANTIATE_TEST_SUITE_P(
    OziTexto, FicheroRealTest,
    ::testing::Values(
        CasoReal{"wp", "oziwp-3-N.txt", W, "descargar-3.txt", "ED50", ""},
        CasoReal{"wp_utf8_bom", "real/oziwp-3-N-utf8bom.txt", W, "descargar-3.txt", "ED50", ""},
        CasoReal{"wp_utf16le", "real/oziwp-3-N-utf16le.txt", W, "descargar-3.txt", "ED50", ""},
        CasoReal{"wp_utf16be", "real/oziwp-3-N-utf16be.txt", W, "descargar-3.txt", "ED50", ""},
        CasoReal{"wp_sin_cabecera_utf8_bom", "real/oziwp-3-N-sin-cabecera-utf8bom.txt", W, "descargar-3.txt", "",
                 "descargar-3.txt"},
        CasoReal{"wp_sin_cabecera_utf16le", "real/oziwp-3-N-sin-cabecera-utf16le.txt", W, "descargar-3.txt", "",
                 "descargar-3.txt"},
        CasoReal{"wp_sin_cabecera_utf16be", "real/oziwp-3-N-sin-cabecera-utf16be.txt", W, "descargar-3.txt", "",
                 "descargar-3.txt"},
        CasoReal{"track", "ozitrack-3.txt", T, "descargar-3.txt", "ED50", ""},
        CasoReal{"track_utf8_bom", "real/ozitrack-3-utf8bom.txt", T, "descargar-3.txt", "ED50", ""},
        CasoReal{"track_utf16le", "real/ozitrack-3-utf16le.txt", T, "descargar-3.txt", "ED50", ""},
        CasoReal{"track_utf16be", "real/ozitrack-3-utf16be.txt", T, "descargar-3.txt", "ED50", ""},
        CasoReal{"track_sin_cabecera_utf8_bom", "real/ozitrack-3-sin-cabecera-utf8bom.txt", T, "descargar-3.txt", "",
                 "descargar-3.txt"},
        CasoReal{"track_sin_cabecera_utf16le", "real/ozitrack-3-sin-cabecera-utf16le.txt", T, "descargar-3.txt", "",
                 "descargar-3.txt"},
        CasoReal{"track_sin_cabecera_utf16be", "real/ozitrack-3-sin-cabecera-utf16be.txt", T, "descargar-3.txt", "",
                 "descargar-3.txt"},
        CasoReal{"track_huso31_wgs84", "real/ozitrack-huso31-wgs84.txt", T, "real/ozitrack-huso31-wgs84.expected.txt",
                 "WGS 84", "real/ozitrack-huso31-wgs84.otro-datum.expected.txt"},
        CasoReal{"track_huso31_ed50", "real/ozitrack-huso31-ed50.txt", T, "real/ozitrack-huso31-ed50.expected.txt",
                 "ED50", "real/ozitrack-huso31-ed50.otro-datum.expected.txt"},
        CasoReal{"track_huso31_datum_desconocido", "real/ozitrack-huso31-otro.txt", T,
                 "real/ozitrack-huso31-otro.expected.txt", "", "real/ozitrack-huso31-otro.otro-datum.expected.txt"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// --- Files refused, with the reason ------------------------------------------

struct CasoRechazo {
    const char* nombre;
    const char* fichero;  // under tests/data
    Entrada entrada;
    int linea;
    const char* motivo;  // what follows the path in the message
    const char* lista;   // the points before the refusal, under tests/data
};

void PrintTo(const CasoRechazo& c, std::ostream* os) { *os << c.nombre; }

class RechazoRealTest : public FicheroRealBase, public ::testing::WithParamInterface<CasoRechazo> {};

TEST_P(RechazoRealTest, DiceElMotivo) {
    const auto& c = GetParam();
    Poner(NombreEntrada(c.entrada), DatoDePrueba(c.fichero));
    Poner("Sitna-Descargar.txt", "anterior");
    // Every such file is on WGS 84: on its own datum, the points before the
    // refusal are as PROJ projects them.
    datum = DatumLista::Etrs89;
    Convertir(ConversionDe(c.entrada));
    const std::string texto = TextoError13(c.entrada, c.linea, c.motivo);
    EsperarError(texto, texto);
    const std::string lista = c.lista[0] == '\0' ? std::string() : DatoDePrueba(c.lista);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), lista);
    if (lista.empty()) {
        EXPECT_EQ(Lista(), "");
    }
}

constexpr const char* kFuera = "punto fuera del huso 30";

INSTANTIATE_TEST_SUITE_P(
    Rechazos, RechazoRealTest,
    ::testing::Values(
        CasoRechazo{"cuadricula_britanica", "real/mapsource-bng.txt", M, 1,
                    "cuadrícula no admitida «British National Grid»", ""},
        CasoRechazo{"cuadricula_maidenhead", "real/mapsource-maidenhead.txt", M, 1,
                    "cuadrícula no admitida «Maidenhead»", ""},
        CasoRechazo{"datum_tokyo", "real/mapsource-tokyo.txt", M, 2, "datum no admitido «Tokyo mean»", ""},
        CasoRechazo{"datum_tokyo_wpt", "real/ozi-tokyo-waypoints.wpt", W, 2, "datum no admitido «Tokyo»", ""},
        CasoRechazo{"mexico", "real/mapsource-ddd-mexico.txt", M, 12, kFuera, "real/mapsource-ddd-mexico.expected.txt"},
        CasoRechazo{"hemisferio_sur", "real/mapsource-ddd-sur.txt", M, 12, kFuera,
                    "real/mapsource-ddd-sur.expected.txt"},
        CasoRechazo{"norte_de_seis_cifras", "real/mapsource-dmm-takoradi.txt", M, 12, kFuera,
                    "real/mapsource-dmm-takoradi.expected.txt"},
        CasoRechazo{"utm_huso32_tras_un_punto", "real/mapsource-utm-pisa.txt", M, 13, kFuera,
                    "real/mapsource-utm-pisa.expected.txt"},
        CasoRechazo{"plt_hemisferio_sur", "real/ozi-sur-track.plt", T, 7, kFuera, "real/ozi-sur-track.expected.txt"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// --- The SITNA list file in every encoding -----------------------------------

struct CasoLista {
    const char* nombre;
    const char* fichero;  // under tests/data
};

void PrintTo(const CasoLista& c, std::ostream* os) { *os << c.nombre; }

class ListaCodificadaTest : public MotorTest, public ::testing::WithParamInterface<CasoLista> {};

TEST_P(ListaCodificadaTest, DaElMismoTrack) {
    cuadro = std::nullopt;
    Poner("Sitna-Descargar.txt", DatoDePrueba(GetParam().fichero));
    Convertir(conversiones::SitnaTrackOzi);
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"), DatoDePrueba("ozitrack-3.txt"));
    EsperarResumen("Generados 3 Puntos de Track en " + Ruta("Sitna-OziTrack.txt"));
}

INSTANTIATE_TEST_SUITE_P(Codificaciones, ListaCodificadaTest,
                         ::testing::Values(CasoLista{"windows_1252", "sitna-3.txt"},
                                           CasoLista{"utf8_bom", "real/sitna-3-utf8bom.txt"},
                                           CasoLista{"utf16le", "real/sitna-3-utf16le.txt"},
                                           CasoLista{"utf16be", "real/sitna-3-utf16be.txt"}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// --- How a zone-30 UTM number reaches the box --------------------------------

struct CasoNumero {
    const char* nombre;
    const char* posicion;  // the Position field of the one track point
    const char* lista;
    const char* caja;
};

void PrintTo(const CasoNumero& c, std::ostream* os) { *os << c.nombre; }

class NumeroUtmTest : public MotorTest, public ::testing::WithParamInterface<CasoNumero> {};

TEST_P(NumeroUtmTest, LlegaALaCajaComoNumero) {
    const auto& c = GetParam();
    Poner("Sitna-Mapsource.txt", std::string("Grid\tUTM\r\nDatum\tEuropean 1950\r\n\r\n"
                                             "Header\tPosition\tTime\tAltitude\r\n\r\nTrackpoint\t") +
                                     c.posicion + "\t\t450 m\t\r\n");
    Convertir(conversiones::MapsourceSitna);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), c.lista);
    EXPECT_EQ(Lista(), c.caja);
    EsperarResumen("Generados 1 Puntos en " + Ruta("Sitna-Descargar.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, NumeroUtmTest,
    ::testing::Values(CasoNumero{"exponente", "30 T 6.1e5 4745678", "610000,4745678\r\n", "610000,4745678"},
                      CasoNumero{"exponente_en_el_norte", "30 T 612345 4.745678E6", "612345,4745678\r\n",
                                 "612345,4745678"},
                      CasoNumero{"signo_mas", "30 T +612345 4745678", "612345,4745678\r\n", "612345,4745678"},
                      CasoNumero{"ceros_delante", "30 T 012345 0745678", "012345,0745678\r\n", "012345,0745678"},
                      CasoNumero{"decimales", "30 T 612345.5 4745678.25", "612346,4745678\r\n", "612345.5,4745678.25"},
                      CasoNumero{"decimalesConCerosDetras", "30 T 555805.500 4718476.0", "555806,4718476\r\n",
                                 "555805.500,4718476.0"}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace varnel::prueba
