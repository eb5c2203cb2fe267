#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/geodesy/file_point.h"

namespace varnel::geojson {

// One position as the file writes it: its first two numbers, and its line.
struct PosicionJson {
    double a;
    double b;
    std::int64_t linea;
};

// What the top-level `crs` says: WGS 84 longitude and latitude unless it
// names one of the zone-30 grids.
struct SistemaJson {
    bool admitido = true;
    bool utm = false;
    DatumFichero datum = DatumFichero::Wgs84;
    std::string nombre;
    std::int64_t linea = 0;
};

// A refusal found while reading, with its line.
struct RechazoJson {
    std::int64_t linea;
    std::string motivo;
};

// RapidJSON's SAX handler for a GeoJSON document: keeps the geometries'
// positions, lines and points apart, and the `crs`. Nesting is tracked in a
// fixed array, so a document deeper than kProfundidadMaxima is refused.
class ReceptorGeoJson {
public:
    static constexpr int kProfundidadMaxima = 64;

    explicit ReceptorGeoJson(const std::int64_t& linea) : linea_(linea) {}

    bool Null() { return Escalar(); }
    bool Bool(bool) { return Escalar(); }
    bool Int(int n) { return Numero(n); }
    bool Uint(unsigned n) { return Numero(n); }
    bool Int64(std::int64_t n) { return Numero(static_cast<double>(n)); }
    bool Uint64(std::uint64_t n) { return Numero(static_cast<double>(n)); }
    bool Double(double n) { return Numero(n); }
    bool RawNumber(const char*, std::size_t, bool) { return Escalar(); }
    bool String(const char* s, std::size_t n, bool) { return Texto({s, n}); }
    bool StartObject() { return Abrir(true); }
    bool Key(const char* s, std::size_t n, bool);
    bool EndObject(std::size_t);
    bool StartArray() { return Abrir(false); }
    bool EndArray(std::size_t);

    const std::optional<RechazoJson>& Rechazo() const { return rechazo_; }
    std::vector<PosicionJson> TomarLineas() { return std::move(lineas_); }
    std::vector<PosicionJson> TomarPuntos() { return std::move(puntos_); }
    SistemaJson Sistema() const;

private:
    // What a member's value is to the reader.
    enum class Papel : unsigned char { Otro, Ignorado, Tipo, Coordenadas, Crs, CrsPropiedades, CrsNombre };
    // An object's "type", where it says how deep its positions lie.
    enum class Tipo : unsigned char {
        Ninguno,
        Otro,
        Point,
        MultiPoint,
        LineString,
        MultiLineString,
        Polygon,
        MultiPolygon
    };
    struct Nivel {
        bool objeto;
        Papel papel;  // of this value, from its key
        Papel clave;  // an object's: the role of the member being read
        Tipo tipo;    // an object's "type"
    };

    bool Abrir(bool objeto);
    bool Escalar();
    bool Numero(double n);
    bool Texto(std::string_view t);
    Papel PapelDe(std::string_view clave) const;
    bool Geometria(Tipo tipo);
    bool Fallar(std::string motivo);
    // The role a value at the current place takes.
    Papel PapelNuevo() const;

    const std::int64_t& linea_;
    std::array<Nivel, kProfundidadMaxima + 1> niveles_{};
    int profundidad_ = 0;

    // The coordinates being read: the depth of their member's object, of the
    // coordinates array, of the positions within it (-1 until the first).
    int duenoCoordenadas_ = -1;
    int baseCoordenadas_ = -1;
    int nivelPosiciones_ = -1;
    std::vector<PosicionJson> pendientes_;  // until the object's type is known
    std::array<double, 2> numeros_{};
    int cuenta_ = 0;         // numbers in the array being read
    bool conHijos_ = false;  // it holds arrays
    std::int64_t lineaPosicion_ = 0;

    std::vector<PosicionJson> lineas_;
    std::vector<PosicionJson> puntos_;
    std::string crs_;
    bool hayCrs_ = false;
    std::int64_t lineaCrs_ = 0;
    std::optional<RechazoJson> rechazo_;
};

}  // namespace varnel::geojson
