// The UTF-8 view of an XML file that the XmlLite parser reads (tested here
// on every platform: it is plain C++).

#include "engine/xml/xml_utf8_stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "engine/platform/native_file.h"
#include "tests/test_support.h"
#include "tests/text_encodings.h"

namespace varnel {
namespace {

using prueba::Codificacion;

struct CasoUtf8 {
    const char* nombre;
    std::string bytes;
    std::string utf8;
};

void PrintTo(const CasoUtf8& c, std::ostream* os) { *os << c.nombre; }

const std::string kDecl16 = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<a>Año 𝄞</a>";
const std::string kDecl8 = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<a>Año 𝄞</a>";

const CasoUtf8 kCasos[] = {
    {"utf8_tal_cual", kDecl8, kDecl8},
    {"utf8_sin_su_marca", "\xEF\xBB\xBF<a>ñ</a>", "<a>ñ</a>"},
    {"utf16le_con_marca", prueba::Utf16ConMarca(kDecl16, false), kDecl8},
    {"utf16be_con_marca", prueba::Utf16ConMarca(kDecl16, true), kDecl8},
    {"utf16le_sin_marca", prueba::Utf16ConMarca("<a>ñ</a>", false).substr(2), "<a>ñ</a>"},
    {"utf16be_sin_marca", prueba::Utf16ConMarca("<a>ñ</a>", true).substr(2), "<a>ñ</a>"},
    {"utf16_sin_declaracion", prueba::Utf16ConMarca("\n<a/>", true), "\n<a/>"},
    {"utf16_declarado_en_minusculas_y_comillas_simples",
     prueba::Utf16ConMarca("<?xml version='1.0' encoding='utf-16le'?><a/>", false),
     "<?xml version='1.0' encoding='UTF-8'?><a/>"},
    {"latin1_declarado", prueba::Latin1("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<a>Año Sangüesa</a>"),
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<a>Año Sangüesa</a>"},
    {"otra_codificacion_tal_cual", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\x80</a>",
     "<?xml version=\"1.0\" encoding=\"windows-1252\"?><a>\x80</a>"},
    {"sustituto_suelto", std::string("\xFF\xFE<\0\x00\xDC>\0", 8), "<\xEF\xBF\xBD>"},
    {"medio_caracter_al_final", std::string("\xFF\xFE<\0a", 5), "<\xEF\xBF\xBD"},
    {"vacio", "", ""},
};

std::string Leido(std::string_view bytes, std::size_t trozo) {
    BytesEnMemoria fuente(bytes, "f.xml");
    FlujoXmlUtf8 flujo(fuente);
    std::string s;
    std::string bufer(trozo, '\0');
    while (true) {
        const std::size_t n = flujo.Leer(bufer.data(), trozo);
        s.append(bufer.data(), n);
        if (n < trozo) break;
    }
    return s;
}

class FlujoXmlUtf8Test : public ::testing::TestWithParam<CasoUtf8> {};

TEST_P(FlujoXmlUtf8Test, DecodificaYDiceUtf8) {
    const auto& c = GetParam();
    EXPECT_EQ(Leido(c.bytes, 4096), c.utf8);
    EXPECT_EQ(Leido(c.bytes, 3), c.utf8);  // in pieces smaller than a character
}

INSTANTIATE_TEST_SUITE_P(Codificaciones, FlujoXmlUtf8Test, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(FlujoXmlUtf8GrandeTest, CaracteresPartidosEntreLecturas) {
    // Surrogate pairs and two-byte letters across every read boundary.
    std::string texto = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<a>";
    for (int i = 0; i < 50000; ++i) texto += i % 3 ? "𝄞ñ\n" : "x𝄞";
    texto += "</a>";
    for (const auto c : {Codificacion::Utf16Le, Codificacion::Utf16Be}) {
        std::string leido = Leido(prueba::Codificar(c, texto), 65536);
        // The long text comes cut (TroceadorXml): the same text without the cuts.
        int cortes = 0;
        for (auto p = leido.find(kCorteXml); p != std::string::npos; p = leido.find(kCorteXml, p)) {
            leido.erase(p, kCorteXml.size());
            ++cortes;
        }
        EXPECT_GT(cortes, 0);
        std::string esperado = texto;
        esperado.replace(esperado.find("UTF-16"), 6, "UTF-8");
        EXPECT_TRUE(leido == esperado) << leido.size() << " bytes en vez de " << esperado.size();
    }
}

TEST(FlujoXmlUtf8FinalTest, DondeAcabaComoLoCuentaXmlLite) {
    BytesEnMemoria f("a\r\nb\rc\n\nñx", "f.xml");
    FlujoXmlUtf8 flujo(f);
    char bufer[4];
    EXPECT_EQ(flujo.Leer(bufer, 4), 4u);
    EXPECT_FALSE(flujo.Agotado());
    EXPECT_EQ(flujo.LineaFinal(), 2);
    while (flujo.Leer(bufer, 4) == 4) {}
    EXPECT_TRUE(flujo.Agotado());
    EXPECT_EQ(flujo.LineaFinal(), 5);
    EXPECT_EQ(flujo.ColumnaFinal(), 3);  // after "ñx"

    BytesEnMemoria g("<a>𝄞\n𝄞b", "g.xml");
    FlujoXmlUtf8 otro(g);
    char todo[64];
    otro.Leer(todo, sizeof todo);
    EXPECT_EQ(otro.LineaFinal(), 2);
    EXPECT_EQ(otro.ColumnaFinal(), 4);  // a surrogate pair is two units
}

}  // namespace
}  // namespace varnel
