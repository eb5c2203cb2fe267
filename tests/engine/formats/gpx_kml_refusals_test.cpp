// GPX and KML by content: what is recognised, what is refused and why,
// and files far larger than a read chunk.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/formats/format_rows.h"
#include "tests/gps_points.h"
#include "tests/test_support.h"
#include "tests/text_encodings.h"
#include "ui/logic/run_report.h"

namespace varnel {
namespace {

using prueba::CarpetaTemporal;
using prueba::Codificacion;
using prueba::PuntoGps;

const std::string kCabeceraGpx =
    "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" "
    "xmlns=\"http://www.topografix.com/GPX/1/1\">\n<trk><trkseg>\n";  // lines 1-3

struct CasoRechazo {
    const char* nombre;
    std::string documento;
    std::size_t puntosAntes;  // handed out before the refusal
    std::int64_t linea;
    std::string motivo;
};

void PrintTo(const CasoRechazo& c, std::ostream* os) { *os << c.nombre; }

const CasoRechazo kRechazos[] = {
    {"cortado_dentro_de_un_punto",
     kCabeceraGpx + "<trkpt lat=\"42.1\" lon=\"-1.1\"/>\n<trkpt lat=\"42.2\" lon=\"-1.2\"/>\n<trkpt lat=\"42.3\" lo", 2,
     6, "fichero incompleto"},
    {"cortado_entre_puntos", kCabeceraGpx + "<trkpt lat=\"42.1\" lon=\"-1.1\"/>\n<trkpt lat=\"42.2\" lon=\"-1.2\"/>\n",
     2, 6, "fichero incompleto"},
    {"etiqueta_cruzada", kCabeceraGpx + "<trkpt lat=\"42.1\" lon=\"-1.1\">\n</trkseg>\n</trk></gpx>", 1, 5,
     "XML mal formado: mismatched tag"},
    {"latitud_no_numerica", kCabeceraGpx + "<trkpt lat=\"42.1\" lon=\"-1.1\"/>\n<trkpt lat=\"abc\" lon=\"-1.2\"/>\n", 1,
     5, "latitud no válida «abc»"},
    {"latitud_fuera_del_globo", kCabeceraGpx + "<trkpt lat=\"90.5\" lon=\"-1.2\"/>\n", 0, 4,
     "latitud no válida «90.5»"},
    {"longitud_con_coma_decimal", kCabeceraGpx + "<trkpt lat=\"42.1\" lon=\"-1,5\"/>\n", 0, 4,
     "longitud no válida «-1,5»"},
    {"sin_latitud", kCabeceraGpx + "<trkpt lon=\"-1.2\"><lat>42</lat></trkpt>\n", 0, 4, "falta la latitud (lat)"},
    {"sin_longitud", kCabeceraGpx + "\n<trkpt lat=\"42.1\" lng=\"-1.2\"/>\n", 0, 5, "falta la longitud (lon)"},
    {"valor_largo_recortado", kCabeceraGpx + "<trkpt lat=\"42.1\" lon=\"" + std::string(60, '1') + "\"/>\n", 0, 4,
     "longitud no válida «" + std::string(40, '1') + "…»"},
    {"tupla_kml_con_punto_y_coma",
     "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Placemark><LineString><coordinates>\n"
     "-1.6432,42.8169\n-1.6433;42.8170\n</coordinates></LineString></Placemark></kml>",
     1, 3, "coordenadas no válidas «-1.6433;42.8170»"},
    {"gx_coord_con_comas",
     "<kml xmlns=\"http://www.opengis.net/kml/2.2\" xmlns:gx=\"http://www.google.com/kml/ext/2.2\"><Placemark>"
     "<gx:Track>\n<gx:coord>-1.6432 42.8169 450</gx:coord>\n<gx:coord>-1.6433,42.8170</gx:coord>\n</gx:Track>"
     "</Placemark></kml>",
     1, 3, "coordenadas no válidas «-1.6433,42.8170»"},
    {"tupla_kml_con_blanco_tras_la_coma",
     "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Placemark><Point>\n"
     "<coordinates>-1.6432, 42.8169</coordinates></Point></Placemark></kml>",
     0, 2, "coordenadas no válidas «-1.6432,»"},
    {"tupla_kml_tras_saltos_escritos_como_referencias",
     "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Placemark><LineString><coordinates>\n"
     "-1.6432,42.8169&#10;-1.6433,42.8170&#xA;-1.6434,42.8171&#x0a;\n-1.6435;42.8172\n"
     "</coordinates></LineString></Placemark></kml>",
     3, 3, "coordenadas no válidas «-1.6435;42.8172»"},
    // Held back until the end shows they are the file's points.
    {"ruta_rota_sin_track",
     "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\">\n<wpt lat=\"42\" lon=\"-1\"/>\n<rte>\n"
     "<rtept lat=\"42.1\" lon=\"-1.1\"/>\n<rtept lat=\"42.2\"/>\n<rtept lat=\"42.3\" lon=\"-1.3\"/>\n</rte></gpx>",
     1, 5, "falta la longitud (lon)"},
    {"waypoint_roto_sin_ruta_ni_track",
     "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\">\n<wpt lat=\"42\" lon=\"-1\"/>\n<wpt lat=\"99\" lon=\"-1\"/>\n"
     "<trk><trkseg/></trk></gpx>",
     1, 3, "latitud no válida «99»"},
    {"cortado_tras_los_waypoints",
     "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\">\n<wpt lat=\"42\" lon=\"-1\"/>\n<wpt lat=\"43\" lon=\"-1\"/>\n",
     0, 4, "fichero incompleto"},
    {"kml_point_roto_sin_linestring",
     "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document>\n<Placemark><Point><coordinates>-1,42</coordinates>"
     "</Point></Placemark>\n<Placemark><LineString><coordinates/></LineString></Placemark>\n"
     "<Placemark><Point><coordinates>\n-1,142</coordinates></Point></Placemark>\n</Document></kml>",
     1, 5, "coordenadas no válidas «-1,142»"},
    {"kml_que_solo_enlaza",
     "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Folder><Style/>\n<NetworkLink><Link><href>http://a/b.kml</href>"
     "</Link></NetworkLink>\n<NetworkLink/></Folder></kml>",
     0, 3, "sin puntos: solo enlaza a otro fichero (NetworkLink)"},
    {"raiz_desconocida", "<?xml version=\"1.0\"?>\n<html><body/></html>", 0, 2, "formato no reconocido"},
    {"gpx_de_otro_espacio", "<gpx xmlns=\"http://example.com/gpx\"><wpt lat=\"1\" lon=\"1\"/></gpx>", 0, 1,
     "formato no reconocido"},
    {"texto_que_no_es_xml", "Grid\tUTM\r\nDatum\tEuropean 1950\r\n", 0, 1, "XML mal formado: syntax error"},
    {"declaracion_de_tipo", "<?xml version=\"1.0\"?>\n<!DOCTYPE gpx>\n<gpx/>", 0, 2,
     "XML mal formado: DTD is prohibited"},
};

class RechazoTest : public ::testing::TestWithParam<CasoRechazo> {};

TEST_P(RechazoTest, Error13ConLineaYMotivo) {
    const auto& c = GetParam();
    CarpetaTemporal dir;
    prueba::EscribirBytes(dir / "f.gpx", c.documento);
    std::vector<PuntoGps> puntos;
    try {
        prueba::LeerPuntosGps(dir / "f.gpx", puntos);
        FAIL() << "se esperaba un rechazo";
    } catch (const ErrorEjecucion& e) {
        EXPECT_EQ(puntos.size(), c.puntosAntes);
        EXPECT_EQ(e.Motivo(), c.motivo);
        EXPECT_EQ(e.Linea().numero, c.linea) << e.Motivo();
        EXPECT_EQ(e.Codigo(), 13);
        EXPECT_EQ(logica::TextoError(e), "Error:13 No coinciden los tipos (línea " + std::to_string(c.linea) + " de " +
                                             prueba::Utf8(dir / "f.gpx") + ": " + c.motivo + ")");
    }
}

INSTANTIATE_TEST_SUITE_P(Documentos, RechazoTest, ::testing::ValuesIn(kRechazos),
                         [](const auto& info) { return std::string(info.param.nombre); });

struct CasoReconocer {
    const char* nombre;
    Codificacion codificacion;
    std::string contenido;
    const FilaFormato* formato;
};

void PrintTo(const CasoReconocer& c, std::ostream* os) { *os << c.nombre; }

const std::string kGpx =
    "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<gpx version=\"1.1\" "
    "xmlns=\"http://www.topografix.com/GPX/1/1\"><wpt lat=\"42\" lon=\"-1\"/></gpx>";

const CasoReconocer kReconocer[] = {
    {"gpx_utf8", Codificacion::Utf8, "<gpx version=\"1.1\" xmlns=\"http://www.topografix.com/GPX/1/1\"/>",
     &formato::kGpx},
    {"gpx_utf8_con_marca", Codificacion::Utf8ConMarca, "<gpx xmlns=\"http://www.topografix.com/GPX/1/0\"/>",
     &formato::kGpx},
    {"gpx_utf16le", Codificacion::Utf16Le, kGpx, &formato::kGpx},
    {"gpx_utf16be", Codificacion::Utf16Be, kGpx, &formato::kGpx},
    {"gpx_iso_8859_1", Codificacion::Latin1,
     "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!-- Año -->\n<gpx version=\"1.0\"/>", &formato::kGpx},
    {"gpx_con_prefijo", Codificacion::Utf8, "<a:gpx xmlns:a=\"http://www.topografix.com/GPX/1/1\"></a:gpx>",
     &formato::kGpx},
    {"gpx_roto_tras_la_raiz", Codificacion::Utf8, "<gpx>\n<trk>\n</gpx>", &formato::kGpx},
    {"kml_2_2", Codificacion::Utf8, "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document/></kml>", &formato::kKml},
    {"kml_google_2_0", Codificacion::Utf16Le, "<kml xmlns=\"http://earth.google.com/kml/2.0\"/>", &formato::kKml},
    {"kml_sin_espacio", Codificacion::Utf8, "<kml><Placemark/></kml>", &formato::kKml},
    {"gpx_de_otro_espacio", Codificacion::Utf8, "<gpx xmlns=\"urn:x\"/>", nullptr},
    {"otra_raiz", Codificacion::Utf8, "<?xml version=\"1.0\"?><html><gpx/></html>", nullptr},
    {"vacio", Codificacion::Utf8, "", nullptr},
    {"solo_marca_utf16", Codificacion::Utf16Le, "", nullptr},
    {"lista_sitna", Codificacion::Utf8, "612345,4745678\r\n612346,4745679\r\n", nullptr},
    {"waypoints_ozi", Codificacion::Utf8, "OziExplorer Waypoint File Version 1.1\r\nWGS 84\r\n", nullptr},
    {"binario", Codificacion::Utf8, std::string("\x00\x01\xFF\xFE<gpx/>", 10), nullptr},
};

class ReconocerTest : public ::testing::TestWithParam<CasoReconocer> {};

TEST_P(ReconocerTest, PorLaRaizNuncaPorElNombre) {
    const auto& c = GetParam();
    CarpetaTemporal dir;
    // Names that say otherwise: only the content counts.
    for (const char* nombre : {"Sitna-Mapsource.txt", "f.kml", "f.gpx"}) {
        prueba::EscribirBytes(dir / nombre, prueba::Codificar(c.codificacion, c.contenido));
        EXPECT_EQ(prueba::FormatoGpsDe(dir / nombre), c.formato) << nombre;
    }
}

INSTANTIATE_TEST_SUITE_P(Contenidos, ReconocerTest, ::testing::ValuesIn(kReconocer),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(ReconocerFormatoGpsTest, LosFicherosDeIntercambioNoSonGps) {
    int vistos = 0;
    for (const auto& e : std::filesystem::directory_iterator(prueba::RutaDatoDePrueba(""))) {
        if (e.path().extension() != ".txt") continue;
        EXPECT_EQ(prueba::FormatoGpsDe(e.path()), nullptr) << e.path();
        ++vistos;
    }
    EXPECT_GT(vistos, 5);
}

TEST(ReconocerFormatoGpsTest, UnFicheroQueNoSeAbreEsErrorDelSistema) {
    CarpetaTemporal dir;
    const auto codigo = [](auto&& f) {
        try {
            f();
        } catch (const ErrorEjecucion& e) {
            return e.Codigo();
        }
        return 0;
    };
    EXPECT_EQ(codigo([&] { prueba::FormatoGpsDe(dir / "no-existe.gpx"); }), 53);
    EXPECT_EQ(codigo([&] { prueba::PuntosGps(dir / "no-existe.gpx"); }), 53);
    std::filesystem::create_directory(dir / "carpeta.gpx");
    EXPECT_EQ(codigo([&] { prueba::FormatoGpsDe(dir / "carpeta.gpx"); }), 75);
}

// Far more than one read chunk: every point, on its line, in order.
TEST(GrandesTest, TrackDeMuchosPuntos) {
    CarpetaTemporal dir;
    std::string doc = kCabeceraGpx;
    const int n = 40000;
    for (int i = 0; i < n; ++i)
        doc += "<trkpt lat=\"42." + std::to_string(100000 + i) + "\" lon=\"-1." + std::to_string(200000 + i) +
               "\"><ele>" + std::to_string(i) + "</ele></trkpt>\n";
    doc += "</trkseg></trk></gpx>\n";
    prueba::EscribirBytes(dir / "f.gpx", doc);
    const auto puntos = prueba::PuntosGps(dir / "f.gpx");
    ASSERT_EQ(puntos.size(), static_cast<std::size_t>(n));
    for (int i = 0; i < n; i += 997) {
        EXPECT_EQ(puntos[i].latitud, std::stod("42." + std::to_string(100000 + i)));
        EXPECT_EQ(puntos[i].longitud, -std::stod("1." + std::to_string(200000 + i)));
        EXPECT_EQ(puntos[i].linea, 4 + i);
    }
    EXPECT_EQ(puntos.back().linea, 4 + n - 1);
}

TEST(GrandesTest, LineStringEnUnaSolaLinea) {
    CarpetaTemporal dir;
    std::string doc = "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Placemark><LineString><coordinates>";
    const int n = 60000;
    for (int i = 0; i < n; ++i) doc += "-1." + std::to_string(300000 + i) + ",42." + std::to_string(400000 + i) + ",0 ";
    doc += "</coordinates></LineString></Placemark></kml>";
    prueba::EscribirBytes(dir / "f.kml", prueba::Codificar(Codificacion::Utf16Be, doc));
    const auto puntos = prueba::PuntosGps(dir / "f.kml");
    ASSERT_EQ(puntos.size(), static_cast<std::size_t>(n));
    for (int i = 0; i < n; i += 1009) {
        EXPECT_EQ(puntos[i].longitud, -std::stod("1." + std::to_string(300000 + i)));
        EXPECT_EQ(puntos[i].latitud, std::stod("42." + std::to_string(400000 + i)));
        EXPECT_EQ(puntos[i].linea, 2);
    }
}

// Points come out as they are read: the first before the fault at the end
// of a long file is even reached.
TEST(GrandesTest, ElPrimerPuntoSaleAntesDeLeerElResto) {
    CarpetaTemporal dir;
    const std::string relleno(std::size_t{4} * 1024 * 1024, 'x');
    prueba::EscribirBytes(dir / "f.gpx", kCabeceraGpx +
                                             "<trkpt lat=\"42.1\" lon=\"-1.1\"/>\n<trkpt lat=\"42.2\" "
                                             "lon=\"-1.2\"><desc>" +
                                             relleno + "</desc></trkpt>\n<trkpt lat=\"mal\" lon=\"-1\"/>\n");
    FicheroEntrada f(dir / "f.gpx");
    const auto lector = gpx::CrearLector(f);
    PuntoFichero p;
    ASSERT_TRUE(lector->Siguiente(p));
    EXPECT_EQ(lector->Ubicacion().numero, 4);
    ASSERT_TRUE(lector->Siguiente(p));
    EXPECT_EQ(lector->Ubicacion().numero, 5);
    try {
        lector->Siguiente(p);
        FAIL() << "se esperaba un rechazo";
    } catch (const ErrorEjecucion& e) {
        EXPECT_EQ(e.Linea().numero, 6);
        EXPECT_EQ(e.Motivo(), "latitud no válida «mal»");
    }
}

}  // namespace
}  // namespace varnel
