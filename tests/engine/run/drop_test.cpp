// Files dropped on the window: one run towards SITNA over every file, each
// read by its content, whatever its name.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <pthread.h>
#endif

#include "tests/engine/run/engine_fixture.h"

namespace varnel::prueba {
namespace {
namespace fs = std::filesystem;

struct CasoSoltado {
    const char* nombre;
    DatumLista datum;                    // the list's
    std::vector<std::string> ficheros;   // under tests/data, in drop order
    std::vector<std::string> esperados;  // their expected lists on that datum, joined in order
    const char* cambio = "";             // what the summary adds
    // The box, when it differs from the list's lines (a padded value); else
    // the list with CR LF between points and none after the last.
    const char* caja = nullptr;
};

void PrintTo(const CasoSoltado& c, std::ostream* os) { *os << c.nombre; }

class SoltarTest : public MotorTest, public ::testing::WithParamInterface<CasoSoltado> {
protected:
    // Dropped under a name that says nothing of the format.
    std::vector<fs::path> Copiar(const std::vector<std::string>& ficheros) {
        std::vector<fs::path> rutas;
        for (std::size_t i = 0; i < ficheros.size(); ++i) {
            const fs::path r = origen / ("soltado-" + std::to_string(i) + ".dat");
            EscribirBytes(r, DatoDePrueba(ficheros[i]));
            rutas.push_back(r);
        }
        return rutas;
    }
    CarpetaTemporal origen;
};

// The box of the three-point list: the values as read, 99999 without the
// file's padding zero.
constexpr const char* kCajaDe3 = "612345,4745678\r\n612400,4745700\r\n99999,4700001";

TEST_P(SoltarTest, LaListaSaleDeCadaFicheroEnOrden) {
    std::string lista;
    for (const auto& e : GetParam().esperados) lista += DatoDePrueba(e);
    Poner("Sitna-Descargar.txt", "anterior");
    datum = GetParam().datum;
    Soltar(Copiar(GetParam().ficheros));
    const int puntos = static_cast<int>(std::count(lista.begin(), lista.end(), '\n'));
    EsperarResumen("Generados " + std::to_string(puntos) + " Puntos en " + Ruta("Sitna-Descargar.txt") +
                   GetParam().cambio);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), lista);
    EXPECT_EQ(resultado.escritos, std::vector<fs::path>{dir / "Sitna-Descargar.txt"});
    if (GetParam().caja) {
        EXPECT_EQ(Lista(), GetParam().caja);
    } else {
        // Only full-width values: the file's digits are the box's.
        EXPECT_EQ(lista.find(",0"), std::string::npos);
        EXPECT_EQ(lista.find("\n0"), std::string::npos);
        EXPECT_NE(lista[0], '0');
        EXPECT_EQ(Lista() + "\r\n", lista);
    }
}

constexpr auto E = DatumLista::Ed50;
constexpr auto R = DatumLista::Etrs89;
constexpr const char* kDeWgs84 = " (de WGS 84 a ED50)";

