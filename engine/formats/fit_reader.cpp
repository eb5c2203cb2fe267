#include "engine/formats/fit_reader.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/formats/xml_pass.h"

namespace varnel::fit {
namespace {

// Larger than any recording a GPS keeps; the file is read whole.
constexpr std::size_t kTamanoMaximo = std::size_t{256} << 20;

constexpr std::uint16_t kMensajeRegistro = 20;  // record: lat field 0, lon field 1
constexpr std::uint16_t kMensajeCurso = 32;     // course point: lat field 2, lon field 3
constexpr std::uint32_t kPosicionInvalida = 0x7fffffff;
constexpr double kGradosPorSemicirculo = 180.0 / 2147483648.0;

// The protocol's CRC-16 (polynomial 0xA001, reflected, from 0) eight bytes at
// a time: table k holds a byte's CRC followed by k zero bytes.
using TablasCrc = std::array<std::array<std::uint16_t, 256>, 8>;

constexpr TablasCrc HacerTablasCrc() {
    TablasCrc t{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1U) != 0 ? (crc >> 1) ^ 0xA001U : crc >> 1;
        t[0][i] = static_cast<std::uint16_t>(crc);
    }
    for (std::size_t k = 1; k < t.size(); ++k)
        for (std::size_t i = 0; i < 256; ++i)
            t[k][i] = static_cast<std::uint16_t>((t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xffU]);
    return t;
}

constexpr TablasCrc kTablasCrc = HacerTablasCrc();

std::uint16_t Crc(std::string_view d) {
    const auto& t = kTablasCrc;
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(d[i]); };
    unsigned crc = 0;
    std::size_t i = 0;
    for (; i + 8 <= d.size(); i += 8) {
        crc ^= b(i) | static_cast<unsigned>(b(i + 1)) << 8;
        crc = t[7][crc & 0xffU] ^ t[6][crc >> 8] ^ t[5][b(i + 2)] ^ t[4][b(i + 3)] ^ t[3][b(i + 4)] ^ t[2][b(i + 5)] ^
              t[1][b(i + 6)] ^ t[0][b(i + 7)];
    }
    for (; i < d.size(); ++i) crc = (crc >> 8) ^ t[0][(crc ^ b(i)) & 0xffU];
    return static_cast<std::uint16_t>(crc);
}

std::uint32_t Byte(std::string_view d, std::size_t i) { return static_cast<unsigned char>(d[i]); }
std::uint32_t Le16(std::string_view d, std::size_t i) { return Byte(d, i) | Byte(d, i + 1) << 8; }
std::uint32_t Le32(std::string_view d, std::size_t i) { return Le16(d, i) | Le16(d, i + 2) << 16; }

// The size of one value of a base type; 0 for a type the protocol lacks.
std::size_t TamanoTipo(std::uint32_t tipo) {
    switch (tipo & 0x1f) {
    case 0:
    case 1:
    case 2:
    case 7:
    case 10:
    case 13: return 1;
    case 3:
    case 4:
    case 11: return 2;
    case 5:
    case 6:
    case 8:
    case 12: return 4;
    case 9:
    case 14:
    case 15:
    case 16: return 8;
    default: return 0;
    }
}

struct Definicion {
    bool definida = false;
    bool granExtremo = false;
    std::uint16_t global = 0;
    std::size_t tamano = 0;  // the data message's, developer fields included
    int lat = -1;            // the positions' offsets in the data message; -1 when absent
    int lon = -1;
};

class Decodificador {
public:
    Decodificador(std::string_view d, const std::filesystem::path& ruta) : d_(d), ruta_(ruta) {}

    void Leer() {
        std::size_t i = 0;
        do i = Fichero(i);
        while (i < d_.size());
    }

