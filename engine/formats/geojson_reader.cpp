#include "engine/formats/geojson_reader.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <rapidjson/reader.h>

#include "engine/core/value.h"
#include "engine/formats/geojson_handler.h"
#include "engine/text/quoting.h"

namespace varnel::geojson {
namespace {

// The file as RapidJSON reads it: a buffer refilled from the source, the
// line counted as it goes.
class FlujoJson {
public:
    using Ch = char;
    explicit FlujoJson(FuenteBytes& bytes) : bytes_(bytes), bufer_(bytes.TrozoLectura()) {
        Rellenar();
        if (fin_ >= 3 && bufer_[0] == '\xEF' && bufer_[1] == '\xBB' && bufer_[2] == '\xBF') pos_ = 3;
    }
    Ch Peek() const { return pos_ < fin_ ? bufer_[pos_] : '\0'; }
    // Blanks are most of a pretty-printed file: skipped in the stream's own
    // loop, runs of indentation eight spaces at a time.
    void SaltarBlancos() {
        constexpr std::uint64_t kOchoEspacios = 0x2020202020202020ULL;
        while (pos_ < fin_) {
            const char* p = bufer_.data() + pos_;
            const char* const fin = bufer_.data() + fin_;
            std::int64_t lineas = 0;
            while (p < fin) {
                std::uint64_t ocho = 0;
                if (fin - p >= 8 && (std::memcpy(&ocho, p, 8), ocho == kOchoEspacios)) {
                    p += 8;
                    continue;
                }
                if (*p == '\n')
                    ++lineas;
                else if (*p != ' ' && *p != '\t' && *p != '\r')
                    break;
                ++p;
            }
            linea_ += lineas;
            pos_ = static_cast<std::size_t>(p - bufer_.data());
            if (pos_ < fin_) return;
            Rellenar();
        }
    }
    Ch Take() {
        if (pos_ == fin_) return '\0';
        const Ch c = bufer_[pos_++];
        if (c == '\n') ++linea_;
        if (pos_ == fin_) Rellenar();
        return c;
    }
    std::size_t Tell() const { return leidos_ + pos_; }
    bool AlFinal() const { return pos_ == fin_; }
    const std::int64_t& Linea() const { return linea_; }
    // Never written to.
    Ch* PutBegin() { return nullptr; }
    void Put(Ch) {}
    void Flush() {}
    std::size_t PutEnd(Ch*) { return 0; }

private:
    void Rellenar() {
        leidos_ += fin_;
        pos_ = 0;
        fin_ = bytes_.Leer(bufer_.data(), bufer_.size());
    }
    FuenteBytes& bytes_;
    std::vector<char> bufer_;
    std::size_t pos_ = 0;
    std::size_t fin_ = 0;
    std::size_t leidos_ = 0;
    std::int64_t linea_ = 1;
};

}  // namespace
}  // namespace varnel::geojson

// RapidJSON's blank skipping, one Peek and Take a byte, in the stream's own loop.
template <>
inline void rapidjson::SkipWhitespace(varnel::geojson::FlujoJson& flujo) {
    flujo.SaltarBlancos();
}

namespace varnel::geojson {
namespace {

std::string MotivoJson(rapidjson::ParseErrorCode c) {
    switch (c) {
    case rapidjson::kParseErrorDocumentEmpty: return "JSON vacío";
    case rapidjson::kParseErrorNumberTooBig: return "número fuera de rango";
    default: return "JSON no válido";
    }
}

class LectorGeoJson final : public LectorPuntosFichero {
public:
    explicit LectorGeoJson(FuenteBytes& bytes) : bytes_(bytes) {}

    bool Siguiente(PuntoFichero& p) override {
        if (!leido_) Leer();
        if (entregados_ == puntos_->size()) return false;
        const PosicionJson& q = (*puntos_)[entregados_++];
        linea_ = q.linea;
        if (utm_) {
            p.forma = PuntoFichero::Forma::Utm;
            p.huso = 30;
            p.sur = false;
            p.x = Valor::Numero(q.a);
            p.y = Valor::Numero(q.b);
        } else {
            p.forma = PuntoFichero::Forma::Geograficas;
            p.geo = {q.b, q.a};
        }
        p.datum = datum_;
        return true;
    }
    UbicacionLinea Ubicacion() const override { return {linea_, bytes_.Ruta()}; }
    std::int64_t NumeroLinea() const override { return linea_; }

private:
    [[noreturn]] void Rechazar(std::int64_t linea, std::string motivo) {
        linea_ = linea;
        throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, {linea, bytes_.Ruta()}, std::move(motivo));
    }

    void Leer() {
        leido_ = true;
        FlujoJson flujo(bytes_);
        ReceptorGeoJson receptor(flujo.Linea());
        rapidjson::Reader lector;
        const rapidjson::ParseResult r = lector.Parse<rapidjson::kParseIterativeFlag>(flujo, receptor);
        if (receptor.Rechazo()) Rechazar(receptor.Rechazo()->linea, receptor.Rechazo()->motivo);
        if (r.IsError())
            Rechazar(flujo.Linea(), flujo.AlFinal() && r.Code() != rapidjson::kParseErrorDocumentEmpty
                                        ? "fichero incompleto"
                                        : MotivoJson(r.Code()));
        lineas_ = receptor.TomarLineas();
        sueltos_ = receptor.TomarPuntos();
        puntos_ = lineas_.empty() ? &sueltos_ : &lineas_;
        const SistemaJson s = receptor.Sistema();
        if (!s.admitido) Rechazar(s.linea, "sistema de referencia no admitido " + Citar(s.nombre, 60));
        utm_ = s.utm;
        datum_ = s.datum;
        if (!utm_)
            for (const PosicionJson& q : *puntos_)
                if (q.a < -180 || q.a > 180 || q.b < -90 || q.b > 90)
                    Rechazar(q.linea, "posición no válida [" + TextoNumero(q.a) + ", " + TextoNumero(q.b) + "]");
    }

    FuenteBytes& bytes_;
    bool leido_ = false;
    std::vector<PosicionJson> lineas_;
    std::vector<PosicionJson> sueltos_;
    const std::vector<PosicionJson>* puntos_ = &lineas_;
    std::size_t entregados_ = 0;
    bool utm_ = false;
    DatumFichero datum_ = DatumFichero::Wgs84;
    std::int64_t linea_ = 1;
};

}  // namespace

bool EsInicio(std::string_view inicio) {
    if (!inicio.starts_with('{')) return false;
    for (std::string_view tipo :
         {"\"FeatureCollection\"", "\"Feature\"", "\"Point\"", "\"MultiPoint\"", "\"LineString\"",
          "\"MultiLineString\"", "\"Polygon\"", "\"MultiPolygon\"", "\"GeometryCollection\"",
          // Writers that sort their keys put these before any "type".
          "\"coordinates\"", "\"features\"", "\"geometry\""})
        if (inicio.find(tipo) != std::string_view::npos) return true;
    return false;
}

std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes) { return std::make_unique<LectorGeoJson>(bytes); }

}  // namespace varnel::geojson
