#include "engine/formats/format_rows.h"

#include "engine/core/blanks.h"
#include "engine/formats/comma_fields.h"
#include "engine/formats/fit_reader.h"
#include "engine/formats/geojson_reader.h"
#include "engine/formats/gpx_reader.h"
#include "engine/formats/gpx_writer.h"
#include "engine/formats/kml_reader.h"
#include "engine/formats/kml_writer.h"
#include "engine/formats/kmz_reader.h"
#include "engine/formats/mapsource_export.h"
#include "engine/formats/ozi_reader.h"
#include "engine/formats/ozi_track.h"
#include "engine/formats/ozi_waypoints.h"
#include "engine/formats/sitna_list.h"
#include "engine/formats/tcx_reader.h"
#include "engine/formats/twonav_reader.h"
#include "engine/text/line_reader.h"
#include "engine/xml/xml_reader.h"

namespace varnel {
namespace {

// A header file may put this many blank lines before its first word.
constexpr int kLineasMiradas = 64;

// A line format's reader over a file: the lines and the points they hold.
class LectorDeLineas final : public LectorPuntosFichero {
public:
    LectorDeLineas(FuenteBytes& bytes, const FilaFormato& fila)
        : lineas_(bytes), puntos_(lineas_, fila.lineas(), fila.exigeLinea) {}
    bool Siguiente(PuntoFichero& p) override { return puntos_.Siguiente(p); }
    UbicacionLinea Ubicacion() const override { return puntos_.Ubicacion(); }
    std::int64_t NumeroLinea() const override { return puntos_.NumeroLinea(); }

private:
    LectorLineas lineas_;
    LectorPuntosTexto puntos_;
};

template <const FilaFormato& fila>
std::unique_ptr<LectorPuntosFichero> LeerLineas(FuenteBytes& bytes) {
    return std::make_unique<LectorDeLineas>(bytes, fila);
}

// "WP,..." or "TP,...": an OziExplorer text record of that type.
bool EsRegistroOzi(std::string_view l, std::string_view tipo) {
    RecorridoCampos campos(l);
    CampoCrudo primero;
    return campos.Siguiente(primero) && primero.texto == tipo;
}

bool EsCabeceraOzi(const CabezaFichero& c) { return c.hayPrimera && c.primera.starts_with("Datum,"); }

bool EsListaSitna(const CabezaFichero& c) {
    Valor x;
    Valor y;
    return c.hayPrimera && LeerRegistroComas(c.primera, {2, 0, 1}, x, y) == Lectura::Punto;
}

// An export's header alone, or followed by anything but a track record, is
// the waypoint export: its reader then gives what such a file holds.
bool EsTextoWaypointsOzi(const CabezaFichero& c) {
    if (EsCabeceraOzi(c)) return !(c.haySegunda && EsRegistroOzi(c.segunda, "TP"));
    return c.hayPrimera && EsRegistroOzi(c.primera, "WP");
}

bool EsTextoTrackOzi(const CabezaFichero& c) {
    if (EsCabeceraOzi(c)) return c.haySegunda && EsRegistroOzi(c.segunda, "TP");
    return c.hayPrimera && EsRegistroOzi(c.primera, "TP");
}

bool EsWpt(const CabezaFichero& c) { return c.hayPrimera && c.primera.starts_with(kMarcaWpt); }
bool EsPlt(const CabezaFichero& c) { return c.hayPrimera && c.primera.starts_with(kMarcaPlt); }

bool EsMapsource(const CabezaFichero& c) {
    if (!c.hayPrimera) return false;
    for (std::string_view clave : {"Grid\t", "Datum\t", "Header\t", "Track\t", "Trackpoint\t", "Waypoint\t", "Route\t"})
        if (c.primera.starts_with(clave)) return true;
    return false;
}

bool EsGpx(const CabezaFichero& c) { return c.hayRaiz && gpx::EsRaiz(c.raiz, c.espacioRaiz); }
bool EsKml(const CabezaFichero& c) { return c.hayRaiz && kml::EsRaiz(c.raiz, c.espacioRaiz); }
bool EsTcx(const CabezaFichero& c) { return c.hayRaiz && tcx::EsRaiz(c.raiz, c.espacioRaiz); }
bool EsTwoNav(const CabezaFichero& c) { return c.hayPrimera && twonav::EsCabecera(c.primera); }
bool EsGeoJson(const CabezaFichero& c) { return geojson::EsInicio(c.inicioJson); }
bool EsKmz(const CabezaFichero& c) { return kmz::EsCabecera(c.inicio); }
bool EsFit(const CabezaFichero& c) { return fit::EsCabecera(c.inicio); }

// Enough for the binary formats' signatures.
constexpr std::size_t kBytesInicio = 14;

// Stops at the first element and keeps its name.
class ReceptorRaiz final : public ReceptorXml {
public:
    explicit ReceptorRaiz(CabezaFichero& c) : cabeza_(c) {}
    LectorXml* xml = nullptr;