INSTANTIATE_TEST_SUITE_P(
    Formatos, SoltarTest,
    ::testing::Values(
        CasoSoltado{"listaSitna", E, {"sitna-3.txt"}, {"descargar-3.txt"}, "", kCajaDe3},
        CasoSoltado{"listaSitnaEnEtrs89", R, {"sitna-3.txt"}, {"descargar-3.txt"}, "", kCajaDe3},
        CasoSoltado{"listaSitnaUtf16", E, {"real/sitna-3-utf16le.txt"}, {"descargar-3.txt"}, "", kCajaDe3},
        CasoSoltado{"oziTextoWaypoints", E, {"oziwp-3-N.txt"}, {"descargar-3.txt"}, "", kCajaDe3},
        CasoSoltado{"oziTextoTrack", E, {"ozitrack-3.txt"}, {"descargar-3.txt"}, "", kCajaDe3},
        // Files on two datums make one list on the list's.
        CasoSoltado{"oziPropiosEnEd50",
                    E,
                    {"real/ozi-wgs84-track.plt", "real/ozi-ed50-waypoints.wpt"},
                    {"real/ozi-wgs84-track.otro-datum.expected.txt", "real/ozi-ed50-waypoints.expected.txt"},
                    " (de WGS 84 a ED50)"},
        CasoSoltado{"oziPropiosEnEtrs89",
                    R,
                    {"real/ozi-wgs84-track.plt", "real/ozi-ed50-waypoints.wpt"},
                    {"real/ozi-wgs84-track.expected.txt", "real/ozi-ed50-waypoints.otro-datum.expected.txt"},
                    " (de ED50 a ETRS89)"},
        CasoSoltado{"mapsourceCadaCuadricula",
                    E,
                    {"real/mapsource-dmm-wgs84.txt", "real/mapsource-dms-ed50.txt", "real/mapsource-utm-wgs84.txt"},
                    {"real/mapsource-dmm-wgs84.otro-datum.expected.txt", "real/mapsource-dms-ed50.expected.txt",
                     "real/mapsource-utm-wgs84.otro-datum.expected.txt"},
                    " (de WGS 84 a ED50)"},
        CasoSoltado{
            "mapsourceUtf16", R, {"real/mapsource-dmm-wgs84-utf16be.txt"}, {"real/mapsource-dmm-wgs84.expected.txt"}},
        // Written by gpsbabel; the lists from PROJ (tests/data/gpx/make-gpx.sh).
        CasoSoltado{"gpx11Track", E, {"gpx/navarra-track-1.1.gpx"}, {"gpx/navarra.ed50.expected.txt"}, kDeWgs84},
        CasoSoltado{"gpx11TrackEnEtrs89", R, {"gpx/navarra-track-1.1.gpx"}, {"gpx/navarra.expected.txt"}},
        CasoSoltado{"gpx10Track", E, {"gpx/navarra-track-1.0.gpx"}, {"gpx/navarra.ed50.expected.txt"}, kDeWgs84},
        CasoSoltado{"gpxRuta", E, {"gpx/navarra-route.gpx"}, {"gpx/navarra.ed50.expected.txt"}, kDeWgs84},
        CasoSoltado{"gpxWaypoints", R, {"gpx/navarra-waypoints.gpx"}, {"gpx/navarra.expected.txt"}},
        CasoSoltado{"kmlLinea", E, {"gpx/navarra-track.kml"}, {"gpx/navarra.ed50.expected.txt"}, kDeWgs84},
        CasoSoltado{"kmlPuntos", R, {"gpx/navarra-waypoints.kml"}, {"gpx/navarra.expected.txt"}},
        // tests/data/gpx/make-fit-kmz.sh: the same points as FIT and KMZ (one a gx:Track).
        CasoSoltado{"fit", E, {"gpx/navarra-track.fit"}, {"gpx/navarra.ed50.expected.txt"}, kDeWgs84},
        CasoSoltado{"fitEnEtrs89", R, {"gpx/navarra-track.fit"}, {"gpx/navarra.expected.txt"}},
        CasoSoltado{"kmzDocKml", E, {"gpx/navarra-track.kmz"}, {"gpx/navarra.ed50.expected.txt"}, kDeWgs84},
        CasoSoltado{"kmzOtroKmlGuardado", R, {"gpx/navarra-gxtrack.kmz"}, {"gpx/navarra.expected.txt"}},
        CasoSoltado{"gpxYMapsource",
                    E,
                    {"gpx/navarra-track-1.1.gpx", "real/mapsource-dmm-wgs84.txt"},
                    {"gpx/navarra.ed50.expected.txt", "real/mapsource-dmm-wgs84.otro-datum.expected.txt"},
                    kDeWgs84},
        CasoSoltado{"gpxYMapsourceEtrs89",
                    E,
                    {"gpx/navarra-track-1.1.gpx", "real/mapsource-dmm-etrs89.txt"},
                    {"gpx/navarra.ed50.expected.txt", "real/mapsource-dmm-etrs89.otro-datum.expected.txt"},
                    " (de WGS 84 y ETRS89 a ED50)"},
        // TCX and GeoJSON by gpsbabel, GeoJSON on the grids and TwoNav by
        // tests/data/gps/make-gps.sh, with PROJ's lists.
        CasoSoltado{"tcxActividad", E, {"gps/navarra-activity.tcx"}, {"gpx/navarra.ed50.expected.txt"}, kDeWgs84},
        CasoSoltado{"tcxCurso", R, {"gps/navarra-course.tcx"}, {"gpx/navarra.expected.txt"}},
        CasoSoltado{"tcxTrackpointSinPosicion",
                    E,
                    {"gps/navarra-sin-posicion.tcx"},
                    {"gpx/navarra.ed50.expected.txt"},
                    kDeWgs84},
        CasoSoltado{"geojsonLinea", E, {"gps/navarra-track.geojson"}, {"gpx/navarra.ed50.expected.txt"}, kDeWgs84},
        CasoSoltado{"geojsonSinFijo",
                    E,
                    {"gps/navarra-sin-fijo.geojson"},
                    {"gpx/navarra.ed50.expected.txt"},
                    " (de WGS 84 a ED50) (1 punto sin posición omitido)"},
        CasoSoltado{"geojsonPuntos", R, {"gps/navarra-waypoints.geojson"}, {"gpx/navarra.expected.txt"}},
        CasoSoltado{"geojson25830",
                    E,
                    {"gps/navarra-25830.geojson"},
                    {"gps/navarra-25830.ed50.expected.txt"},
                    " (de ETRS89 a ED50)"},
        CasoSoltado{"geojson25830EnEtrs89", R, {"gps/navarra-25830.geojson"}, {"gpx/navarra.expected.txt"}},
        CasoSoltado{"geojson23030",
                    R,
                    {"gps/navarra-23030.geojson"},
                    {"gps/navarra-23030.etrs89.expected.txt"},
                    " (de ED50 a ETRS89)"},
        CasoSoltado{"geojson23030EnEd50", E, {"gps/navarra-23030.geojson"}, {"gpx/navarra.ed50.expected.txt"}},
        CasoSoltado{"twonavDispositivo",
                    R,
                    {"gps/navarra-dispositivo.trk"},
                    {"gpx/navarra.expected.txt"},
                    " (2 puntos sin posición omitidos)"},
        CasoSoltado{"twonavEtrexEd50", E, {"gps/navarra-etrex-ed50.trk"}, {"gps/navarra-etrex-ed50.expected.txt"}},
        CasoSoltado{"twonavEtrexEd50EnEtrs89",
                    R,
                    {"gps/navarra-etrex-ed50.trk"},
                    {"gps/navarra-etrex-ed50.etrs89.expected.txt"},
                    " (de ED50 a ETRS89)"},
        CasoSoltado{"twonavUtmWaypoints",
                    R,
                    {"gps/navarra-utm-ed50.wpt"},
                    {"gps/navarra-23030.etrs89.expected.txt"},
                    " (de ED50 a ETRS89)"},
        CasoSoltado{"twonavUtmWaypointsEnEd50", E, {"gps/navarra-utm-ed50.wpt"}, {"gpx/navarra.ed50.expected.txt"}}),
    [](const auto& info) { return std::string(info.param.nombre); });

