#include "engine/formats/content_format.h"

#include <string>
#include <string_view>

#include "engine/formats/comma_fields.h"
#include "engine/formats/gpx_kml_reader.h"
#include "engine/text/line_reader.h"

namespace varnel {
namespace {

// A header file may put this many blank lines before its first word.
constexpr int kLineasMiradas = 64;

std::string_view SinBlancosDelante(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    return t;
}

bool EsLineaMapsource(std::string_view l) {
    for (std::string_view clave : {"Grid\t", "Datum\t", "Header\t", "Track\t", "Trackpoint\t", "Waypoint\t", "Route\t"})
        if (l.starts_with(clave)) return true;
    return false;
}

// "WP,..." or "TP,...": an OziExplorer text record, waypoint or track.
FormatoContenido TipoRegistroOzi(std::string_view l) {
    RecorridoCampos campos(l);
    CampoCrudo tipo;
    if (!campos.Siguiente(tipo)) return FormatoContenido::NoReconocido;
    if (tipo.texto == "WP") return FormatoContenido::WaypointsOzi;
    if (tipo.texto == "TP") return FormatoContenido::TrackOzi;
    return FormatoContenido::NoReconocido;
}

}  // namespace

FormatoContenido ReconocerFormatoContenido(const std::filesystem::path& ruta) {
    LectorLineas f(ruta);
    std::string linea;
    bool cabeceraOzi = false;  // a "Datum,..." line: the export's records follow
    for (int n = 0; n < kLineasMiradas && f.SiguienteLinea(linea); ++n) {
        if (LineaEnBlanco(linea)) continue;
        const std::string_view l = SinBlancosDelante(linea);
        if (cabeceraOzi) {
            const FormatoContenido tipo = TipoRegistroOzi(l);
            return tipo == FormatoContenido::NoReconocido ? FormatoContenido::WaypointsOzi : tipo;
        }
        if (l.front() == '<') {
            f.Cerrar();
            switch (ReconocerFormatoGps(ruta)) {
            case FormatoGps::Gpx: return FormatoContenido::Gpx;
            case FormatoGps::Kml: return FormatoContenido::Kml;
            case FormatoGps::Ninguno: return FormatoContenido::NoReconocido;
            }
        }
        if (l.starts_with("OziExplorer Waypoint File Version")) return FormatoContenido::WaypointsOzi;
        if (l.starts_with("OziExplorer Track Point File Version")) return FormatoContenido::TrackOzi;
        if (EsLineaMapsource(l)) return FormatoContenido::Mapsource;
        if (l.starts_with("Datum,")) {
            cabeceraOzi = true;
            continue;
        }
        if (const FormatoContenido tipo = TipoRegistroOzi(l); tipo != FormatoContenido::NoReconocido) return tipo;
        Valor x;
        Valor y;
        if (LeerRegistroComas(l, {2, 0, 1}, x, y) == Lectura::Punto) return FormatoContenido::ListaSitna;
        return FormatoContenido::NoReconocido;
    }
    // Only an export's header: its reader gives no point, as for any such file.
    return cabeceraOzi ? FormatoContenido::WaypointsOzi : FormatoContenido::NoReconocido;
}

}  // namespace varnel
