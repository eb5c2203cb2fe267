#include "engine/formats/twonav_reader.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/blanks.h"
#include "engine/geodesy/datum.h"
#include "engine/geodesy/zone30_projection.h"
#include "engine/text/line_reader.h"
#include "engine/text/quoting.h"

namespace varnel::twonav {
namespace {

// The next blank-separated word of `resto`, taken off its front.
std::string_view Palabra(std::string_view& resto) {
    resto = SinBlancosDelante(resto);
    std::size_t n = 0;
    while (n < resto.size() && !EsBlanco(resto[n])) ++n;
    const std::string_view p = resto.substr(0, n);
    resto.remove_prefix(n);
    return p;
}

// "42.04779843ºN": degrees, then whatever the degree sign became in the
// file's encoding (or nothing), then the hemisphere. Nothing if malformed.
std::optional<double> Grados(std::string_view t, char positivo, char negativo, double maximo) {
    if (t.size() < 2) return std::nullopt;
    const char h = t.back();
    if (h != positivo && h != negativo) return std::nullopt;
    std::size_t n = 0;
    while (n < t.size() && ((t[n] >= '0' && t[n] <= '9') || t[n] == '.')) ++n;
    // The sign between is at most a few bytes, none of them ASCII.
    if (n == 0 || t.size() - 1 - n > 8) return std::nullopt;
    for (std::size_t i = n; i + 1 < t.size(); ++i)
        if (static_cast<unsigned char>(t[i]) < 0x80) return std::nullopt;
    const auto g = LeerNumero(t.substr(0, n));
    if (!g || *g > maximo) return std::nullopt;
    return h == negativo ? -*g : *g;
}

// Latitude bands C to X, 8 degrees each from 80 S (X is 12).
bool BandaDe(char banda, double latitud) {
    constexpr std::string_view kBandas = "CDEFGHJKLMNPQRSTUVWX";
    const std::size_t i = kBandas.find(banda);
    if (i == std::string_view::npos) return true;  // no band written
    const double sur = -80.0 + 8.0 * static_cast<double>(i);
    const double norte = banda == 'X' ? 84.0 : sur + 8.0;
    return latitud >= sur - 0.5 && latitud <= norte + 0.5;  // a point on the line either side
}

class LectorTwoNav final : public LectorPuntosFichero {
public:
    explicit LectorTwoNav(FuenteBytes& bytes) : lineas_(bytes) {}

    bool Siguiente(PuntoFichero& p) override {
        while (true) {
            if (!leyendo_) return Reservado(p);
            if (!lineas_.SiguienteLinea(linea_)) {
                leyendo_ = false;
                if (hayTrack_) return false;
                if (rechazoWaypoints_) throw *rechazoWaypoints_;
                continue;
            }
            const std::string_view l = linea_;
            if (l.size() < 2 || !EsBlanco(l[1])) continue;  // metadata lines of other letters, or blank
            const std::string_view valor = SinBlancos(l.substr(2));
            switch (l[0]) {
            case 'G': Datum(valor); break;
            case 'U':
                if (valor != "0" && valor != "1") Rechazar("unidades no admitidas " + Citar(valor));
                utm_ = valor == "0";
                break;
            case 'T':
                if (!hayTrack_) {
                    hayTrack_ = true;
                    waypoints_.clear();
                    rechazoWaypoints_.reset();
                }
                if (auto motivo = Posicion(valor, p)) Rechazar(std::move(*motivo));
                linea_p_ = lineas_.NumeroLinea();
                return true;
            case 'W':
                if (!hayTrack_ && !rechazoWaypoints_) Waypoint(valor);
                break;
            default: break;
            }
        }
    }

    UbicacionLinea Ubicacion() const override { return {linea_p_, lineas_.Ruta()}; }
    std::int64_t NumeroLinea() const override { return linea_p_; }

private:
    struct Waypoint_ {
        PuntoFichero punto;
        std::int64_t linea;
    };

