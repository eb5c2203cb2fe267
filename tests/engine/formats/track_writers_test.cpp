#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/formats/gpx_writer.h"
#include "engine/formats/kml_writer.h"

namespace varnel {
namespace {

const std::vector<PosicionGeografica> kDos{{42.8125, -1.6458333333}, {43.0000000449, 0.00000004}};

TEST(EscritorGpxTest, UnTrackDeUnSegmentoConSusPuntosEnOrden) {
    const TrazaWgs84 traza{"Sitna", "Varnel 1.00", "Lista SITNA en ED50, pasada a WGS 84", kDos};
    EXPECT_EQ(DocumentoGpx(traza),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<gpx version=\"1.1\" creator=\"Varnel 1.00\" xmlns=\"http://www.topografix.com/GPX/1/1\""
              " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
              " xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd\">\n"
              "  <metadata>\n"
              "    <name>Sitna</name>\n"
              "    <desc>Lista SITNA en ED50, pasada a WGS 84</desc>\n"
              "  </metadata>\n"
              "  <trk>\n"
              "    <name>Sitna</name>\n"
              "    <trkseg>\n"
              "      <trkpt lat=\"42.8125000\" lon=\"-1.6458333\"/>\n"
              "      <trkpt lat=\"43.0000000\" lon=\"0.0000000\"/>\n"
              "    </trkseg>\n"
              "  </trk>\n"
              "</gpx>\n");
}

TEST(EscritorKmlTest, UnaLineaQueSigueElTerrenoLongitudPrimero) {
    const TrazaWgs84 traza{"Sitna", "Varnel 1.00", "Lista SITNA en ETRS89", kDos};
    EXPECT_EQ(DocumentoKml(traza),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
              "  <Document>\n"
              "    <name>Sitna</name>\n"
              "    <description>Lista SITNA en ETRS89</description>\n"
              "    <Placemark>\n"
              "      <name>Sitna</name>\n"
              "      <LineString>\n"
              "        <tessellate>1</tessellate>\n"
              "        <coordinates>\n"
              "          -1.6458333,42.8125000\n"
              "          0.0000000,43.0000000\n"
              "        </coordinates>\n"
              "      </LineString>\n"
              "    </Placemark>\n"
              "  </Document>\n"
              "</kml>\n");
}

TEST(EscritorKmlTest, UnSoloPuntoEsUnPunto) {
    const std::vector<PosicionGeografica> uno{{42.5, -1.25}};
    const std::string kml = DocumentoKml({"P", "Varnel 1.00", "", uno});
    EXPECT_NE(kml.find("      <Point>\n        <coordinates>\n          -1.2500000,42.5000000\n"
                       "        </coordinates>\n      </Point>\n"),
              std::string::npos)
        << kml;
    EXPECT_EQ(kml.find("LineString"), std::string::npos);
}

// The name is the file's stem, whatever the user typed: it stays text.
TEST(EscritoresTrazaTest, ElNombreNuncaEsMarcado) {
    const std::string nombre = "Ruta & <Peña> \"x\" 'y'";
    const std::string escapado = "Ruta &amp; &lt;Peña&gt; &quot;x&quot; &apos;y&apos;";
    const TrazaWgs84 traza{nombre, "Varnel \"1\"", "", kDos};
    for (const std::string& doc : {DocumentoGpx(traza), DocumentoKml(traza)}) {
        EXPECT_EQ(doc.find(nombre), std::string::npos);
        EXPECT_NE(doc.find("<name>" + escapado + "</name>"), std::string::npos) << doc;
    }
    EXPECT_NE(DocumentoGpx(traza).find("creator=\"Varnel &quot;1&quot;\""), std::string::npos);
}

struct CasoGrados {
    double grados;
    const char* texto;
};

class GradosTest : public ::testing::TestWithParam<CasoGrados> {};

TEST_P(GradosTest, SieteDecimalesConPunto) {
    std::string d;
    AnadirGrados(d, GetParam().grados);
    EXPECT_EQ(d, GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(Tabla, GradosTest,
                         ::testing::Values(CasoGrados{42.0, "42.0000000"}, CasoGrados{-1.64583336, "-1.6458334"},
                                           CasoGrados{-0.00000004, "0.0000000"}, CasoGrados{0.00000006, "0.0000001"},
                                           CasoGrados{-179.99999999, "-180.0000000"},
                                           CasoGrados{89.123456749, "89.1234567"}));

}  // namespace
}  // namespace varnel
