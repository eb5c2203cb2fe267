// How a run's end is worded: the error texts of the messages box and the
// error box, and the summary with what it counted, where, and from which datums.
#include <gtest/gtest.h>

#include "ui/logic/run_report.h"

namespace varnel::prueba {
namespace {

using logica::Informe;
using logica::TextoError;
using logica::TextoMensajesError;

TEST(TextoErrorTest, DescripcionesEnEspanol) {
    EXPECT_EQ(TextoError(ErrorEjecucion(6)), "Error:6 Desbordamiento");
    EXPECT_EQ(TextoError(ErrorEjecucion::EnLinea(13, {2, {}})),
              "Error:13 No coinciden los tipos (línea 2 del Cuadro Descargar)");
    EXPECT_EQ(TextoError(ErrorEjecucion::EnLinea(13, {12, "/gps/Sitna-Mapsource.txt"}, "datum no admitido «Tokyo»")),
              "Error:13 No coinciden los tipos (línea 12 de /gps/Sitna-Mapsource.txt: datum no admitido «Tokyo»)");
    EXPECT_EQ(TextoError(ErrorEjecucion(62)), "Error:62 La entrada sobrepasa el final del archivo");
    EXPECT_EQ(TextoError(ErrorEjecucion(76)), "Error:76 No se ha encontrado la ruta de acceso");
    for (int c : {6, 7, 13, 53, 57, 61, 62, 67, 70, 75, 76}) EXPECT_TRUE(logica::EsCodigoConocido(c)) << c;
    EXPECT_FALSE(logica::EsCodigoConocido(5));
}

TEST(TextoErrorTest, ElCuadroDeMensajesNombraElFicheroYLaCajaModalNo) {
    const ErrorEjecucion falta = ErrorEjecucion::SobreFichero(53, "/gps/Sitna-OziWp.txt");
    EXPECT_EQ(TextoMensajesError(falta), "Error:53 No se ha encontrado el archivo /gps/Sitna-OziWp.txt");
    EXPECT_EQ(TextoError(falta), "Error:53 No se ha encontrado el archivo");
    // A line error names its file once, in the line's place.
    const ErrorEjecucion linea = ErrorEjecucion::EnLinea(13, {4, "/gps/a.gpx"}, "fichero incompleto");
    EXPECT_EQ(TextoMensajesError(linea), TextoError(linea));
}

TEST(InformeTest, ResumenOInformeDeError) {
    ResultadoEjecucion r;
    r.puntos = 25;
    r.salida = FicheroIntercambio::TrackOzi;
    r.rutaSalida = "/gps/Sitna-OziTrack.txt";
    EXPECT_EQ(Informe(r).mensajes, "Generados 25 Puntos de Track en /gps/Sitna-OziTrack.txt");
    EXPECT_FALSE(Informe(r).modal);
    r.salida = FicheroIntercambio::WaypointsOzi;
    r.rutaSalida = "/gps/Sitna-OziWp.txt";
    EXPECT_EQ(Informe(r).mensajes, "Generados 25 Waypoints en /gps/Sitna-OziWp.txt");
    r.salida = FicheroIntercambio::ListaSitna;
    r.rutaSalida = "/gps/Sitna-Descargar.txt";
    r.desplazadosDe = {DatumFichero::Wgs84, DatumFichero::Etrs89};
    EXPECT_EQ(Informe(r).mensajes, "Generados 25 Puntos en /gps/Sitna-Descargar.txt (de WGS 84 y ETRS89 a ED50)");

    // An error: no summary, whatever was counted.
    r.error = ErrorEjecucion(6);
    EXPECT_EQ(Informe(r).mensajes, "Error:6 Desbordamiento");
    EXPECT_EQ(Informe(r).modal, "Error:6 Desbordamiento");
}

}  // namespace
}  // namespace varnel::prueba