    [[noreturn]] void Rechazar(std::string motivo) {
        linea_p_ = lineas_.NumeroLinea();
        throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, lineas_.Ubicacion(), std::move(motivo));
    }

    void Datum(std::string_view nombre) {
        datum_ = DatumDeFichero(nombre);
        if (!datum_) Rechazar("datum no admitido " + Citar(nombre));
    }

    void Waypoint(std::string_view valor) {
        Palabra(valor);  // its name
        PuntoFichero p;
        if (auto motivo = Posicion(valor, p)) {
            rechazoWaypoints_.emplace(
                ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, lineas_.Ubicacion(), std::move(*motivo)));
            return;
        }
        waypoints_.push_back({std::move(p), lineas_.NumeroLinea()});
    }

    bool Reservado(PuntoFichero& p) {
        if (entregados_ == waypoints_.size()) return false;
        p = std::move(waypoints_[entregados_].punto);
        linea_p_ = waypoints_[entregados_++].linea;
        return true;
    }

    // The position after a record's letter (and a waypoint's name), or why it is none.
    std::optional<std::string> Posicion(std::string_view resto, PuntoFichero& p) {
        p.datum = datum_;
        const std::string_view a = Palabra(resto);
        const std::string_view b = Palabra(resto);
        const std::string_view c = Palabra(resto);
        if (!utm_) {
            const auto lat = Grados(b, 'N', 'S', 90);
            const auto lon = Grados(c, 'E', 'W', 180);
            if (!lat || !lon) return "posición no válida " + Citar(std::string(b) + " " + std::string(c), 60);
            p.forma = PuntoFichero::Forma::Geograficas;
            p.geo = {*lat, *lon};
            return std::nullopt;
        }
        const auto zona = LeerZonaUtm(a);
        const auto este = LeerNumero(b);
        const auto norte = LeerNumero(c);
        const auto utm = zona && este && norte ? PosicionDeZona(zona->sur, *este, *norte) : std::nullopt;
        if (!utm)
            return "posición no válida " + Citar(std::string(a) + " " + std::string(b) + " " + std::string(c), 60);
        if (!EnSuHuso(zona->huso, a.back(), *utm)) return "huso " + Citar(a) + " que no es el del punto";
        p.forma = PuntoFichero::Forma::Utm;
        p.huso = zona->huso;
        p.sur = zona->sur;
        p.x = Valor::Numero(*este);
        p.y = Valor::Numero(*norte);
        return std::nullopt;
    }

    // Whether the zone (and band) written hold the point, its own zone's
    // half degree of overlap allowed.
    bool EnSuHuso(int huso, char banda, PosicionUtm utm) {
        if (!proyeccion_ || proyeccion_->Huso() != huso)
            proyeccion_.emplace(ElipsoideDe(datum_.value_or(DatumFichero::Wgs84)), huso);
        const PosicionGeografica g = proyeccion_->Inversa(utm);
        const double centro = 6.0 * huso - 183.0;
        return std::fabs(g.longitud - centro) <= 3.5 && BandaDe(banda, g.latitud);
    }

    LectorLineas lineas_;
    std::string linea_;
    std::int64_t linea_p_ = 0;  // of the point handed out last
    std::optional<DatumFichero> datum_;
    bool utm_ = false;
    bool leyendo_ = true;
    bool hayTrack_ = false;
    std::vector<Waypoint_> waypoints_;  // held until a track point drops them
    std::size_t entregados_ = 0;
    std::optional<ErrorEjecucion> rechazoWaypoints_;
    std::optional<ProyeccionUtm> proyeccion_;
};

}  // namespace

bool EsCabecera(std::string_view l) {
    if (l.size() < 3 || !EsBlanco(l[1])) return false;
    const std::string_view valor = SinBlancos(l.substr(2));
    switch (l[0]) {
    case 'B': return !valor.empty();
    case 'G': return DatumDeFichero(valor).has_value() || !valor.empty();
    case 'U': return valor == "0" || valor == "1";
    default: return false;
    }
}

std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes) { return std::make_unique<LectorTwoNav>(bytes); }

}  // namespace varnel::twonav
