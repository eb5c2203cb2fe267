#include "engine/formats/tcx_reader.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/core/value.h"
#include "engine/formats/xml_pass.h"

namespace varnel::tcx {
namespace {

// Longer than this is no number of degrees.
constexpr std::size_t kTextoMaximo = 64;

bool Grados(const std::string& texto, double maximo, double& grados) {
    const auto g = LeerNumero(texto);
    grados = g.value_or(0);
    return g && grados >= -maximo && grados <= maximo;
}

class LectorTcx final : public PasadaXml {
public:
    // Only the degrees' text is read: the rest of a point is all text.
    explicit LectorTcx(FuenteBytes& bytes) : PasadaXml(bytes, EsRaiz, false) {}

private:
    enum class Campo : unsigned char { Ninguno, Latitud, Longitud };

    void Elemento(std::string_view nombre, bool propio, std::span<const AtributoXml>) override {
        if (!propio) return;
        const std::int64_t d = Profundidad();
        if (nombre == "Trackpoint" || nombre == "CoursePoint") {
            punto_ = d;
            deCurso_ = nombre == "CoursePoint";
        } else if (nombre == "Position" && punto_ == d - 1) {
            posicion_ = d;
            lat_.reset();
            lon_.reset();
            lineaPosicion_ = Linea();
        } else if (posicion_ == d - 1 && (nombre == "LatitudeDegrees" || nombre == "LongitudeDegrees")) {
            campo_ = nombre == "LatitudeDegrees" ? Campo::Latitud : Campo::Longitud;
            texto_.clear();
            QuererTexto(true);
        }
    }

    void Caracteres(std::string_view t) override {
        if (campo_ != Campo::Ninguno && texto_.size() <= kTextoMaximo) texto_.append(t.substr(0, kTextoMaximo + 1));
    }

    void Fin() override {
        const std::int64_t d = Profundidad();
        if (campo_ != Campo::Ninguno && d == posicion_ + 1) {
            (campo_ == Campo::Latitud ? lat_ : lon_) = texto_;
            campo_ = Campo::Ninguno;
            QuererTexto(false);
        } else if (d == posicion_) {
            posicion_ = -1;
            Posicion();
        } else if (d == punto_) {
            punto_ = -1;
        }
    }

    void Terminar() override {
        if (hayTrack_) return;
        for (const PuntoLeido& p : curso_) Entregar(p);
        if (rechazoCurso_) Rechazar(rechazoCurso_->first, rechazoCurso_->second);
    }

    // A Position just ended: a point, or why not.
    void Posicion() {
        PuntoLeido p{{0, 0}, lineaPosicion_};
        std::optional<std::string> motivo;
        if (!lat_)
            motivo = "falta la latitud (LatitudeDegrees)";
        else if (!lon_)
            motivo = "falta la longitud (LongitudeDegrees)";
        else if (!Grados(*lat_, 90, p.posicion.latitud))
            motivo = "latitud no válida " + CitarValorXml(*lat_);
        else if (!Grados(*lon_, 180, p.posicion.longitud))
            motivo = "longitud no válida " + CitarValorXml(*lon_);
        if (!deCurso_) {
            if (motivo) return Rechazar(p.linea, std::move(*motivo));
            if (!hayTrack_) {
                hayTrack_ = true;
                curso_ = {};
                rechazoCurso_.reset();
            }
            return Entregar(p);
        }
        if (hayTrack_ || rechazoCurso_) return;
        if (motivo)
            rechazoCurso_.emplace(p.linea, std::move(*motivo));
        else
            curso_.push_back(p);
    }

    std::int64_t punto_ = -1;  // depth of the Trackpoint or CoursePoint being read
    bool deCurso_ = false;
    std::int64_t posicion_ = -1;  // depth of its Position
    std::int64_t lineaPosicion_ = 0;
    Campo campo_ = Campo::Ninguno;
    std::string texto_;
    std::optional<std::string> lat_;
    std::optional<std::string> lon_;
    bool hayTrack_ = false;
    std::vector<PuntoLeido> curso_;  // course points, while no Trackpoint gave a position
    std::optional<std::pair<std::int64_t, std::string>> rechazoCurso_;
};

}  // namespace

bool EsRaiz(std::string_view nombre, std::string_view espacio) {
    return nombre == "TrainingCenterDatabase" &&
           (espacio.empty() || espacio.starts_with("http://www.garmin.com/xmlschemas/TrainingCenterDatabase/"));
}

std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes) { return std::make_unique<LectorTcx>(bytes); }

}  // namespace varnel::tcx