class SoltarErrorTest : public MotorTest {
protected:
    CarpetaTemporal origen;
};

TEST_F(SoltarErrorTest, UnFormatoDesconocidoEs13EnLaLinea1) {
    const fs::path raro = origen / "notas.txt";
    EscribirBytes(raro, "Hola, esto no es un track.\r\n");
    Soltar({raro});
    const std::string t = "Error:13 No coinciden los tipos (línea 1 de " + Utf8(raro) + ": formato no reconocido)";
    EsperarError(t, t);
    EXPECT_EQ(Lista(), "");
    EXPECT_TRUE(resultado.escritos.empty());
}

TEST_F(SoltarErrorTest, LosPuntosDeLosFicherosAnterioresSeQuedan) {
    const fs::path bueno = origen / "a";
    const fs::path raro = origen / "b";
    EscribirBytes(bueno, DatoDePrueba("sitna-3.txt"));
    EscribirBytes(raro, "");
    Soltar({bueno, raro});
    const std::string t = "Error:13 No coinciden los tipos (línea 1 de " + Utf8(raro) + ": formato no reconocido)";
    EsperarError(t, t);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), DatoDePrueba("descargar-3.txt"));
    EXPECT_EQ(Lista(), kCajaDe3);
}

TEST_F(SoltarErrorTest, UnFicheroQueNoEstaEs53ConSuRuta) {
    const fs::path falta = origen / "no-esta.gpx";
    Soltar({falta});
    EsperarError("Error:53 No se ha encontrado el archivo " + Utf8(falta), "Error:53 No se ha encontrado el archivo");
}

TEST_F(SoltarErrorTest, LaPropiaListaEs75SinVaciarla) {
    Poner("Sitna-Descargar.txt", DatoDePrueba("descargar-3.txt"));
    Soltar({dir / "Sitna-Descargar.txt"});
    EsperarError("Error:75 Error de acceso a la ruta o el archivo " + Ruta("Sitna-Descargar.txt"),
                 "Error:75 Error de acceso a la ruta o el archivo");
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), DatoDePrueba("descargar-3.txt"));
}