    void InicioElemento(std::string_view nombre, std::string_view espacio, std::span<const AtributoXml>) override {
        cabeza_.hayRaiz = true;
        cabeza_.raiz = nombre;
        cabeza_.espacioRaiz = espacio;
        xml->Pausar();
    }
    void FinElemento(std::string_view, std::string_view) override {}
    void Texto(std::string_view) override {}

private:
    CabezaFichero& cabeza_;
};

void LeerRaiz(FuenteBytes& bytes, CabezaFichero& cabeza) {
    bytes.Rebobinar();
    ReceptorRaiz raiz(cabeza);
    LectorXml xml(bytes, raiz);
    raiz.xml = &xml;
    try {
        xml.Leer();
    } catch (const ErrorXml&) {
        cabeza.hayRaiz = false;  // not XML, or broken before its root
    }
}

// A JSON document's first bytes, blanks and line ends included, for its probe.
void LeerInicioJson(FuenteBytes& bytes, CabezaFichero& cabeza) {
    constexpr std::size_t kInicioJson = 4096;
    bytes.Rebobinar();
    cabeza.inicioJson.resize(kInicioJson);
    cabeza.inicioJson.resize(bytes.Leer(cabeza.inicioJson.data(), kInicioJson));
    const std::size_t llave = cabeza.inicioJson.find('{');
    cabeza.inicioJson.erase(0, llave == std::string::npos ? cabeza.inicioJson.size() : llave);
}

}  // namespace

namespace formato {
const FilaFormato kListaSitna{
    "lista SITNA", EsListaSitna, LeerLineas<kListaSitna>, lista_sitna::CrearLector, false, lista_sitna::EscribirPunto,
    false};
const FilaFormato kTextoWaypointsOzi{"texto de waypoints OziExplorer",
                                     EsTextoWaypointsOzi,
                                     LeerLineas<kTextoWaypointsOzi>,
                                     waypoints_ozi::CrearLector,
                                     true,
                                     waypoints_ozi::EscribirPunto,
                                     true};
const FilaFormato kTextoTrackOzi{"texto de track OziExplorer",
                                 EsTextoTrackOzi,
                                 LeerLineas<kTextoTrackOzi>,
                                 track_ozi::CrearLector,
                                 true,
                                 track_ozi::EscribirPunto,
                                 true};
const FilaFormato kWpt{
    "waypoints OziExplorer (.wpt)", EsWpt, LeerLineas<kWpt>, waypoints_ozi::CrearLector, true, nullptr, false};
const FilaFormato kPlt{
    "track OziExplorer (.plt)", EsPlt, LeerLineas<kPlt>, track_ozi::CrearLector, true, nullptr, false};
const FilaFormato kMapsource{"exportación MapSource",
                             EsMapsource,
                             LeerLineas<kMapsource>,
                             exportacion_mapsource::CrearLector,
                             false,
                             nullptr,
                             false};
const FilaFormato kGpx{"GPX", EsGpx, gpx::CrearLector, nullptr, false, nullptr, false, DocumentoGpx, true};
const FilaFormato kKml{"KML", EsKml, kml::CrearLector, nullptr, false, nullptr, false, DocumentoKml, true};
const FilaFormato kKmz{"KMZ", EsKmz, kmz::CrearLector, nullptr, false, nullptr, false, kmz::Documento, true};
const FilaFormato kFit{"FIT", EsFit, fit::CrearLector, nullptr, false, nullptr, false, nullptr, true};
const FilaFormato kTwoNav{"TwoNav", EsTwoNav, twonav::CrearLector, nullptr, false, nullptr, false, nullptr, true};
const FilaFormato kTcx{"TCX", EsTcx, tcx::CrearLector, nullptr, false, nullptr, false, nullptr, true};
const FilaFormato kGeoJson{"GeoJSON", EsGeoJson, geojson::CrearLector, nullptr, false, nullptr, false, nullptr, true};
}  // namespace formato

std::span<const FilaFormato* const> Formatos() {
    static const FilaFormato* const kFilas[] = {&formato::kListaSitna,    &formato::kTextoWaypointsOzi,
                                                &formato::kTextoTrackOzi, &formato::kWpt,
                                                &formato::kPlt,           &formato::kMapsource,
                                                &formato::kGpx,           &formato::kKml,
                                                &formato::kKmz,           &formato::kFit,
                                                &formato::kTwoNav,        &formato::kTcx,
                                                &formato::kGeoJson};
    return kFilas;
}

CabezaFichero LeerCabeza(FuenteBytes& bytes) {
    CabezaFichero c;
    c.inicio.resize(kBytesInicio);
    c.inicio.resize(bytes.Leer(c.inicio.data(), kBytesInicio));
    bytes.Rebobinar();
    if (EsKmz(c) || EsFit(c)) return c;  // binary: no lines to look at
    {
        LectorLineas f(bytes);
        std::string linea;
        for (int n = 0; n < kLineasMiradas && f.SiguienteLinea(linea); ++n) {
            if (LineaEnBlanco(linea)) continue;
            const std::string_view l = SinBlancosDelante(linea);
            if (!c.hayPrimera) {
                c.hayPrimera = true;
                c.primera = l;
                if (!EsCabeceraOzi(c)) break;  // only an export's header asks for the next line
            } else {
                c.haySegunda = true;
                c.segunda = l;
                break;
            }
        }
    }
    if (c.hayPrimera && c.primera.front() == '<') LeerRaiz(bytes, c);
    if (c.hayPrimera && c.primera.front() == '{') LeerInicioJson(bytes, c);
    return c;
}

const FilaFormato* ReconocerFormato(FuenteBytes& bytes) { return ReconocerFormato(LeerCabeza(bytes)); }

const FilaFormato* ReconocerFormato(const CabezaFichero& cabeza) {
    for (const FilaFormato* fila : Formatos())
        if (fila->reconocer(cabeza)) return fila;
    return nullptr;
}

}  // namespace varnel
