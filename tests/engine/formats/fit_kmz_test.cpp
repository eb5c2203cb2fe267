// FIT and KMZ by content: the forms a FIT file takes, and what each reader
// refuses, naming the file. The points of files written by gpsbabel are
// checked against PROJ in the drop's tests.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engine/formats/format_rows.h"
#include "engine/formats/zip_archive.h"
#include "tests/test_support.h"

namespace varnel {
namespace {

constexpr std::int32_t kInvalida = 0x7fffffff;

// A FIT file put together message by message.
class Fit {
public:
    // A definition of local type `local`: (field, size, base type) triples,
    // and developer fields of these sizes.
    Fit& Definir(int local, bool grande, int global, const std::vector<std::array<int, 3>>& campos,
                 const std::vector<int>& desarrollo = {}) {
        d_ += static_cast<char>(0x40 | (desarrollo.empty() ? 0 : 0x20) | local);
        d_ += '\0';
        d_ += static_cast<char>(grande);
        grande_ = grande;
        Entero(global, 2);
        d_ += static_cast<char>(campos.size());
        for (const auto& c : campos)
            for (int v : c) d_ += static_cast<char>(v);
        if (!desarrollo.empty()) {
            d_ += static_cast<char>(desarrollo.size());
            for (int t : desarrollo) d_ += std::string{'\0', static_cast<char>(t), '\0'};
        }
        return *this;
    }
    // A data message under `cabecera` holding these 4-byte values, then `relleno`.
    Fit& Datos(int cabecera, const std::vector<std::int32_t>& valores, const std::string& relleno = {}) {
        d_ += static_cast<char>(cabecera);
        for (std::int32_t v : valores) Entero(static_cast<std::uint32_t>(v), 4);
        d_ += relleno;
        return *this;
    }
    std::string Fichero(bool cabecera14) const {
        std::string f{static_cast<char>(cabecera14 ? 14 : 12), 0x10, 0x52, 0x08};
        for (int i = 0; i < 4; ++i) f += static_cast<char>((d_.size() >> (8 * i)) & 0xff);
        f += ".FIT";
        if (cabecera14) Crc(f);
        f += d_;
        Crc(f);
        return f;
    }

private:
    void Entero(std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) d_ += static_cast<char>((v >> (8 * (grande_ ? n - 1 - i : i))) & 0xff);
    }
    static void Crc(std::string& f) {
        std::uint16_t crc = 0;
        for (unsigned char b : f) {
            crc ^= b;
            for (int i = 0; i < 8; ++i) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
        }
        f += static_cast<char>(crc & 0xff);
        f += static_cast<char>(crc >> 8);
    }
    std::string d_;
    bool grande_ = false;
};

std::int32_t Semicirculos(double grados) { return static_cast<std::int32_t>(grados * 2147483648.0 / 180.0); }

// The record (20) fields timestamp, lat and lon, as sint32.
const std::vector<std::array<int, 3>> kRegistro{{253, 4, 0x86}, {0, 4, 0x85}, {1, 4, 0x85}};

using Puntos = std::vector<std::pair<double, double>>;  // latitude, longitude

Puntos Leer(const std::string& bytes) {
    BytesEnMemoria b(bytes, "prueba.fit");
    const FilaFormato* fila = ReconocerFormato(b);
    EXPECT_EQ(fila, &formato::kFit);
    Puntos puntos;
    if (!fila) return puntos;
    b.Rebobinar();
    const auto lector = fila->leer(b);
    PuntoFichero p;
    while (lector->Siguiente(p)) puntos.emplace_back(p.geo.latitud, p.geo.longitud);
    return puntos;
}

TEST(FitTest, CadaFormaDelFichero) {
    const std::int32_t a = Semicirculos(42.8169), b = Semicirculos(-1.6432), c = Semicirculos(43.1436);
    const std::pair pa{a * 180.0 / 2147483648.0, b * 180.0 / 2147483648.0};
    const std::pair pc{c * 180.0 / 2147483648.0, b * 180.0 / 2147483648.0};
    // Big-endian, a developer field skipped, a compressed timestamp header
    // (local type 1: 0x80 | 1 << 5), a position without a fix.
    const std::string registros = Fit()
                                      .Definir(1, true, 20, {{0, 4, 0x85}, {1, 4, 0x85}}, {3})
                                      .Datos(1, {a, b}, "xyz")
                                      .Datos(0xa5, {kInvalida, b}, "xyz")
                                      .Datos(0xa6, {c, b}, "xyz")
                                      .Fichero(true);
    EXPECT_EQ(Leer(registros), (Puntos{pa, pc}));
    // Course points (32: lat 2, lon 3) only when there is no record; files chained.
    const std::string cursos =
        Fit().Definir(0, false, 32, {{253, 4, 0x86}, {2, 4, 0x85}, {3, 4, 0x85}}).Datos(0, {0, c, b}).Fichero(false);
    EXPECT_EQ(Leer(cursos + cursos), (Puntos{pc, pc}));
    EXPECT_EQ(Leer(cursos + registros), (Puntos{pa, pc}));
}

struct CasoRechazo {
    const char* nombre;
    std::string bytes;
    std::string motivo;
};
void PrintTo(const CasoRechazo& c, std::ostream* os) { *os << c.nombre; }

class RechazoBinarioTest : public ::testing::TestWithParam<CasoRechazo> {};

TEST_P(RechazoBinarioTest, ErrorNombrandoElFicheroSinPuntos) {
    BytesEnMemoria b(GetParam().bytes, "prueba.bin");
    const FilaFormato* fila = ReconocerFormato(b);
    ASSERT_TRUE(fila == &formato::kFit || fila == &formato::kKmz);
    b.Rebobinar();
    const auto lector = fila->leer(b);
    PuntoFichero p;
    try {
        lector->Siguiente(p);
        ADD_FAILURE() << "sin error";
    } catch (const ErrorEjecucion& e) {
        EXPECT_EQ(e.Codigo(), codigo::TiposNoCoinciden);
        EXPECT_EQ(e.Linea().fichero, "prueba.bin");
        EXPECT_EQ(e.Motivo(), GetParam().motivo);
    }
}

std::string Cambiar(std::string s, std::size_t i, std::string_view nuevo) { return s.replace(i, nuevo.size(), nuevo); }

const std::string kFit = prueba::DatoDePrueba("gpx/navarra-track.fit");
const std::string kKmz = prueba::DatoDePrueba("gpx/navarra-gxtrack.kmz");  // stored members
const std::size_t kCentral = kKmz.rfind("PK\x01\x02");                     // the KML's entry
const std::size_t kLocal = kKmz.find("PK\x03\x04", 1);

const CasoRechazo kRechazos[] = {
    {"fit_cortado", kFit.substr(0, kFit.size() / 2), "FIT: tamaño de datos más allá del final (byte 0)"},
    {"fit_crc", Cambiar(kFit, 40, "\x7f"),
     "FIT: el CRC del fichero no coincide (byte " + std::to_string(kFit.size() - 2) + ")"},
    {"fit_datos_sin_definicion", Fit().Datos(3, {1}).Fichero(false), "FIT: mensaje de datos sin definición (byte 12)"},
    {"fit_campo_que_no_cabe", Fit().Definir(0, false, 20, {{0, 3, 0x85}}).Fichero(true),
     "FIT: campo 0 de tamaño 3 que no cabe en su tipo (byte 20)"},
    {"fit_mensaje_pasado_el_final", Fit().Definir(0, false, 20, kRegistro).Datos(0, {1, 2}).Fichero(false),
     "FIT: mensaje más allá del final de los datos (byte 27)"},
    {"zip_cortado", kKmz.substr(0, kKmz.size() - 30), "KMZ: archivo zip incompleto (sin directorio central)"},
    {"zip_crc", Cambiar(kKmz, kLocal + 200, "\x01"), "KMZ: «files/ruta.kml» no pasa su CRC-32"},
    {"zip_cifrado", Cambiar(kKmz, kCentral + 8, "\x01"), "KMZ: «files/ruta.kml» está cifrado, no admitido"},
    {"zip_metodo", Cambiar(kKmz, kCentral + 10, "\x0c"),
     "KMZ: «files/ruta.kml» usa el método de compresión 12, no admitido"},
    {"zip64", Cambiar(kKmz, kCentral + 20, "\xff\xff\xff\xff"), "KMZ: archivo ZIP64, no admitido"},
    {"zip_sin_kml", zip::ArchivoDeUnMiembro("leeme.txt", "hola"), "KMZ: no contiene ningún fichero .kml"},
    {"zip_bomba_anunciada", zip::ArchivoDeUnMiembro("doc.kml", std::string(4 << 20, ' ')),
     "KMZ: «doc.kml» se descomprime a demasiados bytes"},
    // Its entry claims 1 000 bytes: inflating stops past 1 000 times its stored size.
    {"zip_bomba_escondida",
     [] {
         std::string z = zip::ArchivoDeUnMiembro("doc.kml", std::string(4 << 20, ' '));
         return Cambiar(z, z.rfind("PK\x01\x02") + 24, std::string("\xe8\x03\0\0", 4));
     }(),
     "KMZ: «doc.kml» se descomprime a demasiados bytes"},
};

INSTANTIATE_TEST_SUITE_P(Ficheros, RechazoBinarioTest, ::testing::ValuesIn(kRechazos),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace varnel
