#include <gtest/gtest.h>

#include "tests/engine/run/engine_fixture.h"

namespace varnel::prueba {
namespace {

using SitnaAOziTest = MotorTest;

TEST_F(SitnaAOziTest, WaypointsDesdeFicheroSonExactos) {
    cuadro = std::nullopt;
    Poner("Sitna-Descargar.txt", DatoDePrueba("sitna-3.txt"));
    Convertir(conversiones::SitnaWpOzi);
    EXPECT_EQ(Leer("Sitna-OziWp.txt"), DatoDePrueba("oziwp-3-N.txt"));
    EsperarResumen("Generados 3 Waypoints en " + Ruta("Sitna-OziWp.txt"));
    EXPECT_FALSE(resultado.lista);  // nothing for the box: the window empties it in file mode
    EXPECT_EQ(motor.Estado().NombrePunto, "SIT003");
    EXPECT_EQ(motor.Estado().ComentarioPunto, "SITNA Punto 003");
}

TEST_F(SitnaAOziTest, TrackDesdeFicheroEsExacto) {
    cuadro = std::nullopt;
    Poner("Sitna-Descargar.txt", DatoDePrueba("sitna-3.txt"));
    Convertir(conversiones::SitnaTrackOzi);
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"), DatoDePrueba("ozitrack-3.txt"));
    EsperarResumen("Generados 3 Puntos de Track en " + Ruta("Sitna-OziTrack.txt"));
    // A second run starts a new track.
    Convertir(conversiones::SitnaTrackOzi);
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"), DatoDePrueba("ozitrack-3.txt"));
}

struct CasoOpcion {
    OpcionGarmin opcion;
    char codigo;
};

void PrintTo(const CasoOpcion& c, std::ostream* os) { *os << c.codigo; }

class OpcionGarminTest : public MotorTest, public ::testing::WithParamInterface<CasoOpcion> {};

TEST_P(OpcionGarminTest, ElUltimoCampoEsElCodigoDeLaOpcion) {
    opcion = GetParam().opcion;
    cuadro = "612345,4745678";
    Convertir(conversiones::SitnaWpOzi);
    EXPECT_EQ(Leer("Sitna-OziWp.txt"), std::string("Datum,European 1950\r\nWP,UTM,SIT001,30T,612345,4745678,,,"
                                                   "SITNA Punto 001,\x87,") +
                                           GetParam().codigo + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Opciones, OpcionGarminTest,
                         ::testing::Values(CasoOpcion{OpcionGarmin::Option1, 'N'},
                                           CasoOpcion{OpcionGarmin::Option2, 'S'},
                                           CasoOpcion{OpcionGarmin::Option3, 'C'}),
                         [](const auto& info) { return std::string(1, info.param.codigo); });

// The box is read line by line: every line end, widths and a trailing blank line.
struct CasoCaja {
    const char* nombre;
    std::string caja;
};

void PrintTo(const CasoCaja& c, std::ostream* os) { *os << c.nombre; }

class CajaTest : public MotorTest, public ::testing::WithParamInterface<CasoCaja> {};

TEST_P(CajaTest, LaCajaDaLosMismosTresPuntos) {
    cuadro = GetParam().caja;
    Convertir(conversiones::SitnaTrackOzi);
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"), DatoDePrueba("ozitrack-3.txt"));
    EsperarResumen("Generados 3 Puntos de Track en " + Ruta("Sitna-OziTrack.txt"));
    EXPECT_FALSE(resultado.lista);  // box mode leaves the box alone
}

INSTANTIATE_TEST_SUITE_P(
    Formas, CajaTest,
    ::testing::Values(CasoCaja{"crlf", "612345,4745678\r\n612400,4745700\r\n99999,4700001"},
                      CasoCaja{"crlf_final", "612345,4745678\r\n612400,4745700\r\n99999,4700001\r\n"},
                      CasoCaja{"lf", "612345,4745678\n612400,4745700\n99999,4700001\n"},
                      CasoCaja{"cr", "612345,4745678\r612400,4745700\r99999,4700001"},
                      CasoCaja{"blancos",
                               " 612345 , 4745678 \r\n\r\n  \r\n612400,4745700,extra\r\n099999,4700001\r\n\r\n"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(SitnaAOziTest, CajaVaciaYFicheroVacioDanSoloLaCabecera) {
    Convertir(conversiones::SitnaWpOzi);
    EXPECT_EQ(Leer("Sitna-OziWp.txt"), "Datum,European 1950\r\n");
    EsperarResumen("Generados 0 Waypoints en " + Ruta("Sitna-OziWp.txt"));
    cuadro = std::nullopt;
    Poner("Sitna-Descargar.txt", "");
    Convertir(conversiones::SitnaTrackOzi);
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"), "Datum,European 1950\r\n");
}

TEST_F(SitnaAOziTest, NombresModulo1000) {
    cuadro = ListaSitna(1001);
    Convertir(conversiones::SitnaWpOzi);
    const std::string f = Leer("Sitna-OziWp.txt");
    EXPECT_NE(f.find("WP,UTM,SIT999,30T,600998,4700998,,,SITNA Punto 999,\x87,N\r\n"), std::string::npos);
    EXPECT_NE(f.find("WP,UTM,SIT000,30T,600999,4700999,,,SITNA Punto 000,\x87,N\r\n"), std::string::npos);
    EXPECT_NE(f.find("WP,UTM,SIT001,30T,601000,4701000,,,SITNA Punto 001,\x87,N\r\n"), std::string::npos);
    EsperarResumen("Generados 1001 Waypoints en " + Ruta("Sitna-OziWp.txt"));
}

TEST_F(SitnaAOziTest, CajaDeMasDe2047PuntosSeLeeEntera) {
    cuadro = ListaSitna(5000);
    Convertir(conversiones::SitnaTrackOzi);
    EsperarResumen("Generados 5000 Puntos de Track en " + Ruta("Sitna-OziTrack.txt"));
}

TEST_F(SitnaAOziTest, ElWaypoint31768DesbordaAntesDeEscribirse) {
    cuadro = ListaSitna(31768);
    Convertir(conversiones::SitnaWpOzi);
    EsperarError("Error:6 Desbordamiento", "Error:6 Desbordamiento");
    const std::string f = Leer("Sitna-OziWp.txt");
    EXPECT_EQ(std::count(f.begin(), f.end(), '\n'), 1 + 31767);
    EXPECT_EQ(motor.Estado().Contador.Valor(), 31768);
}

TEST_F(SitnaAOziTest, ElPunto32768DesbordaElContador) {
    cuadro = std::nullopt;
    Poner("Sitna-Descargar.txt", ListaSitna(32768));
    Convertir(conversiones::SitnaTrackOzi);
    EsperarError("Error:6 Desbordamiento", "Error:6 Desbordamiento");
    const std::string f = Leer("Sitna-OziTrack.txt");
    EXPECT_EQ(std::count(f.begin(), f.end(), '\n'), 1 + 32767);
    EXPECT_EQ(motor.Estado().Contador.Valor(), 32767);

    Poner("Sitna-Descargar.txt", ListaSitna(32767));
    Convertir(conversiones::SitnaTrackOzi);
    EsperarResumen("Generados 32767 Puntos de Track en " + Ruta("Sitna-OziTrack.txt"));
}

TEST_F(SitnaAOziTest, FicheroQueFaltaEs53YNoTocaLaSalida) {
    cuadro = std::nullopt;
    Poner("Sitna-OziWp.txt", "anterior");
    Convertir(conversiones::SitnaWpOzi);
    EsperarError("Error:53 No se ha encontrado el archivo " + Ruta("Sitna-Descargar.txt"),
                 "Error:53 No se ha encontrado el archivo");
    EXPECT_EQ(Leer("Sitna-OziWp.txt"), "anterior");
    EXPECT_TRUE(resultado.escritos.empty());
    EXPECT_FALSE(resultado.lista);
}

TEST_F(SitnaAOziTest, LineaMalaEnElFicheroEs13ConSuLinea) {
    cuadro = std::nullopt;
    // A line with one value no longer takes its northing from the next line.
    Poner("Sitna-Descargar.txt", "612345,4745678\n612400\n612500,4745800\n");
    Convertir(conversiones::SitnaTrackOzi);
    const std::string texto = "Error:13 No coinciden los tipos (línea 2 de " + Ruta("Sitna-Descargar.txt") + ")";
    EsperarError(texto, texto);
    // Partial output is kept: the header and the first point.
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"), "Datum,European 1950\r\nTP,UTM,30T,612345,4745678,,,1,,,,,,\r\n");
}

TEST_F(SitnaAOziTest, LineaMalaEnLaCajaEs13ConSuLinea) {
    cuadro = "612345,4745678\r\n\r\n612400,47457OO\r\n";
    Convertir(conversiones::SitnaWpOzi);
    EsperarError("Error:13 No coinciden los tipos (línea 3 del Cuadro Descargar)",
                 "Error:13 No coinciden los tipos (línea 3 del Cuadro Descargar)");
    EXPECT_FALSE(resultado.lista);
}

TEST_F(SitnaAOziTest, TresValoresPorLineaNoDesplazanLosPuntos) {
    cuadro = std::nullopt;
    Poner("Sitna-Descargar.txt", "612345,4745678,9\r\n612400,4745700\r\n");
    Convertir(conversiones::SitnaTrackOzi);
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"),
              "Datum,European 1950\r\nTP,UTM,30T,612345,4745678,,,1,,,,,,\r\nTP,UTM,30T,612400,4745700,,,0,,,,,,\r\n");
}

TEST_F(SitnaAOziTest, FraccionesSeRedondeanYLasCifrasDeMasSeEscriben) {
    cuadro = "612345.5,4745678.49\r\n1234567,12345678";
    Convertir(conversiones::SitnaTrackOzi);
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"),
              "Datum,European 1950\r\nTP,UTM,30T,612346,4745678,,,1,,,,,,\r\n"
              "TP,UTM,30T,1234567,12345678,,,0,,,,,,\r\n");
}

TEST_F(SitnaAOziTest, ElInicioSeAvisaUnaVezAntesDeTocarLosFicheros) {
    cuadro = std::nullopt;
    Poner("Sitna-Descargar.txt", "612345,4745678\r\n");
    int avisos = 0;
    resultado = motor.Ejecutar({conversiones::SitnaWpOzi, intercambio, cuadro, opcion, datum}, [&] {
        ++avisos;
        EXPECT_FALSE(Existe("Sitna-OziWp.txt"));
        EXPECT_EQ(motor.Estado().Contador.Valor(), 0);
    });
    EXPECT_EQ(avisos, 1);
    EsperarResumen("Generados 1 Waypoints en " + Ruta("Sitna-OziWp.txt"));
    EXPECT_EQ(resultado.escritos, std::vector<std::filesystem::path>{dir / "Sitna-OziWp.txt"});
}

TEST_F(SitnaAOziTest, OtraCarpetaEnLaSiguienteEjecucion) {
    CarpetaTemporal otra;
    cuadro = "612345,4745678";
    Convertir(conversiones::SitnaWpOzi);
    intercambio = otra.Ruta();
    Convertir(conversiones::SitnaWpOzi);
    EXPECT_TRUE(std::filesystem::exists(otra / "Sitna-OziWp.txt"));
    EXPECT_EQ(motor.Estado().NombreFicheroSitna, otra / "Sitna-Descargar.txt");
    EXPECT_EQ(motor.Estado().NombreFicheroMapsource, otra / "Sitna-Mapsource.txt");
}

}  // namespace
}  // namespace varnel::prueba