// A GPS file with no position leaves the list as it was: an indoor
// activity, a layer of styles, a receiver that never had a fix.
TEST_F(SoltarErrorTest, UnFicheroGpsSinPuntosDejaLaLista) {
    const std::pair<const char*, std::string> sinPuntos[] = {
        {"gpx", "<gpx version=\"1.1\" xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg/></trk></gpx>"},
        {"gpx_sin_fijar",
         "<gpx version=\"1.1\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
         "<wpt lat=\"0\" lon=\"0\"/></gpx>"},
        {"kml", "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document><Style id=\"a\"/></Document></kml>"},
        {"tcx_en_sala",
         "<TrainingCenterDatabase xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\"><Activities>"
         "<Activity><Lap><Track><Trackpoint><HeartRateBpm><Value>98</Value></HeartRateBpm></Trackpoint></Track>"
         "</Lap></Activity></Activities></TrainingCenterDatabase>"},
        {"geojson", "{\"type\":\"FeatureCollection\",\"features\":[]}"},
        {"twonav", "G  WGS 84\r\nU  1\r\n"},
    };
    for (const auto& [nombre, contenido] : sinPuntos) {
        SCOPED_TRACE(nombre);
        Poner("Sitna-Descargar.txt", DatoDePrueba("descargar-3.txt"));
        const fs::path vacio = origen / nombre;
        EscribirBytes(vacio, contenido);
        Soltar({vacio});
        const std::string t = "Error:13 No coinciden los tipos (línea 1 de " + Utf8(vacio) + ": sin puntos)";
        EsperarError(t, t);
        EXPECT_EQ(Leer("Sitna-Descargar.txt"), DatoDePrueba("descargar-3.txt"));
    }
}

TEST_F(SoltarErrorTest, UnGpxMalFormadoDiceLaLineaDelAnalizador) {
    const fs::path roto = origen / "roto.gpx";
    EscribirBytes(roto,
                  "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\">\n<trk><trkseg>\n<trkpt lat=\"42.8\" lon=\"-1.6\">\n");
    Soltar({roto});
    ASSERT_TRUE(resultado.error);
    EXPECT_EQ(Modal().rfind("Error:13 No coinciden los tipos (línea ", 0), 0u) << Modal();
    EXPECT_NE(Modal().find(Utf8(roto) + ": fichero incompleto)"), std::string::npos) << Modal();
}

TEST_F(SoltarErrorTest, UnPuntoGpxFueraDelHuso30DiceSuLinea) {
    const fs::path mexico = origen / "mexico.gpx";
    EscribirBytes(mexico,
                  "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
                  "<trk><trkseg>\n<trkpt lat=\"42.8\" lon=\"-1.6\"/>\n<trkpt lat=\"19.4326\" lon=\"-99.1332\"/>\n"
                  "</trkseg></trk></gpx>\n");
    datum = DatumLista::Etrs89;  // the first point as WGS 84 projects it
    Soltar({mexico});
    const std::string t = "Error:13 No coinciden los tipos (línea 5 de " + Utf8(mexico) + ": punto fuera del huso 30)";
    EsperarError(t, t);
    EXPECT_EQ(Leer("Sitna-Descargar.txt"), "614482,4739556\r\n");
}

TEST_F(SoltarErrorTest, UnPuntoFueraDelHuso30DiceSuLinea) {
    const fs::path lejos = origen / "lejos";
    EscribirBytes(lejos, DatoDePrueba("real/mapsource-ddd-mexico.txt"));
    Soltar({lejos});
    ASSERT_TRUE(resultado.error);
    EXPECT_NE(Modal().find(Utf8(lejos) + ": punto fuera del huso 30)"), std::string::npos) << Modal();
}

#ifdef __GLIBC__
// No thread to be had (Windows has no switch for it): every new thread asks
// for a stack larger than the address space. The read ends in error 7.
TEST_F(SoltarErrorTest, SinHiloParaLeerEs7ConElFichero) {
    pthread_attr_t antes;
    pthread_attr_t enorme;
    ::pthread_getattr_default_np(&antes);
    ::pthread_attr_init(&enorme);
    ASSERT_EQ(::pthread_attr_setstacksize(&enorme, std::size_t{1} << 50) | ::pthread_setattr_default_np(&enorme), 0);
    const fs::path gpx = RutaDatoDePrueba("gpx/navarra-track-1.1.gpx");
    Soltar({gpx});
    ::pthread_setattr_default_np(&antes);
    EsperarError("Error:7 Memoria insuficiente " + Utf8(gpx), "Error:7 Memoria insuficiente");
}
#endif

}  // namespace
}  // namespace varnel::prueba