    std::vector<PosicionGeografica> registros;
    std::vector<PosicionGeografica> cursos;

private:
    [[noreturn]] void Rechazar(std::size_t byte, const std::string& motivo) const {
        throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, {0, ruta_},
                                      "FIT: " + motivo + " (byte " + std::to_string(byte) + ")");
    }

    // One file of the chain from its header at `i`; where the next starts.
    std::size_t Fichero(std::size_t i) {
        const std::string_view resto = d_.substr(i);
        if (resto.size() < 12 || !EsCabecera(resto)) Rechazar(i, "cabecera no válida");
        const std::size_t cabecera = Byte(resto, 0);
        if (resto.size() < cabecera) Rechazar(i, "cabecera más allá del final");
        if (cabecera == 14 && Le16(resto, 12) != 0 && Le16(resto, 12) != Crc(resto.substr(0, 12)))
            Rechazar(i, "el CRC de la cabecera no coincide");
        const std::size_t datos = Le32(resto, 4);
        if (datos + 2 > resto.size() - cabecera) Rechazar(i, "tamaño de datos más allá del final");
        const std::size_t fin = i + cabecera + datos;
        if (Le16(d_, fin) != Crc(d_.substr(i, cabecera + datos))) Rechazar(fin, "el CRC del fichero no coincide");
        definiciones_ = {};
        for (std::size_t j = i + cabecera; j < fin;) j = Mensaje(j, fin);
        return fin + 2;
    }

    std::size_t Mensaje(std::size_t j, std::size_t fin) {
        const std::uint32_t h = Byte(d_, j);
        // A compressed timestamp header: a data message of local types 0 to 3.
        const bool comprimida = (h & 0x80) != 0;
        const std::uint32_t local = comprimida ? (h >> 5) & 0x3 : h & 0xf;
        if (!comprimida && (h & 0x40)) return Definir(j, fin, local, (h & 0x20) != 0);
        const Definicion& def = definiciones_[local];
        if (!def.definida) Rechazar(j, "mensaje de datos sin definición");
        if (def.tamano > fin - j - 1) Rechazar(j, "mensaje más allá del final de los datos");
        const std::string_view m = d_.substr(j + 1, def.tamano);
        if (def.lat >= 0 && def.lon >= 0) {
            const auto valor = [&](int k) {
                const auto o = static_cast<std::size_t>(k);
                return def.granExtremo ? Byte(m, o) << 24 | Byte(m, o + 1) << 16 | Byte(m, o + 2) << 8 | Byte(m, o + 3)
                                       : Le32(m, o);
            };
            const std::uint32_t lat = valor(def.lat);
            const std::uint32_t lon = valor(def.lon);
            if (lat != kPosicionInvalida && lon != kPosicionInvalida) {
                const PosicionGeografica p{static_cast<std::int32_t>(lat) * kGradosPorSemicirculo,
                                           static_cast<std::int32_t>(lon) * kGradosPorSemicirculo};
                (def.global == kMensajeRegistro ? registros : cursos).push_back(p);
            }
        }
        return j + 1 + def.tamano;
    }

    std::size_t Definir(std::size_t j, std::size_t fin, std::uint32_t local, bool desarrollador) {
        if (fin - j < 6) Rechazar(j, "definición más allá del final de los datos");
        Definicion def;
        def.definida = true;
        const std::uint32_t arquitectura = Byte(d_, j + 2);
        if (arquitectura > 1) Rechazar(j, "arquitectura desconocida");
        def.granExtremo = arquitectura == 1;
        def.global =
            static_cast<std::uint16_t>(def.granExtremo ? Byte(d_, j + 3) << 8 | Byte(d_, j + 4) : Le16(d_, j + 3));
        const std::size_t campos = Byte(d_, j + 5);
        std::size_t k = j + 6;
        if (campos * 3 > fin - k) Rechazar(j, "definición más allá del final de los datos");
        const bool registro = def.global == kMensajeRegistro;
        const bool curso = def.global == kMensajeCurso;
        for (std::size_t n = 0; n < campos; ++n, k += 3) {
            const std::uint32_t numero = Byte(d_, k);
            const std::size_t tamano = Byte(d_, k + 1);
            const std::size_t base = TamanoTipo(Byte(d_, k + 2));
            if (base == 0 || tamano == 0 || tamano % base != 0)
                Rechazar(k, "campo " + std::to_string(numero) + " de tamaño " + std::to_string(tamano) +
                                " que no cabe en su tipo");
            // A position is a signed 32-bit value (base type 0x85).
            const bool posicion = tamano == 4 && (Byte(d_, k + 2) & 0x1f) == 5;
            if (posicion && ((registro && numero == 0) || (curso && numero == 2)))
                def.lat = static_cast<int>(def.tamano);
            if (posicion && ((registro && numero == 1) || (curso && numero == 3)))
                def.lon = static_cast<int>(def.tamano);
            def.tamano += tamano;
        }
        if (desarrollador) {
            if (k >= fin) Rechazar(j, "definición más allá del final de los datos");
            const std::size_t extra = Byte(d_, k++);
            if (extra * 3 > fin - k) Rechazar(j, "definición más allá del final de los datos");
            // Developer fields are skipped: only their sizes matter.
            for (std::size_t n = 0; n < extra; ++n, k += 3) def.tamano += Byte(d_, k + 1);
        }
        definiciones_[local] = def;
        return k;
    }

    std::string_view d_;
    const std::filesystem::path& ruta_;
    std::array<Definicion, 16> definiciones_{};
};

class LectorFit final : public LectorPuntosFichero {
public:
    explicit LectorFit(FuenteBytes& bytes) : bytes_(bytes) {}

    bool Siguiente(PuntoFichero& p) override {
        if (!leido_) Decodificar();
        if (siguiente_ >= puntos_.size()) return false;
        p.forma = PuntoFichero::Forma::Geograficas;
        p.datum = DatumFichero::Wgs84;
        p.geo = puntos_[siguiente_++];
        return true;
    }
    UbicacionLinea Ubicacion() const override { return {0, bytes_.Ruta()}; }
    std::int64_t NumeroLinea() const override { return 0; }

private:
    void Decodificar() {
        leido_ = true;
        std::string d;
        if (!LeerEntera(bytes_, kTamanoMaximo, d))
            throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, {0, bytes_.Ruta()},
                                          "FIT: fichero demasiado grande");
        Decodificador fit(d, bytes_.Ruta());
        fit.Leer();
        puntos_ = fit.registros.empty() ? std::move(fit.cursos) : std::move(fit.registros);
    }

    FuenteBytes& bytes_;
    bool leido_ = false;
    std::vector<PosicionGeografica> puntos_;
    std::size_t siguiente_ = 0;
};

}  // namespace

bool EsCabecera(std::string_view inicio) {
    return inicio.size() >= 12 && (inicio[0] == 12 || inicio[0] == 14) && inicio.substr(8, 4) == ".FIT";
}

std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes) { return std::make_unique<LectorFit>(bytes); }

}  // namespace varnel::fit
