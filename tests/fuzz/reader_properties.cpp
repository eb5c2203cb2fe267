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

// Every point of one reader, as the list holds it (ED50), into `l`; its
// vectors keep their room from the input before.
void Leer(LectorPuntosFichero& lector, Lectura& l) {
    l.x.clear();
    l.y.clear();
    l.codigo = 0;
    l.linea = 0;
    l.texto.clear();
    ConversorLista conversor(DatumLista::Ed50);
    LectorPuntos puntos(lector, conversor);
    Valor x;
    Valor y;
    std::size_t n = 0;
    try {
        for (; puntos.Siguiente(x, y); ++n) {
            // Built in place: a point's text fits the string's own buffer.
            if (n == l.puntos.size()) l.puntos.emplace_back();
            std::string& punto = l.puntos[n];
            punto.clear();
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
    l.puntos.resize(n);
}

void LeerBytes(const FilaFormato& fila, std::string_view bytes, Lectura& l) {
    BytesEnMemoria fuente(bytes, "entrada.txt");
    Leer(*fila.leer(fuente), l);
}

void LeerCaja(std::string_view texto, Lectura& l) {
    LineasTexto lineas(texto);
    LectorPuntosTexto lector(lineas, formato::kListaSitna.lineas(), false);
    Leer(lector, l);
}

// What one input's check works in. Kept from one input to the next: under
// ASan, growing every vector and string anew cost as much as the reading.
struct Trabajo {
    std::string entrada;
    Lectura primera;
    Lectura releida;
    std::string escrito;
    std::string linea;
};

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

// The points through the list's writers (file and box), where every point
// goes, and through the input format's own writer when it has one, each read
// back by its own reader.
std::optional<std::string> Reescribir(Trabajo& t, const FilaFormato& fila) {
    const Lectura& l = t.primera;
    t.escrito.clear();
    for (std::size_t i = 0; i < l.x.size(); ++i) {
        lista_sitna::PonerLineaFichero(t.linea, l.x[i], l.y[i]);
        t.escrito += t.linea;
    }
    LeerBytes(formato::kListaSitna, t.escrito, t.releida);
    if (auto f = Releido("la lista", t.releida, l)) return f;

    t.escrito.clear();
    std::int16_t primera = -1;
    for (std::size_t i = 0; i < l.x.size(); ++i) lista_sitna::AnadirEntradaCaja(t.escrito, primera, l.x[i], l.y[i]);
    LeerCaja(t.escrito, t.releida);
    if (auto f = Releido("el cuadro", t.releida, l)) return f;

    const bool wp = &fila == &formato::kTextoWaypointsOzi;
    if ((!wp && &fila != &formato::kTextoTrackOzi) || l.x.empty()) return std::nullopt;
    t.escrito = CabeceraOzi(DatumLista::Ed50);
    for (std::size_t i = 0; i < l.x.size(); ++i)
        t.escrito += wp ? waypoints_ozi::Registro(l.x[i], l.y[i], "SIT001", "SITNA Punto 001", "N")
                        : track_ozi::Registro(l.x[i], l.y[i], i == 0);
    LeerBytes(fila, t.escrito, t.releida);
    return Releido(wp ? "los waypoints Ozi" : "el track Ozi", t.releida, l);
}

}  // namespace

std::optional<std::string> ComprobarLector(Objetivo objetivo, std::string_view datos) {
    static Trabajo t;
    std::string& entrada = t.entrada;
    entrada.clear();
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

    const auto leer = [&](Lectura& l) { caja ? LeerCaja(entrada, l) : LeerBytes(*fila, entrada, l); };
    const Lectura& primera = t.primera;
    leer(t.primera);
    if (primera.codigo != 0) {
        if (!logica::EsCodigoConocido(primera.codigo)) return "código desconocido: " + primera.texto;
        if (primera.codigo == codigo::TiposNoCoinciden && (primera.linea < 1 || primera.linea > CotaDeLineas(entrada)))
            return "error 13 fuera de la entrada: " + primera.texto;
        if (primera.codigo == codigo::FinDeArchivo && (caja || !fila->exigeLinea))
            return "error 62 de un formato sin cabecera";
        if (primera.codigo != codigo::TiposNoCoinciden && primera.codigo != codigo::FinDeArchivo)
            return "error inesperado: " + primera.texto;
    }
    if (auto f = Reescribir(t, *fila)) return f;

    leer(t.releida);
    if (t.releida.puntos != primera.puntos || t.releida.texto != primera.texto)
        return "una segunda lectura da otra cosa";
    return std::nullopt;
}

}  // namespace varnel::prueba
