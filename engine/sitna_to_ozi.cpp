// SITNA list (box or "Sitna-Descargar.txt") to Ozi waypoints and track.

#include "line_source.h"
#include "record_reader.h"
#include "varnel_engine.h"

namespace varnel {
namespace {

constexpr std::string_view kCabeceraOzi = "Datum,European 1950\r\n";

// Last three digits of a point number + 1000, as the waypoint names use them.
std::string TresUltimas(std::int16_t suma) {
    const std::string s = std::to_string(suma);
    return s.substr(s.size() - 3);
}

}  // namespace

void MotorVarnel::LeerListaSitna(void (MotorVarnel::*porPunto)()) {
    const bool deCaja = ventana_.DescargarMarcado();
    std::string textoCaja;
    if (deCaja) {
        textoCaja = ventana_.TextoPorta();
    } else {
        ventana_.VaciarPortaYRepintar();
        AbrirEntrada(NombreFicheroSitna);
    }
    AbrirSalida(porPunto == &MotorVarnel::EscribirWaypointOzi ? NombreFicheroOziWp : NombreFicheroOziTrack);
    NumFichSalida->EscribirBytes(kCabeceraOzi);

    LineasTexto lineasCaja(textoCaja);
    FuenteLineas& fuente = deCaja ? static_cast<FuenteLineas&>(lineasCaja) : *NumFichEntrada;
    LectorRegistros lector(fuente, kRegistroSitna, false);
    Valor x;
    Valor y;
    while (lector.Siguiente(x, y)) {
        CoordX = std::move(x);
        CoordY = std::move(y);
        Contador.Incrementar();
        (this->*porPunto)();
    }
}

void MotorVarnel::TrabajoSitnaWpOzi() { LeerListaSitna(&MotorVarnel::EscribirWaypointOzi); }

void MotorVarnel::TrabajoSitnaTrackOzi() { LeerListaSitna(&MotorVarnel::EscribirTrackpointOzi); }

void MotorVarnel::EscribirWaypointOzi() {
    NombrePunto = "SIT" + TresUltimas(Contador.Sumar(1000));
    ComentarioPunto = "SITNA Punto " + TresUltimas(Contador.Sumar(1000));
    // Composed in the file's code page: the mark is the single byte 0x87.
    std::string r = "WP,UTM," + NombrePunto + ",30T," + FormatoCeros(CoordX, 6) + "," + FormatoCeros(CoordY, 7) +
                    ",,," + ComentarioPunto + ",\x87," + FormatoGarmin + "\r\n";
    NumFichSalida->EscribirBytes(r);
}

void MotorVarnel::EscribirTrackpointOzi() {
    std::string r = "TP,UTM,30T," + FormatoCeros(CoordX, 6) + "," + FormatoCeros(CoordY, 7) + ",,,";
    if (PrimerPunto == 0) r += "0,";
    if (PrimerPunto == -1) {
        r += "1,";
        PrimerPunto = 0;
    }
    r += ",,,,,\r\n";
    NumFichSalida->EscribirBytes(r);
}

}  // namespace varnel
