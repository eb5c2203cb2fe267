// The trip a walk makes: GPS points (a GPX written by gpsbabel) dropped on the
// window, sent to OziExplorer, and read back by PROJ from the datum the file
// names, land where they were recorded, whichever datum the list is on.
#include <gtest/gtest.h>
#include <proj.h>

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/engine/geodesy/proj_oracle.h"
#include "tests/engine/run/engine_fixture.h"

namespace varnel::prueba {
namespace {

struct BorrarContexto {
    void operator()(PJ_CONTEXT* c) const { proj_context_destroy(c); }
};
struct BorrarPj {
    void operator()(PJ* p) const { proj_destroy(p); }
};
using Contexto = std::unique_ptr<PJ_CONTEXT, BorrarContexto>;
using Pj = std::unique_ptr<PJ, BorrarPj>;

struct Punto {
    double lat;
    double lon;
};

// The known points the GPX files were made from (tests/data/gpx/navarra.csv).
std::vector<Punto> PuntosConocidos() {
    std::istringstream csv(DatoDePrueba("gpx/navarra.csv"));
    std::string linea;
    std::getline(csv, linea);  // the header
    std::vector<Punto> puntos;
    while (std::getline(csv, linea)) {
        Punto p{};
        if (std::sscanf(linea.c_str(), "%lf,%lf", &p.lat, &p.lon) == 2) puntos.push_back(p);
    }
    return puntos;
}

// Eastings and northings of an OziExplorer waypoint file, and its datum line.
struct FicheroOzi {
    std::string datum;
    std::vector<std::pair<double, double>> utm;
};

FicheroOzi LeerOzi(const std::string& bytes) {
    FicheroOzi f;
    std::istringstream texto(bytes);
    std::string linea;
    std::getline(texto, linea);
    f.datum = linea.substr(0, linea.find('\r'));
    while (std::getline(texto, linea)) {
        std::vector<std::string> campos;
        std::istringstream l(linea);
        for (std::string c; std::getline(l, c, ',');) campos.push_back(c);
        if (campos.size() > 5) f.utm.emplace_back(std::stod(campos[4]), std::stod(campos[5]));
    }
    return f;
}

// Metres between two positions, on a sphere of the Earth's mean radius.
double Metros(Punto a, Punto b) {
    constexpr double kRadio = 6371000.0;
    const double rad = M_PI / 180.0;
    const double dlat = (a.lat - b.lat) * rad;
    const double dlon = (a.lon - b.lon) * rad * std::cos(a.lat * rad);
    return kRadio * std::hypot(dlat, dlon);
}

class ViajeDeUnPaseoTest : public MotorTest, public ::testing::WithParamInterface<DatumLista> {};

TEST_P(ViajeDeUnPaseoTest, VuelveDondeSeGrabo) {
    datum = GetParam();
    Soltar({RutaDatoDePrueba("gpx/navarra-track-1.1.gpx")});
    ASSERT_FALSE(resultado.error) << Mensajes();
    cuadro = Lista();  // the box the drop filled, read as at start
    Convertir(conversiones::SitnaWpOzi);
    ASSERT_FALSE(resultado.error) << Mensajes();
    const FicheroOzi ozi = LeerOzi(Leer("Sitna-OziWp.txt"));

    // PROJ, from the datum the file names: zone 30 back to latitude and
    // longitude, then for ED50 its shift with IGN's grid (EPSG:1633 where the
    // grid does not reach).
    const Contexto ctx(proj_context_create());
    Pj inversa;
    const CambioDatumProj aWgs84;
    const bool ed50 = ozi.datum == "Datum,European 1950";
    if (ed50) {
        inversa.reset(proj_create(ctx.get(), "+proj=utm +zone=30 +ellps=intl"));
        ASSERT_TRUE(aWgs84.Valida()) << "PROJ sin la rejilla o sin EPSG:1633";
    } else {
        ASSERT_EQ(ozi.datum, "Datum,WGS 84");
        inversa.reset(proj_create(ctx.get(), "+proj=utm +zone=30 +ellps=WGS84"));
    }
    ASSERT_TRUE(inversa);
    EXPECT_EQ(ozi.datum, GetParam() == DatumLista::Ed50 ? "Datum,European 1950" : "Datum,WGS 84");

    const std::vector<Punto> conocidos = PuntosConocidos();
    ASSERT_EQ(ozi.utm.size(), conocidos.size());
    double peor = 0;
    for (std::size_t i = 0; i < conocidos.size(); ++i) {
        PJ_COORD c = proj_trans(inversa.get(), PJ_INV, proj_coord(ozi.utm[i].first, ozi.utm[i].second, 0, 0));
        Punto p{proj_todeg(c.lp.phi), proj_todeg(c.lp.lam)};
        if (ed50) {  // EPSG:4230 to EPSG:4326: latitude first, degrees
            c = aWgs84.Transformar(PJ_FWD, proj_coord(p.lat, p.lon, 0, 0));
            p = {c.v[0], c.v[1]};
        }
        const double m = Metros(p, conocidos[i]);
        peor = std::max(peor, m);
        EXPECT_LE(m, 1.0) << "punto " << i + 1;
    }
    RecordProperty("peor_metros", std::to_string(peor));
}

INSTANTIATE_TEST_SUITE_P(Datums, ViajeDeUnPaseoTest, ::testing::Values(DatumLista::Ed50, DatumLista::Etrs89),
                         [](const auto& info) { return std::string(NombreDatum(info.param)); });

}  // namespace
}  // namespace varnel::prueba
