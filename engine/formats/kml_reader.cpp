#include "engine/formats/kml_reader.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "engine/formats/xml_pass.h"

namespace varnel::kml {
namespace {

// Google's extensions: gx:Track is a line of gx:coord "lon lat alt" elements.
constexpr std::string_view kEspacioGx = "http://www.google.com/kml/ext/2.2";

// A LinearRing (a polygon's boundary) is a line too: the path around it.
bool EsLinea(std::string_view nombre) { return nombre == "LineString" || nombre == "LinearRing"; }

// The coordinates of one kind of geometry, read as the elements come.
struct Geometria {
    explicit Geometria(bool l) : linea(l) {}
    bool linea;                     // lines, or Points
    std::int64_t profundidad = -1;  // of the geometry being read
    bool recogiendo = false;        // inside its coordinates
    CoordenadasKml coordenadas;
};

class LectorKml final : public PasadaXml {
public:
    explicit LectorKml(FuenteBytes& bytes) : PasadaXml(bytes, EsRaiz, false) {}

private:
    void Elemento(std::string_view nombre, bool propio, std::span<const AtributoXml>) override {
        if (EspacioElemento() == kEspacioGx) {
            if (nombre == "Track") {
                pista_ = Profundidad();
            } else if (nombre == "coord" && pista_ >= 0 && Profundidad() == pista_ + 1) {
                enCoord_ = true;
                coord_.clear();
                lineaCoord_ = Linea();
            }
        }
        if (propio && nombre == "NetworkLink" && !enlace_) enlace_ = Linea();
        for (Geometria* g : {&lineas_, &puntos_}) {
            // An element inside coordinates ends the tuple before it.
            if (g->recogiendo) Tuplas(*g, g->coordenadas.Terminar(nuevos_));
            if (!propio) continue;
            if (EsLinea(nombre) || nombre == "Point") {
                g->profundidad = EsLinea(nombre) == g->linea ? Profundidad() : -1;
            } else if (nombre == "coordinates" && !g->recogiendo && g->profundidad >= 0 &&
                       Profundidad() == g->profundidad + 1) {
                g->recogiendo = true;
                g->coordenadas.Empezar(Linea());
            }
        }
        PedirTexto();
    }

    void Fin() override {
        if (enCoord_ && Profundidad() == pista_ + 1) {
            enCoord_ = false;
            Coord();
        }
        if (Profundidad() == pista_) pista_ = -1;
        for (Geometria* g : {&lineas_, &puntos_}) {
            if (g->recogiendo && Profundidad() == g->profundidad + 1) {
                g->recogiendo = false;
                Tuplas(*g, g->coordenadas.Terminar(nuevos_));
            }
            if (Profundidad() == g->profundidad) g->profundidad = -1;
        }
        PedirTexto();
    }

    // Only coordinates hold text worth reading.
    void PedirTexto() { QuererTexto(enCoord_ || lineas_.recogiendo || puntos_.recogiendo); }

    void Caracteres(std::string_view texto) override {
        // One byte past the limit is kept, so the refusal can show it was cut.
        if (enCoord_)
            coord_.append(texto.substr(
                0, CoordenadasKml::kTuplaMaxima + 1 - std::min(coord_.size(), CoordenadasKml::kTuplaMaxima + 1)));
        for (Geometria* g : {&lineas_, &puntos_})
            if (g->recogiendo) Tuplas(*g, g->coordenadas.Anadir(texto, nuevos_));
    }

    void Terminar() override {
        if (hayLineas_) return;
        for (const PuntoLeido& p : reservados_) Entregar(p);
        if (rechazoPuntos_) return Rechazar(rechazoPuntos_->first, rechazoPuntos_->second);
        // A layer that only fetches its places from elsewhere: nothing here
        // to replace the list with.
        if (reservados_.empty() && enlace_) Rechazar(*enlace_, "sin puntos: solo enlaza a otro fichero (NetworkLink)");
    }

    // A gx:coord's "lon lat alt", read as the tuple "lon,lat,alt" it stands for.
    void Coord() {
        std::string tupla;
        bool blanco = true;
        for (char c : coord_) {
            const bool esBlanco = c == ' ' || c == '\t' || c == '\n' || c == '\r';
            if (esBlanco && !blanco) tupla += ',';
            if (!esBlanco) tupla += c;
            blanco = esBlanco;
        }
        if (!tupla.empty() && tupla.back() == ',') tupla.pop_back();
        PuntoLeido p{{0, 0}, lineaCoord_};
        const bool bien = coord_.size() <= CoordenadasKml::kTuplaMaxima && coord_.find(',') == std::string::npos &&
                          LeerTuplaKml(tupla, p.posicion);
        if (!bien) return Rechazar(lineaCoord_, "coordenadas no válidas " + CitarValorXml(coord_));
        nuevos_.push_back(p);
        Tuplas(lineas_, true);
    }

    // What one geometry's text gave: line tuples go out, point tuples wait.
    void Tuplas(Geometria& g, bool bien) {
        if (&g == &lineas_) {
            if (!nuevos_.empty() && !hayLineas_) {
                hayLineas_ = true;
                reservados_ = {};
            }
            for (const PuntoLeido& p : nuevos_) Entregar(p);
        } else if (!hayLineas_ && !rechazoPuntos_) {
            reservados_.insert(reservados_.end(), nuevos_.begin(), nuevos_.end());
        }
        nuevos_.clear();
        if (bien) return;
        const std::int64_t linea = g.coordenadas.LineaRechazada();
        std::string motivo = "coordenadas no válidas " + CitarValorXml(g.coordenadas.Rechazada());
        g.recogiendo = false;
        if (&g == &lineas_)
            Rechazar(linea, std::move(motivo));
        else if (!rechazoPuntos_)
            rechazoPuntos_.emplace(linea, std::move(motivo));
        g.profundidad = -1;
    }

    Geometria lineas_{true};
    Geometria puntos_{false};
    std::vector<PuntoLeido> nuevos_;
    bool hayLineas_ = false;
    std::vector<PuntoLeido> reservados_;  // the Points' tuples, while no line gave one
    std::optional<std::pair<std::int64_t, std::string>> rechazoPuntos_;
    std::int64_t pista_ = -1;  // depth of the gx:Track being read
    bool enCoord_ = false;
    std::string coord_;
    std::int64_t lineaCoord_ = 0;
    std::optional<std::int64_t> enlace_;  // line of the first NetworkLink
};

}  // namespace

bool EsRaiz(std::string_view nombre, std::string_view espacio) {
    return nombre == "kml" && (espacio.empty() || espacio == "http://www.opengis.net/kml/2.2" ||
                               espacio.starts_with("http://earth.google.com/kml/2."));
}

std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes) { return std::make_unique<LectorKml>(bytes); }

}  // namespace varnel::kml
