#include "engine/formats/kml_reader.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/formats/xml_pass.h"

namespace varnel::kml {
namespace {

// The coordinates of one kind of geometry, read as the elements come.
struct Geometria {
    explicit Geometria(std::string_view n) : nombre(n) {}
    std::string_view nombre;        // "LineString" or "Point"
    std::int64_t profundidad = -1;  // of the geometry being read
    bool recogiendo = false;        // inside its coordinates
    CoordenadasKml coordenadas;
};

class LectorKml final : public PasadaXml {
public:
    explicit LectorKml(FuenteBytes& bytes) : PasadaXml(bytes, EsRaiz, true) {}

private:
    void Elemento(std::string_view nombre, bool propio, std::span<const AtributoXml>) override {
        for (Geometria* g : {&lineas_, &puntos_}) {
            // An element inside coordinates ends the tuple before it.
            if (g->recogiendo) Tuplas(*g, g->coordenadas.Terminar(nuevos_));
            if (!propio) continue;
            if (nombre == "LineString" || nombre == "Point") {
                g->profundidad = nombre == g->nombre ? Profundidad() : -1;
            } else if (nombre == "coordinates" && !g->recogiendo && g->profundidad >= 0 &&
                       Profundidad() == g->profundidad + 1) {
                g->recogiendo = true;
                g->coordenadas.Empezar(Linea());
            }
        }
    }

    void Fin() override {
        for (Geometria* g : {&lineas_, &puntos_}) {
            if (g->recogiendo && Profundidad() == g->profundidad + 1) {
                g->recogiendo = false;
                Tuplas(*g, g->coordenadas.Terminar(nuevos_));
            }
            if (Profundidad() == g->profundidad) g->profundidad = -1;
        }
    }

    void Caracteres(std::string_view texto) override {
        for (Geometria* g : {&lineas_, &puntos_})
            if (g->recogiendo) Tuplas(*g, g->coordenadas.Anadir(texto, nuevos_));
    }

    void Terminar() override {
        if (hayLineas_) return;
        for (const PuntoLeido& p : reservados_) Entregar(p);
        if (rechazoPuntos_) Rechazar(rechazoPuntos_->first, rechazoPuntos_->second);
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

    Geometria lineas_{"LineString"};
    Geometria puntos_{"Point"};
    std::vector<PuntoLeido> nuevos_;
    bool hayLineas_ = false;
    std::vector<PuntoLeido> reservados_;  // the Points' tuples, while no LineString gave one
    std::optional<std::pair<std::int64_t, std::string>> rechazoPuntos_;
};

}  // namespace

bool EsRaiz(std::string_view nombre, std::string_view espacio) {
    return nombre == "kml" && (espacio.empty() || espacio == "http://www.opengis.net/kml/2.2" ||
                               espacio.starts_with("http://earth.google.com/kml/2."));
}

std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes) { return std::make_unique<LectorKml>(bytes); }

}  // namespace varnel::kml
