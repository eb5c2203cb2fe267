#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "engine/formats/mapsource_export.h"
#include "tests/engine/formats/format_cases.h"

namespace varnel::prueba {
namespace {

class LineaMapsourceTest : public ::testing::TestWithParam<CasoLinea> {};

TEST_P(LineaMapsourceTest, Lee) { ComprobarLinea(exportacion_mapsource::CrearLector, GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Lineas, LineaMapsourceTest,
    ::testing::Values(CasoLinea{"zonaYBandaSeparadas", "Trackpoint\t30 T 612345 4745678\t12/05/2006\t450 m",
                                Lectura::Punto, "612345", "4745678"},
                      CasoLinea{"zonaYBandaJuntas", "Trackpoint\t30T 99999 4745678", Lectura::Punto, "99999",
                                "4745678"},
                      CasoLinea{"cabeceraDeTrack", "Track\tRuta 1", Lectura::LineaIgnorada},
                      CasoLinea{"minusculas", "trackpoint\t30 T 612345 4745678", Lectura::LineaIgnorada},
                      CasoLinea{"vacia", "", Lectura::LineaIgnorada},
                      CasoLinea{"sinTabulador", "Trackpoint 30 T 612345 4745678", Lectura::NoEsPunto},
                      CasoLinea{"geograficasSinCuadricula", "Trackpoint\tN42 49.080 W1 38.160", Lectura::NoEsPunto},
                      CasoLinea{"sinZona", "Trackpoint\t612345 4745678", Lectura::NoEsPunto},
                      CasoLinea{"esteNoNumerico", "Trackpoint\t30 T 61234x 4745678", Lectura::NoEsPunto}),
    NombreDeCaso);

// Positions in every grid, projected to zone 30 on the datum's ellipsoid (each
// on a list of its own datum, so nothing is shifted); expected values from
// PROJ (+proj=utm +zone=30 +ellps=...), whole metres.
constexpr const char* kGrados = "Grid\tLat/Lon hddd.ddddd\u00B0";
constexpr const char* kMinutos = "Grid\tLat/Lon hddd\u00B0mm.mmm'";
constexpr const char* kSegundos = "Grid\tLat/Lon hddd\u00B0mm'ss.s\"";

TEST(LectorMapsourceTest, CadaCuadriculaYDatum) {
    struct Caso {
        std::initializer_list<std::string_view> cabecera;
        CasoLinea caso;
    };
    const Caso casos[] = {
        {{kGrados, "Datum\tWGS 84"},
         {"gradosWgs84", "Trackpoint\tN42.80205 W1.64093\t01/05/2026 08:00:00", Lectura::Punto, "611131", "4739729"}},
        {{kMinutos, "Datum\tWGS 84"},
         {"minutosWgs84", "Trackpoint\tN42 48.123 W1 38.456\t450 m", Lectura::Punto, "611131", "4739729"}},
        {{kSegundos, "Datum\tEuropean 1950"},
         {"segundosEd50", "Trackpoint\tN42 48 07.4 W1 38 27.4", Lectura::Punto, "611135", "4739815"}},
        {{kGrados, "Datum\tEuropean 1950 (Spain and Portugal)"},
         {"gradosEd50Peninsula", "Trackpoint\tN42.80205 W1.64093", Lectura::Punto, "611136", "4739814"}},
        {{kGrados, "Datum\tETRS89"},
         {"gradosEtrs89", "Trackpoint\tN42.80205 W1.64093", Lectura::Punto, "611131", "4739729"}},
        {{"Grid\tLat/Lon hddd\u00C2\u00B0mm.mmm'", "Datum\tWGS 84"},
         {"gradoEnUtf8LeidoComoWindows1252", "Trackpoint\tN42 48.123 W1 38.456", Lectura::Punto, "611131", "4739729"}},
        {{"Grid\tUTM", "Datum\tWGS 84"},
         {"utmHuso31", "Trackpoint\t31 T 300000 4740000", Lectura::Punto, "790760", "4743231"}},
        {{"Grid\tUTM"},
         {"utmHuso31SinDatumEsEd50", "Trackpoint\t31T 300000 4740000", Lectura::Punto, "790788", "4743232"}},
        {{}, {"utmConExponente", "Trackpoint\t30 T 6.1e5 4745678", Lectura::Punto, "610000", "4745678"}},
        {{}, {"utmConSigno", "Trackpoint\t30 T +612345 4745678", Lectura::Punto, "612345", "4745678"}},
        {{}, {"utmConCerosSeQuedaComoEsta", "Trackpoint\t30 T 012345 0745678", Lectura::Punto, "012345", "0745678"}},
        {{"Header\tTime\tPosition\tAltitude"},
         {"horaAntesQuePosicion", "Trackpoint\t01/05/2026 08:00:00\t30 T 612345 4745678\t450 m", Lectura::Punto,
          "612345", "4745678"}},
        {{"Header\tName\tStart Time", "Header\tPosition\tTime"},
         {"ultimaCabeceraManda", "Trackpoint\t30 T 612345 4745678\t01/05/2026", Lectura::Punto, "612345", "4745678"}},
        {{kMinutos}, {"minutosEscritosComoGrados", "Trackpoint\tN42.80205 W1.64093", Lectura::NoEsPunto}},
        {{kGrados}, {"minutosDeMas", "Trackpoint\tN42 61 W1 38", Lectura::NoEsPunto}},
        {{kMinutos}, {"minutoSesenta", "Trackpoint\tN42 60.000 W1 38.456", Lectura::NoEsPunto}},
        {{kGrados, "Datum\tWGS 84"},
         {"mexico", "Trackpoint\tN19.43260 W99.13320", Lectura::NoEsPunto, "", "", "punto fuera del huso 30"}},
        {{kGrados, "Datum\tWGS 84"},
         {"hemisferioSur", "Trackpoint\tS42.80205 W1.64093", Lectura::NoEsPunto, "", "", "punto fuera del huso 30"}},
        {{"Grid\tUTM"},
         {"utmSurDeOtroHuso", "Trackpoint\t31 M 300000 4740000", Lectura::NoEsPunto, "", "",
          "punto fuera del huso 30"}},
        {{},
         {"cuadriculaNoAdmitida", "Grid\tMaidenhead", Lectura::NoEsPunto, "", "",
          "cuadrícula no admitida «Maidenhead»"}},
        {{}, {"datumNoAdmitido", "Datum\tTokyo", Lectura::NoEsPunto, "", "", "datum no admitido «Tokyo»"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.caso.nombre);
        bool etrs89 = false;
        for (std::string_view linea : c.cabecera)
            etrs89 = etrs89 || linea == "Datum\tWGS 84" || linea == "Datum\tETRS89";
        ComprobarLinea(exportacion_mapsource::CrearLector, c.caso, c.cabecera,
                       etrs89 ? DatumLista::Etrs89 : DatumLista::Ed50);
    }
}

}  // namespace
}  // namespace varnel::prueba
