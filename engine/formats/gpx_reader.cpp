#include "engine/formats/gpx_reader.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/core/value.h"
#include "engine/formats/xml_pass.h"

namespace varnel::gpx {
namespace {

// Points of one kind held back, up to the refusal that ends them.
struct Reserva {
    bool visto = false;  // an element of this kind was met
    std::vector<PuntoLeido> puntos;
    std::optional<std::pair<std::int64_t, std::string>> rechazo;
};

class LectorGpx final : public PasadaXml {
public:
    explicit LectorGpx(FuenteBytes& bytes) : PasadaXml(bytes, EsRaiz, false) {}  // positions are attributes

private:
    enum class Marca : unsigned char { Otra, Trk, Trkseg, Rte };

    void Elemento(std::string_view nombre, bool propio, std::span<const AtributoXml> atributos) override {
        const std::int64_t d = Profundidad();
        if (!propio) {
            if (d <= 3) camino_[d] = Marca::Otra;
            return;
        }
        Marca marca = Marca::Otra;
        if (d == 2) {
            if (nombre == "trk")
                marca = Marca::Trk;
            else if (nombre == "rte")
                marca = Marca::Rte;
            else if (nombre == "wpt" && !ruta_.visto)
                Reservar(waypoints_, atributos);
        } else if (d == 3) {
            if (camino_[2] == Marca::Trk && nombre == "trkseg") {
                marca = Marca::Trkseg;
            } else if (camino_[2] == Marca::Rte && nombre == "rtept") {
                waypoints_ = {};  // a route wins over waypoints
                ruta_.visto = true;
                Reservar(ruta_, atributos);
            }
        } else if (d == 4 && camino_[2] == Marca::Trk && camino_[3] == Marca::Trkseg && nombre == "trkpt") {
            PuntoDeTrack(atributos);
        }
        if (d <= 3) camino_[d] = marca;
    }
    void Fin() override {}
    void Caracteres(std::string_view) override {}

    void Terminar() override {
        if (hayTrack_) return;
        Reserva& r = ruta_.visto ? ruta_ : waypoints_;
        for (const PuntoLeido& p : r.puntos) Entregar(p);
        if (r.rechazo) Rechazar(r.rechazo->first, r.rechazo->second);
    }

    // The position of a point tag, or why it has none.
    std::optional<std::string> Leer(std::span<const AtributoXml> atributos, PuntoLeido& p) const {
        const std::string_view* lat = nullptr;
        const std::string_view* lon = nullptr;
        for (const AtributoXml& a : atributos) {
            if (!a.espacio.empty()) continue;
            if (a.nombre == "lat") lat = &a.valor;
            if (a.nombre == "lon") lon = &a.valor;
        }
        p.linea = Linea();
        if (!lat) return "falta la latitud (lat)";
        if (!lon) return "falta la longitud (lon)";
        const auto latitud = LeerNumero(*lat);
        if (!latitud || *latitud < -90 || *latitud > 90) return "latitud no válida " + CitarValorXml(*lat);
        const auto longitud = LeerNumero(*lon);
        if (!longitud || *longitud < -180 || *longitud > 180) return "longitud no válida " + CitarValorXml(*lon);
        p.posicion = {*latitud, *longitud};
        return std::nullopt;
    }

    void PuntoDeTrack(std::span<const AtributoXml> atributos) {
        PuntoLeido p{};
        if (auto motivo = Leer(atributos, p)) return Rechazar(p.linea, std::move(*motivo));
        if (!hayTrack_) {
            hayTrack_ = true;
            ruta_ = {};
            waypoints_ = {};
        }
        Entregar(p);
    }

    void Reservar(Reserva& r, std::span<const AtributoXml> atributos) {
        r.visto = true;
        if (hayTrack_ || r.rechazo) return;
        PuntoLeido p{};
        if (auto motivo = Leer(atributos, p))
            r.rechazo.emplace(p.linea, std::move(*motivo));
        else
            r.puntos.push_back(p);
    }

    Marca camino_[4] = {};  // what the elements at depths 1 to 3 are
    bool hayTrack_ = false;
    Reserva ruta_;
    Reserva waypoints_;
};

}  // namespace

bool EsRaiz(std::string_view nombre, std::string_view espacio) {
    return nombre == "gpx" && (espacio.empty() || espacio == "http://www.topografix.com/GPX/1/0" ||
                               espacio == "http://www.topografix.com/GPX/1/1");
}

std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes) { return std::make_unique<LectorGpx>(bytes); }

}  // namespace varnel::gpx
