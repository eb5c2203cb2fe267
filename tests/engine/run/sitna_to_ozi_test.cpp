#include <gtest/gtest.h>

#include "tests/engine/run/engine_fixture.h"

namespace varnel::prueba {
namespace {

using SitnaAOziTest = MotorTest;

TEST_F(SitnaAOziTest, WaypointsDesdeFicheroSonExactos) {
    ventana.descargar = false;
    ventana.porta = "algo";
    Poner("Sitna-Descargar.txt", DatoDePrueba("sitna-3.txt"));
    motor.cmdSitnaWpOzi();
    EXPECT_EQ(Leer("Sitna-OziWp.txt"), DatoDePrueba("oziwp-3-N.txt"));
    EsperarResumen("Generados 3 Waypoints en " + Ruta("Sitna-OziWp.txt"));
    EXPECT_EQ(ventana.porta, "");  // file mode empties the box
    EXPECT_EQ(motor.Estado().NombrePunto, "SIT003");
    EXPECT_EQ(motor.Estado().ComentarioPunto, "SITNA Punto 003");
}

TEST_F(SitnaAOziTest, TrackDesdeFicheroEsExacto) {
    ventana.descargar = false;
    Poner("Sitna-Descargar.txt", DatoDePrueba("sitna-3.txt"));
    motor.cmdSitnaTrackOzi();
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"), DatoDePrueba("ozitrack-3.txt"));
    EsperarResumen("Generados 3 Puntos de Track en " + Ruta("Sitna-OziTrack.txt"));
    // A second run starts a new track.
    motor.cmdSitnaTrackOzi();
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"), DatoDePrueba("ozitrack-3.txt"));
}

struct CasoOpcion {
    OpcionGarmin opcion;
    char codigo;
};

void PrintTo(const CasoOpcion& c, std::ostream* os) { *os << c.codigo; }

class OpcionGarminTest : public MotorTest, public ::testing::WithParamInterface<CasoOpcion> {};

TEST_P(OpcionGarminTest, ElUltimoCampoEsElCodigoDeLaOpcion) {
    ventana.opcion = GetParam().opcion;
    ventana.porta = "612345,4745678";
    motor.cmdSitnaWpOzi();
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
    ventana.porta = GetParam().caja;
    motor.cmdSitnaTrackOzi();
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"), DatoDePrueba("ozitrack-3.txt"));
    EsperarResumen("Generados 3 Puntos de Track en " + Ruta("Sitna-OziTrack.txt"));
    EXPECT_EQ(ventana.porta, GetParam().caja);  // box mode leaves the box alone
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
    motor.cmdSitnaWpOzi();
    EXPECT_EQ(Leer("Sitna-OziWp.txt"), "Datum,European 1950\r\n");
    EsperarResumen("Generados 0 Waypoints en " + Ruta("Sitna-OziWp.txt"));
    ventana.descargar = false;
    Poner("Sitna-Descargar.txt", "");
    motor.cmdSitnaTrackOzi();
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"), "Datum,European 1950\r\n");
}

TEST_F(SitnaAOziTest, NombresModulo1000) {
    ventana.porta = ListaSitna(1001);
    motor.cmdSitnaWpOzi();
    const std::string f = Leer("Sitna-OziWp.txt");
    EXPECT_NE(f.find("WP,UTM,SIT999,30T,600998,4700998,,,SITNA Punto 999,\x87,N\r\n"), std::string::npos);
    EXPECT_NE(f.find("WP,UTM,SIT000,30T,600999,4700999,,,SITNA Punto 000,\x87,N\r\n"), std::string::npos);
    EXPECT_NE(f.find("WP,UTM,SIT001,30T,601000,4701000,,,SITNA Punto 001,\x87,N\r\n"), std::string::npos);
    EsperarResumen("Generados 1001 Waypoints en " + Ruta("Sitna-OziWp.txt"));
}

TEST_F(SitnaAOziTest, CajaDeMasDe2047PuntosSeLeeEntera) {
    ventana.porta = ListaSitna(5000);
    motor.cmdSitnaTrackOzi();
    EsperarResumen("Generados 5000 Puntos de Track en " + Ruta("Sitna-OziTrack.txt"));
}

TEST_F(SitnaAOziTest, ElWaypoint31768DesbordaAntesDeEscribirse) {
    ventana.porta = ListaSitna(31768);
    motor.cmdSitnaWpOzi();
    EsperarError("Error:6 Desbordamiento", "Error:6 Desbordamiento");
    const std::string f = Leer("Sitna-OziWp.txt");
    EXPECT_EQ(std::count(f.begin(), f.end(), '\n'), 1 + 31767);
    EXPECT_EQ(motor.Estado().Contador.Valor(), 31768);
}

TEST_F(SitnaAOziTest, ElPunto32768DesbordaElContador) {
    ventana.descargar = false;
    Poner("Sitna-Descargar.txt", ListaSitna(32768));
    motor.cmdSitnaTrackOzi();
    EsperarError("Error:6 Desbordamiento", "Error:6 Desbordamiento");
    const std::string f = Leer("Sitna-OziTrack.txt");
    EXPECT_EQ(std::count(f.begin(), f.end(), '\n'), 1 + 32767);
    EXPECT_EQ(motor.Estado().Contador.Valor(), 32767);

    ventana = VentanaFalsa{};
    ventana.carpeta = dir.Ruta();
    ventana.descargar = false;
    Poner("Sitna-Descargar.txt", ListaSitna(32767));
    motor.cmdSitnaTrackOzi();
    EsperarResumen("Generados 32767 Puntos de Track en " + Ruta("Sitna-OziTrack.txt"));
}

TEST_F(SitnaAOziTest, FicheroQueFaltaEs53YNoTocaLaSalida) {
    ventana.descargar = false;
    ventana.porta = "612345,4745678";
    Poner("Sitna-OziWp.txt", "anterior");
    motor.cmdSitnaWpOzi();
    EsperarError("Error:53 No se ha encontrado el archivo " + Ruta("Sitna-Descargar.txt"),
                 "Error:53 No se ha encontrado el archivo");
    EXPECT_EQ(Leer("Sitna-OziWp.txt"), "anterior");
    EXPECT_EQ(ventana.porta, "");
}

TEST_F(SitnaAOziTest, LineaMalaEnElFicheroEs13ConSuLinea) {
    ventana.descargar = false;
    // A line with one value no longer takes its northing from the next line.
    Poner("Sitna-Descargar.txt", "612345,4745678\n612400\n612500,4745800\n");
    motor.cmdSitnaTrackOzi();
    const std::string texto = "Error:13 No coinciden los tipos (línea 2 de " + Ruta("Sitna-Descargar.txt") + ")";
    EsperarError(texto, texto);
    // Partial output is kept: the header and the first point.
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"), "Datum,European 1950\r\nTP,UTM,30T,612345,4745678,,,1,,,,,,\r\n");
}

TEST_F(SitnaAOziTest, LineaMalaEnLaCajaEs13ConSuLinea) {
    ventana.porta = "612345,4745678\r\n\r\n612400,47457OO\r\n";
    motor.cmdSitnaWpOzi();
    EsperarError("Error:13 No coinciden los tipos (línea 3 del Cuadro Descargar)",
                 "Error:13 No coinciden los tipos (línea 3 del Cuadro Descargar)");
    EXPECT_EQ(ventana.porta, "612345,4745678\r\n\r\n612400,47457OO\r\n");
}

TEST_F(SitnaAOziTest, TresValoresPorLineaNoDesplazanLosPuntos) {
    ventana.descargar = false;
    Poner("Sitna-Descargar.txt", "612345,4745678,9\r\n612400,4745700\r\n");
    motor.cmdSitnaTrackOzi();
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"),
              "Datum,European 1950\r\nTP,UTM,30T,612345,4745678,,,1,,,,,,\r\nTP,UTM,30T,612400,4745700,,,0,,,,,,\r\n");
}

TEST_F(SitnaAOziTest, FraccionesSeRedondeanYLasCifrasDeMasSeEscriben) {
    ventana.porta = "612345.5,4745678.49\r\n1234567,12345678";
    motor.cmdSitnaTrackOzi();
    EXPECT_EQ(Leer("Sitna-OziTrack.txt"),
              "Datum,European 1950\r\nTP,UTM,30T,612346,4745678,,,1,,,,,,\r\n"
              "TP,UTM,30T,1234567,12345678,,,0,,,,,,\r\n");
}

TEST_F(SitnaAOziTest, OrdenDeLaEjecucion) {
    ventana.descargar = false;
    Poner("Sitna-Descargar.txt", "612345,4745678\r\n");
    motor.cmdSitnaWpOzi();
    const std::vector<std::string> esperado = {"mensajes:Espere....", "repintar-mensajes", "vaciar-porta",
                                               "mensajes:Generados 1 Waypoints en " + Ruta("Sitna-OziWp.txt")};
    EXPECT_EQ(ventana.registro, esperado);
}

TEST_F(SitnaAOziTest, OtraCarpetaEnLaSiguienteEjecucion) {
    CarpetaTemporal otra;
    ventana.porta = "612345,4745678";
    motor.cmdSitnaWpOzi();
    ventana.carpeta = otra.Ruta();
    motor.cmdSitnaWpOzi();
    EXPECT_TRUE(std::filesystem::exists(otra / "Sitna-OziWp.txt"));
    EXPECT_EQ(motor.Estado().NombreFicheroSitna, otra / "Sitna-Descargar.txt");
    EXPECT_EQ(motor.Estado().NombreFicheroMapsource, otra / "Sitna-Mapsource.txt");
}

}  // namespace
}  // namespace varnel::prueba
