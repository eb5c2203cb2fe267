// Saved tracks as other programs read them: Debian's gpsbabel reads the GPX
// and the KML back (as tracks, six decimals: about 10 cm), PROJ takes its positions to zone 30 on the list's datum,
// and they land on the list within a metre; xmllint validates the GPX against
// the public GPX 1.1 schema.
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "tests/engine/geodesy/proj_oracle.h"
#include "tests/engine/run/engine_fixture.h"

namespace varnel::prueba {
namespace {

std::string Entre(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

struct Lado {
    double este;
    double norte;
};

std::vector<Lado> LeerLista(const std::string& lista) {
    std::vector<Lado> puntos;
    std::istringstream s(lista);
    std::string linea;
    while (std::getline(s, linea)) {
        Lado p{};
        if (std::sscanf(linea.c_str(), "%lf,%lf", &p.este, &p.norte) == 2) puntos.push_back(p);
    }
    return puntos;
}

// Latitude and longitude of every point in gpsbabel's unicsv output (CR LF lines).
std::vector<PJ_COORD> LeerUnicsv(std::string csv) {
    std::erase(csv, '\r');
    std::istringstream s(csv);
    std::string linea;
    std::getline(s, linea);
    std::vector<std::string> cabecera;
    std::istringstream c(linea);
    for (std::string campo; std::getline(c, campo, ',');) cabecera.push_back(campo);
    const auto columna = [&](const std::string& nombre) {
        return static_cast<std::size_t>(std::find(cabecera.begin(), cabecera.end(), nombre) - cabecera.begin());
    };
    const std::size_t lat = columna("Latitude");
    const std::size_t lon = columna("Longitude");
    std::vector<PJ_COORD> puntos;
    while (std::getline(s, linea)) {
        std::vector<std::string> campos;
        std::istringstream l(linea);
        for (std::string campo; std::getline(l, campo, ',');) campos.push_back(campo);
        if (lat < campos.size() && lon < campos.size())
            puntos.push_back(proj_coord(std::stod(campos[lat]), std::stod(campos[lon]), 0, 0));
    }
    return puntos;
}

class GuardarConHerramientasTest : public MotorTest, public ::testing::WithParamInterface<DatumYFormato> {};

TEST_P(GuardarConHerramientasTest, GpsbabelYProjLoDejanEnLaLista) {
    const auto [datumLista, formato] = GetParam();
    datum = datumLista;
    const bool gpx = formato == FormatoTraza::Gpx;
    cuadro = DatoDePrueba("gpx/navarra.ed50.expected.txt") + ListaSitna(50);
    const std::string nombre = gpx ? "Sitna.gpx" : "Sitna.kml";
    Guardar(nombre, formato);
    ASSERT_FALSE(resultado.error.has_value()) << Mensajes();

    const std::filesystem::path csv = dir / "leido.csv";
    const std::string orden = std::string("gpsbabel -t -i ") + (gpx ? "gpx" : "kml") + " -f " + Entre(dir / nombre) +
                              " -o unicsv -F " + Entre(csv);
    ASSERT_EQ(std::system(orden.c_str()), 0) << orden;
    const std::vector<PJ_COORD> leidos = LeerUnicsv(LeerBytes(csv));
    const std::vector<Lado> lista = LeerLista(*cuadro);
    ASSERT_EQ(leidos.size(), lista.size());

    const bool ed50 = datumLista == DatumLista::Ed50;
    // Latitude then longitude, as EPSG:4230 and EPSG:4258 have them.
    const OperacionProj aUtm([ed50](PJ_CONTEXT* c) {
        return proj_create_crs_to_crs(c, ed50 ? "EPSG:4230" : "EPSG:4258", ed50 ? "EPSG:23030" : "EPSG:25830", nullptr);
    });
    const CambioDatumProj aWgs84;
    ASSERT_TRUE(aUtm.Valida() && aWgs84.Valida());
    double mayor = 0;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        PJ_COORD geo = leidos[i];
        if (ed50) geo = aWgs84.Transformar(PJ_INV, geo);
        const PJ_COORD utm = aUtm.Transformar(PJ_FWD, geo);
        mayor = std::max(mayor, std::hypot(utm.v[0] - lista[i].este, utm.v[1] - lista[i].norte));
    }
    EXPECT_LT(mayor, 1.0) << "mayor distancia: " << mayor << " m";

    if (gpx) {
        const std::string validar = "xmllint --noout --schema " + Entre(RutaDatoDePrueba("schemas/gpx-1.1.xsd")) + " " +
                                    Entre(dir / nombre) + " 2>/dev/null";
        EXPECT_EQ(std::system(validar.c_str()), 0) << validar;
    }
}

INSTANTIATE_TEST_SUITE_P(DatumYFormato, GuardarConHerramientasTest, CasosDatumYFormato(), NombreDatumYFormato);

}  // namespace
}  // namespace varnel::prueba
