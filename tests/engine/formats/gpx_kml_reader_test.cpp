// Points of GPX and KML files: files written by Debian's gpsbabel
// (tests/data/gpx, make-gpx.sh) and hand-made variants.

#include "engine/formats/format_rows.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/gps_points.h"
#include "tests/test_support.h"
#include "tests/text_encodings.h"

namespace varnel {
namespace {

using prueba::CarpetaTemporal;
using prueba::Codificacion;
using prueba::PuntoGps;
using prueba::PuntosGps;

// navarra.csv, the points gpsbabel was given, in its order.
constexpr std::array<PosicionGeografica, 8> kNavarra{{
    {42.8169, -1.6432},  // Pamplona
    {42.6713, -2.0308},  // Estella
    {42.5279, -1.6742},  // Tafalla
    {42.4824, -1.6513},  // Olite
    {42.0618, -1.6045},  // Tudela
    {42.5754, -1.2823},  // Sangüesa
    {43.0093, -1.3195},  // Roncesvalles
    {43.1436, -1.5164},  // Elizondo
}};

struct CasoGpsbabel {
    const char* nombre;
    const char* fichero;
    const FilaFormato* formato;
    std::array<std::int64_t, 8> lineas;  // of each point of kNavarra in the file
};

void PrintTo(const CasoGpsbabel& c, std::ostream* os) { *os << c.nombre; }

const CasoGpsbabel kGpsbabel[] = {
    // Waypoints and a track: the track's points.
    {"gpx_1_1_track_y_waypoints", "navarra-track-1.1.gpx", &formato::kGpx, {57, 63, 69, 75, 81, 87, 93, 99}},
    {"gpx_1_0_track_y_waypoints", "navarra-track-1.0.gpx", &formato::kGpx, {55, 61, 67, 73, 79, 85, 91, 97}},
    {"gpx_1_1_ruta", "navarra-route.gpx", &formato::kGpx, {8, 14, 20, 26, 32, 38, 44, 50}},
    {"gpx_1_0_waypoints", "navarra-waypoints.gpx", &formato::kGpx, {5, 11, 17, 23, 29, 35, 41, 47}},
    // gpsbabel adds a Point per track point: the LineString wins.
    {"kml_linestring_y_points", "navarra-track.kml", &formato::kKml, {321, 322, 323, 324, 325, 326, 327, 328}},
    {"kml_points", "navarra-waypoints.kml", &formato::kKml, {43, 50, 57, 64, 71, 78, 85, 92}},
};

class GpsbabelTest : public ::testing::TestWithParam<CasoGpsbabel> {};

TEST_P(GpsbabelTest, LosPuntosConocidosEnOrdenYConSuLinea) {
    const auto& c = GetParam();
    const auto ruta = prueba::RutaDatoDePrueba("gpx") / c.fichero;
    EXPECT_EQ(prueba::FormatoGpsDe(ruta), c.formato);
    std::vector<PuntoGps> esperados;
    for (std::size_t i = 0; i < kNavarra.size(); ++i)
        esperados.push_back({kNavarra[i].latitud, kNavarra[i].longitud, c.lineas[i]});
    EXPECT_EQ(PuntosGps(ruta), esperados);
}

INSTANTIATE_TEST_SUITE_P(Ficheros, GpsbabelTest, ::testing::ValuesIn(kGpsbabel),
                         [](const auto& info) { return std::string(info.param.nombre); });

struct CasoVariante {
    const char* nombre;
    Codificacion codificacion;
    std::string documento;  // UTF-8, written in the case's encoding
    std::vector<PuntoGps> puntos;
};

void PrintTo(const CasoVariante& c, std::ostream* os) { *os << c.nombre; }

const std::string kTrackUtf16 = R"(<?xml version="1.0" encoding="UTF-16"?>
<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">
<trk><name>Sangüesa</name><trkseg>
<trkpt lat="42.5754" lon="-1.2823"/>
<trkpt lat="42.5755" lon="-1.2824"><name>Río Aragón</name></trkpt>
</trkseg></trk></gpx>)";

const std::vector<PuntoGps> kPuntosUtf16{{42.5754, -1.2823, 4}, {42.5755, -1.2824, 5}};

const CasoVariante kVariantes[] = {
    // Read in one pass: what comes before the first track point is held, and
    // a fault in it does not count once a track point drops it.
    {"gpx_waypoint_y_ruta_rotos_antes_del_track",
     Codificacion::Utf8,
     R"(<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">
<wpt lat="mal" lon="-1"/>
<rte><rtept lat="42.3"/></rte>
<trk><trkseg><trkpt lat="42.4" lon="-1.4"/></trkseg></trk>
</gpx>)",
     {{42.4, -1.4, 4}}},
    {"gpx_ruta_antes_que_waypoints_aunque_vengan_despues",
     Codificacion::Utf8,
     R"(<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">
<wpt lat="42.1" lon="-1.1"/>
<rte><rtept lat="42.2" lon="-1.2"/></rte>
<wpt lat="mal" lon="-1"/>
<rte><rtept lat="42.3" lon="-1.3"/></rte>
</gpx>)",
     {{42.2, -1.2, 3}, {42.3, -1.3, 5}}},
    {"gpx_track_tras_sus_waypoints_y_antes_de_otros",
     Codificacion::Utf8,
     R"(<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">
<wpt lat="42.1" lon="-1.1"/>
<trk><trkseg><trkpt lat="42.4" lon="-1.4"/></trkseg></trk>
<wpt lat="42.5" lon="-1.5"/><rte><rtept lat="mal" lon="-1"/></rte>
<trk><trkseg><trkpt lat="42.6" lon="-1.6"/></trkseg></trk>
</gpx>)",
     {{42.4, -1.4, 3}, {42.6, -1.6, 5}}},
    {"kml_point_roto_antes_de_la_linestring",
     Codificacion::Utf8,
     R"(<kml xmlns="http://www.opengis.net/kml/2.2"><Document>
<Placemark><Point><coordinates>mal</coordinates></Point></Placemark>
<Placemark><LineString><coordinates>-1.5,42.5 -1.6,42.6</coordinates></LineString></Placemark>
</Document></kml>)",
     {{42.5, -1.5, 3}, {42.6, -1.6, 3}}},
    {"gpx_1_0",
     Codificacion::Utf8,
     R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.0" creator="a mano" xmlns="http://www.topografix.com/GPX/1/0">
<trk><name>Aralar</name><number>1</number>
<trkseg>
<trkpt lat="42.95" lon="-1.95"><ele>1000</ele></trkpt>
<trkpt lat="42.951" lon="-1.949"/>
</trkseg>
</trk>
</gpx>
)",
     {{42.95, -1.95, 5}, {42.951, -1.949, 6}}},
    {"gpx_1_1_extensiones_ajenas",
     Codificacion::Utf8,
     R"(<?xml version="1.0"?>
<gpx version="1.1" creator="a mano" xmlns="http://www.topografix.com/GPX/1/1" xmlns:x="urn:otra">
<metadata><name>m</name><bounds minlat="42" minlon="-2" maxlat="43" maxlon="-1"/></metadata>
<trk><trkseg>
<trkpt lat="42.8" lon="-1.6"><extensions><x:trkpt lat="1" lon="1"/></extensions></trkpt>
<x:trkpt lat="2" lon="2"/>
<trkpt lon="-1.61" lat="42.81"></trkpt>
</trkseg></trk>
</gpx>)",
     {{42.8, -1.6, 5}, {42.81, -1.61, 7}}},
    {"gpx_con_prefijo",
     Codificacion::Utf8,
     R"(<?xml version="1.0"?>
<g:gpx xmlns:g="http://www.topografix.com/GPX/1/1" version="1.1" creator="a mano">
<g:trk><g:trkseg>
<g:trkpt lat="42.1" lon="-1.1"/>
<trkpt lat="9" lon="9"/>
<g:trkpt g:lat="8" lat="42.11" lon="-1.11"/>
</g:trkseg></g:trk></g:gpx>)",
     {{42.1, -1.1, 4}, {42.11, -1.11, 6}}},
    {"gpx_sin_espacio_de_nombres",
     Codificacion::Utf8,
     R"(<gpx version="1.0">
<trk><trkseg><trkpt lat="42.2" lon="-1.2"/></trkseg></trk>
</gpx>)",
     {{42.2, -1.2, 2}}},
    {"nombres_cdata",
     Codificacion::Utf8,
     R"(<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">
<wpt lat="42.3" lon="-1.3"><name><![CDATA[<Puente> & "la Reina"]]></name></wpt>
<wpt lat="42.31" lon="-1.31"><name><![CDATA[]]></name><desc><![CDATA[
varias
líneas]]></desc></wpt>
<wpt lat="42.32" lon="-1.32"/>
</gpx>)",
     {{42.3, -1.3, 2}, {42.31, -1.31, 3}, {42.32, -1.32, 6}}},
    {"comentarios",
     Codificacion::Utf8,
     R"(<?xml version="1.0"?>
<!-- <gpx><trk><trkseg><trkpt lat="1" lon="1"/></trkseg></trk></gpx> -->
<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1"><!-- c -->
<trk><!-- <trkseg><trkpt lat="2" lon="2"/></trkseg> -->
<trkseg>
<!-- <trkpt lat="3" lon="3"/> -->
<trkpt lat="42.4" lon="-1.4"/><!--
varias líneas
--><trkpt lat="42.41" lon="-1.41"/>
</trkseg></trk></gpx>)",
     {{42.4, -1.4, 7}, {42.41, -1.41, 9}}},
    {"utf16le_con_marca", Codificacion::Utf16Le, kTrackUtf16, kPuntosUtf16},
    {"utf16be_con_marca", Codificacion::Utf16Be, kTrackUtf16, kPuntosUtf16},
    {"utf8_con_marca",
     Codificacion::Utf8ConMarca,
     R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1"><wpt lat="42.5754" lon="-1.2823"/></gpx>)",
     {{42.5754, -1.2823, 2}}},
    {"iso_8859_1_declarado",
     Codificacion::Latin1,
     R"(<?xml version="1.0" encoding="ISO-8859-1"?>
<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">
<trk><name>Sangüesa</name><trkseg>
<trkpt lat="42.5754" lon="-1.2823"><desc>Río Aragón, año 2026</desc></trkpt>
</trkseg></trk></gpx>)",
     {{42.5754, -1.2823, 4}}},
    {"dos_tracks_de_dos_segmentos",
     Codificacion::Utf8,
     R"(<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">
<wpt lat="1" lon="1"/>
<trk><name>uno</name>
<trkseg><trkpt lat="42.61" lon="-1.61"/><trkpt lat="42.62" lon="-1.62"/></trkseg>
<trkseg><trkpt lat="42.63" lon="-1.63"/></trkseg>
</trk>
<rte><rtept lat="2" lon="2"/></rte>
<trk><name>dos</name>
<trkseg><trkpt lat="42.64" lon="-1.64"/></trkseg>
<trkseg><trkpt lat="42.65" lon="-1.65"/>
<trkpt lat="42.66" lon="-1.66"/></trkseg>
</trk>
</gpx>)",
     {{42.61, -1.61, 4},
      {42.62, -1.62, 4},
      {42.63, -1.63, 5},
      {42.64, -1.64, 9},
      {42.65, -1.65, 10},
      {42.66, -1.66, 11}}},
    // The other kinds are not read while a file has track points: a wrong
    // route point there is no refusal.
    {"track_y_ruta_erronea",
     Codificacion::Utf8,
     R"(<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">
<rte><rtept lat="zz" lon="2"/></rte>
<trk><trkseg><trkpt lat="42.67" lon="-1.67"/></trkseg></trk>
</gpx>)",
     {{42.67, -1.67, 3}}},
    {"solo_rutas",
     Codificacion::Utf8,
     R"(<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">
<wpt lat="1" lon="1"/>
<trk><trkseg></trkseg></trk>
<rte><name>r</name>
<rtept lat="42.71" lon="-1.71"/>
<rtept lat="42.72" lon="-1.72"/>
</rte>
<rte><rtept lat="42.73" lon="-1.73"/></rte>
</gpx>)",
     {{42.71, -1.71, 5}, {42.72, -1.72, 6}, {42.73, -1.73, 8}}},
    {"solo_waypoints",
     Codificacion::Utf8,
     R"(<gpx version="1.0" xmlns="http://www.topografix.com/GPX/1/0">
<wpt lat="42.81" lon="-1.81"><name>a</name></wpt>
<wpt lat=" 42.82 " lon="-1.82"/>
</gpx>)",
     {{42.81, -1.81, 2}, {42.82, -1.82, 3}}},
    {"gpx_vacio",
     Codificacion::Utf8,
     R"(<?xml version="1.0"?>
<gpx version="1.1" creator="a mano" xmlns="http://www.topografix.com/GPX/1/1"/>
)",
     {}},
    {"gpx_sin_puntos",
     Codificacion::Utf8,
     R"(<gpx version="1.1" xmlns="http://www.topografix.com/GPX/1/1">
<metadata><name>nada</name></metadata><trk><name>t</name><trkseg/></trk><rte/>
</gpx>)",
     {}},
    {"kml_linestring_entre_points",
     Codificacion::Utf8,
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
     "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
     "<Document>\n"
     "<Placemark><Point><coordinates>-9,9</coordinates></Point>"
     "</Placemark>\n"
     "<Placemark><LineString><tessellate>1</tessellate>"
     "<coordinates>\n"
     " -1.91,42.91,100 -1.92,42.92\t-1.93,42.93,0\r\n"
     "\n"
     "-1.94,42.94,1</coordinates></LineString></Placemark>\n"
     "<Placemark><MultiGeometry><LineString><coordinates>"
     "-1.95,42.95</coordinates></LineString>\n"
     "<Polygon><outerBoundaryIs><LinearRing><coordinates>"
     "-8,8 -8,8.1 -8,8</coordinates></LinearRing>"
     "</outerBoundaryIs></Polygon>\n"
     "</MultiGeometry></Placemark>\n"
     "</Document></kml>\n",
     {{42.91, -1.91, 6},
      {42.92, -1.92, 6},
      {42.93, -1.93, 6},
      {42.94, -1.94, 8},
      {42.95, -1.95, 9},
      {8, -8, 10},
      {8.1, -8, 10},
      {8, -8, 10}}},
    {"kml_2_1_points",
     Codificacion::Utf8,
     R"(<?xml version="1.0" encoding="UTF-8"?>
<kml xmlns="http://earth.google.com/kml/2.1">
<Folder>
<Placemark><name>a</name><Point><coordinates>-1.51,42.51,0</coordinates></Point></Placemark>
<Placemark><MultiGeometry><Point><coordinates>
  -1.52,42.52
</coordinates></Point></MultiGeometry></Placemark>
<Placemark><Polygon><outerBoundaryIs><LinearRing><coordinates>-8,8 -8,8.1 -8,8</coordinates></LinearRing></outerBoundaryIs></Polygon></Placemark>
</Folder></kml>)",
     {{8, -8, 8}, {8.1, -8, 8}, {8, -8, 8}}},
    {"kml_prefijo_y_cdata",
     Codificacion::Utf16Le,
     R"(<?xml version="1.0" encoding="UTF-16"?>
<k:kml xmlns:k="http://www.opengis.net/kml/2.2"><k:Placemark><k:LineString>
<k:coordinates><![CDATA[-1.41,42.41
-1.42,42.42]]> -1.43,42.43</k:coordinates>
</k:LineString></k:Placemark></k:kml>)",
     {{42.41, -1.41, 3}, {42.42, -1.42, 4}, {42.43, -1.43, 4}}},
};

class VariantesTest : public ::testing::TestWithParam<CasoVariante> {};

TEST_P(VariantesTest, PuntosEnOrdenConSuLinea) {
    const auto& c = GetParam();
    CarpetaTemporal dir;
    prueba::EscribirBytes(dir / "f.xml", prueba::Codificar(c.codificacion, c.documento));
    EXPECT_EQ(PuntosGps(dir / "f.xml"), c.puntos);
}

INSTANTIATE_TEST_SUITE_P(Documentos, VariantesTest, ::testing::ValuesIn(kVariantes),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace varnel
