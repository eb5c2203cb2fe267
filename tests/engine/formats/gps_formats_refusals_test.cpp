// TwoNav, TCX and GeoJSON: each format's bad inputs, refused with the line
// and why, after the points before them when the format hands them out as
// it reads.

#include <gtest/gtest.h>

#include <string>

#include "engine/formats/geojson_reader.h"
#include "engine/formats/tcx_reader.h"
#include "engine/formats/twonav_reader.h"

namespace varnel {
namespace {

struct CasoRechazo {
    const char* nombre;
    std::string documento;
    std::size_t puntosAntes;
    std::int64_t linea;
    std::string motivo;
};

void PrintTo(const CasoRechazo& c, std::ostream* os) { *os << c.nombre; }

using CrearFn = std::unique_ptr<LectorPuntosFichero> (*)(FuenteBytes&);

void Comprobar(CrearFn crear, const CasoRechazo& c) {
    BytesEnMemoria bytes(c.documento, "f");
    const auto lector = crear(bytes);
    std::size_t puntos = 0;
    PuntoFichero p;
    try {
        while (lector->Siguiente(p)) ++puntos;
        FAIL() << "se esperaba un rechazo";
    } catch (const ErrorEjecucion& e) {
        EXPECT_EQ(e.Codigo(), 13);
        EXPECT_EQ(e.Motivo(), c.motivo);
        EXPECT_EQ(e.Linea().numero, c.linea) << e.Motivo();
        EXPECT_EQ(puntos, c.puntosAntes);
    }
}

const std::string kTwoNav = "G  WGS 84\r\nU  1\r\nT  A 42.8\xBAN 1.6\xBAW 06-APR-15 15:37:38 s 450\r\n";  // lines 1-3
const std::string kTwoNavUtm = "G  European 1950\nU  0\n";

const CasoRechazo kTwoNavMal[] = {
    {"datum_desconocido", "G  Tokyo\r\nU  1\r\nT  A 42.8\xBAN 1.6\xBAW\r\n", 0, 1, "datum no admitido «Tokyo»"},
    {"unidades_desconocidas", "G  WGS 84\r\nU  2\r\n", 0, 2, "unidades no admitidas «2»"},
    {"sin_hemisferio", kTwoNav + "T  A 42.8\xBA 1.6\xBAW\r\n", 1, 4, "posición no válida «42.8º 1.6ºW»"},
    {"coma_decimal", kTwoNav + "T  A 42,8\xBAN 1.6\xBAW\r\n", 1, 4, "posición no válida «42,8ºN 1.6ºW»"},
    {"latitud_fuera_del_globo", kTwoNav + "T  A 91\xBAN 1.6\xBAW\r\n", 1, 4, "posición no válida «91ºN 1.6ºW»"},
    {"linea_cortada", kTwoNav + "T  A\r\n", 1, 4, "posición no válida « »"},
    {"utm_no_numerico", kTwoNavUtm + "T  30T 61234x 4745678\n", 0, 3, "posición no válida «30T 61234x 4745678»"},
    {"huso_no_valido", kTwoNavUtm + "T  61T 612345 4745678\n", 0, 3, "posición no válida «61T 612345 4745678»"},
    {"banda_de_otro_punto", kTwoNavUtm + "T  30T 612345 4745678\nT  30S 612345 4745678\n", 1, 4,
     "huso «30S» que no es el del punto"},
    {"este_de_otro_huso", kTwoNavUtm + "T  30T 900000 4745678\n", 0, 3, "huso «30T» que no es el del punto"},
    // Waypoints count only without a track: their refusal comes at the end.
    {"waypoint_roto", "G  WGS 84\nU  1\nW  A A 42.8\xBAN 1.6\xBAW\nW  B A 42.8\n", 0, 4, "posición no válida «42.8 »"},
};

const std::string kTcx =
    "<TrainingCenterDatabase xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\">\n"
    "<Activities><Activity><Lap><Track>\n";  // lines 1-2
std::string Tp(const std::string& dentro) { return "<Trackpoint><Position>" + dentro + "</Position></Trackpoint>\n"; }
const std::string kTpBien = Tp("<LatitudeDegrees>42.8</LatitudeDegrees><LongitudeDegrees>-1.6</LongitudeDegrees>");

const CasoRechazo kTcxMal[] = {
    {"sin_longitud", kTcx + kTpBien + Tp("<LatitudeDegrees>42.8</LatitudeDegrees>"), 1, 4,
     "falta la longitud (LongitudeDegrees)"},
    {"sin_latitud", kTcx + Tp("<LongitudeDegrees>-1.6</LongitudeDegrees>"), 0, 3, "falta la latitud (LatitudeDegrees)"},
    {"latitud_no_numerica", kTcx + Tp("<LatitudeDegrees>4x</LatitudeDegrees><LongitudeDegrees>-1</LongitudeDegrees>"),
     0, 3, "latitud no válida «4x»"},
    {"longitud_fuera_del_globo",
     kTcx + Tp("<LatitudeDegrees>42</LatitudeDegrees><LongitudeDegrees>181</LongitudeDegrees>"), 0, 3,
     "longitud no válida «181»"},
    {"cortado", kTcx + kTpBien + "<Trackpoint><Position><Lat", 1, 4, "fichero incompleto"},
    {"punto_de_curso_roto",
     "<TrainingCenterDatabase xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\">\n<Courses>"
     "<Course>\n<CoursePoint><Position><LatitudeDegrees>42</LatitudeDegrees></Position></CoursePoint>\n"
     "</Course></Courses></TrainingCenterDatabase>\n",
     0, 3, "falta la longitud (LongitudeDegrees)"},
};

const std::string kLinea = "{\"type\":\"LineString\",\n\"coordinates\":";

const CasoRechazo kGeoJsonMal[] = {
    {"json_no_valido", kLinea + "[[-1.6,42.8],]}", 0, 2, "JSON no válido"},
    {"cortado", kLinea + "[[-1.6,42.8],\n[-1.6,", 0, 3, "fichero incompleto"},
    {"vacio", "", 0, 1, "JSON vacío"},
    {"basura_detras", kLinea + "[[-1.6,42.8]]}\n}", 0, 3, "JSON no válido"},
    {"anidamiento_de_65", "{\"a\":" + std::string(64, '['), 0, 1, "anidamiento de más de 64 niveles"},
    {"numero_fuera_de_rango", kLinea + "[[-1.6,1e400]]}", 0, 2, "número fuera de rango"},
    {"latitud_fuera_del_globo", kLinea + "[[-1.6,42.8],\n[-1.6,92]]}", 0, 3, "posición no válida [-1.6, 92]"},
    // Lines counted through blanks that run across the reader's buffers.
    {"tras_muchas_lineas_en_blanco",
     kLinea + "[[-1.6,42.8]," +
         [] {
             std::string blancos;
             for (int i = 0; i < 3000; ++i) blancos += "\r\n" + std::string(37, ' ') + "\t";
             return blancos;
         }() +
         "[-1.6,92]]}",
     0, 3002, "posición no válida [-1.6, 92]"},
    {"texto_en_una_posicion", kLinea + "[[-1.6,\"42.8\"]]}", 0, 2, "coordenadas no válidas"},
    {"una_sola_coordenada", kLinea + "[[-1.6]]}", 0, 2, "posición con una sola coordenada"},
    {"profundidad_de_otro_tipo", kLinea + "[-1.6,42.8]}", 0, 2, "coordenadas no válidas para su tipo"},
    {"sin_tipo", "{\"coordinates\":[-1.6,42.8]}", 0, 1, "coordenadas sin tipo de geometría"},
    {"otro_crs",
     "{\"type\":\"FeatureCollection\",\"features\":[],\n\"crs\":{\"type\":\"name\",\"properties\":{\"name\":"
     "\"urn:ogc:def:crs:EPSG::4258\"}}}",
     0, 2, "sistema de referencia no admitido «urn:ogc:def:crs:EPSG::4258»"},
};

class RechazoTwoNav : public ::testing::TestWithParam<CasoRechazo> {};
class RechazoTcx : public ::testing::TestWithParam<CasoRechazo> {};
class RechazoGeoJson : public ::testing::TestWithParam<CasoRechazo> {};
TEST_P(RechazoTwoNav, Error13ConLineaYMotivo) { Comprobar(twonav::CrearLector, GetParam()); }
TEST_P(RechazoTcx, Error13ConLineaYMotivo) { Comprobar(tcx::CrearLector, GetParam()); }
TEST_P(RechazoGeoJson, Error13ConLineaYMotivo) { Comprobar(geojson::CrearLector, GetParam()); }

const auto kNombre = [](const auto& info) { return std::string(info.param.nombre); };
INSTANTIATE_TEST_SUITE_P(Documentos, RechazoTwoNav, ::testing::ValuesIn(kTwoNavMal), kNombre);
INSTANTIATE_TEST_SUITE_P(Documentos, RechazoTcx, ::testing::ValuesIn(kTcxMal), kNombre);
INSTANTIATE_TEST_SUITE_P(Documentos, RechazoGeoJson, ::testing::ValuesIn(kGeoJsonMal), kNombre);

}  // namespace
}  // namespace varnel
