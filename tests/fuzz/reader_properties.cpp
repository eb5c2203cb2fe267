#include "tests/fuzz/reader_properties.h"

#include <memory>
#include <vector>

#include "engine/core/run_error.h"
#include "engine/formats/format_rows.h"
#include "engine/formats/ozi_reader.h"
#include "engine/formats/ozi_track.h"
#include "engine/formats/ozi_waypoints.h"
#include "engine/formats/sitna_list.h"
#include "engine/platform/byte_source.h"
#include "engine/text/text_lines.h"
#include "ui/logic/run_report.h"

namespace varnel::prueba {
namespace {

struct Lectura {
    std::vector<Valor> x;
    std::vector<Valor> y;
    std::vector<std::string> puntos;  // "easting,northing" in the list file's formats
    int codigo = 0;                   // 0: no error
    std::int64_t linea = 0;
    std::string texto;
};

// Every point of one reader, as the list holds it (ED50).
Lectura Leer(LectorPuntosFichero& lector) {
    Lectura l;
    ConversorLista conversor(DatumLista::Ed50);
    LectorPuntos puntos(lector, conversor);
    Valor x;
    Valor y;
    try {
        while (puntos.Siguiente(x, y)) {
            // Built in place: a point's text fits the string's own buffer.
            std::string& punto = l.puntos.emplace_back();
            AnadirFormatoCeros(punto, x, 6);
            punto += ',';
            AnadirFormatoCeros(punto, y, 7);
            l.x.push_back(x);
            l.y.push_back(y);
        }
    } catch (const ErrorEjecucion& e) {
        l.codigo = e.Codigo();
        l.linea = e.Linea().numero;
        l.texto = logica::TextoError(e);
    }
    return l;
}

Lectura LeerBytes(const FilaFormato& fila, std::string_view bytes) {
    BytesEnMemoria fuente(bytes, "entrada.txt");
    return Leer(*fila.leer(fuente));
}

Lectura LeerCaja(std::string_view texto) {
    LineasTexto lineas(texto);
    LectorPuntosTexto lector(lineas, formato::kListaSitna.lineas(), false);
    return Leer(lector);
}

// More than any encoding can have: every line end holds a CR or LF byte.
std::int64_t CotaDeLineas(std::string_view datos) {
    std::int64_t n = 1;
    for (char c : datos) n += c == '\n' || c == '\r';
    return n;
}

std::optional<std::string> Releido(const char* que, const Lectura& escrito, const Lectura& original) {
    if (escrito.codigo != 0) return std::string(que) + " no se relee: " + escrito.texto;
    if (escrito.puntos != original.puntos) return std::string(que) + ": los puntos no son los leídos, o no en su orden";
    return std::nullopt;
}

// The points through every writer that takes them, read back by its own reader.
std::optional<std::string> Reescribir(const Lectura& l, bool tambienOzi) {
    std::string lista;
    std::string caja;
    std::int16_t primera = -1;
    std::string linea;
    for (std::size_t i = 0; i < l.x.size(); ++i) {
        lista_sitna::PonerLineaFichero(linea, l.x[i], l.y[i]);
        lista += linea;
        lista_sitna::AnadirEntradaCaja(caja, primera, l.x[i], l.y[i]);
    }
    if (auto f = Releido("la lista", LeerBytes(formato::kListaSitna, lista), l)) return f;
    if (auto f = Releido("el cuadro", LeerCaja(caja), l)) return f;
    if (!tambienOzi || l.x.empty()) return std::nullopt;

    std::string wp(CabeceraOzi(DatumLista::Ed50));
    std::string tp = wp;
    for (std::size_t i = 0; i < l.x.size(); ++i) {
        wp += waypoints_ozi::Registro(l.x[i], l.y[i], "SIT001", "SITNA Punto 001", "N");
        tp += track_ozi::Registro(l.x[i], l.y[i], i == 0);
    }
    if (auto f = Releido("los waypoints Ozi", LeerBytes(formato::kTextoWaypointsOzi, wp), l)) return f;
    return Releido("el track Ozi", LeerBytes(formato::kTextoTrackOzi, tp), l);
}

}  // namespace

std::optional<std::string> ComprobarLector(Objetivo objetivo, std::string_view datos) {
    std::string entrada;
    const FilaFormato* fila = &formato::kListaSitna;
    switch (objetivo) {
    case Objetivo::ListaSitnaFichero:
    case Objetivo::ListaSitnaCuadro: break;
    case Objetivo::WaypointsOzi: fila = &formato::kTextoWaypointsOzi; break;
    case Objetivo::TrackOzi: fila = &formato::kTextoTrackOzi; break;
    case Objetivo::Mapsource: fila = &formato::kMapsource; break;
    case Objetivo::WaypointsOziPropios:
        fila = &formato::kWpt;
        entrada = "OziExplorer Waypoint File Version 1.1\r\nWGS 84\r\nReserved 2\r\ngarmin\r\n";
        break;
    case Objetivo::TrackOziPropio:
        fila = &formato::kPlt;
        entrada =
            "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\n"
            "Reserved 3\r\n0,2,255,Track,0,0,2,8421376\r\n0\r\n";
        break;
    case Objetivo::MapsourceGeografico:
        fila = &formato::kMapsource;
        entrada = "Grid\tLat/Lon hddd\xB0mm.mmm'\r\nDatum\tWGS 84\r\n";
        break;
    }
    entrada.append(datos);
    const bool caja = objetivo == Objetivo::ListaSitnaCuadro;

    const Lectura primera = caja ? LeerCaja(entrada) : LeerBytes(*fila, entrada);
    if (primera.codigo != 0) {
        if (!logica::EsCodigoConocido(primera.codigo)) return "código desconocido: " + primera.texto;
        if (primera.codigo == codigo::TiposNoCoinciden && (primera.linea < 1 || primera.linea > CotaDeLineas(entrada)))
            return "error 13 fuera de la entrada: " + primera.texto;
        if (primera.codigo == codigo::FinDeArchivo && (caja || !fila->exigeLinea))
            return "error 62 de un formato sin cabecera";
        if (primera.codigo != codigo::TiposNoCoinciden && primera.codigo != codigo::FinDeArchivo)
            return "error inesperado: " + primera.texto;
    }
    if (auto f = Reescribir(primera, fila == &formato::kListaSitna)) return f;

    const Lectura segunda = caja ? LeerCaja(entrada) : LeerBytes(*fila, entrada);
    if (segunda.puntos != primera.puntos || segunda.texto != primera.texto) return "una segunda lectura da otra cosa";
    return std::nullopt;
}

}  // namespace varnel::prueba
