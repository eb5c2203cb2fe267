#include "engine/xml/xml_text_splitter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/xml/xml_reader.h"
#include "tests/test_support.h"

namespace varnel {
namespace {

struct CasoTrocear {
    const char* nombre;
    std::string entrada;
    std::string salida;  // cutting every 4 bytes of text
};

void PrintTo(const CasoTrocear& c, std::ostream* os) { *os << c.nombre; }

const std::string kCorte(kCorteXml);

const CasoTrocear kCasos[] = {
    {"texto_en_un_blanco", "<a>uno dos tres</a>", "<a>uno dos" + kCorte + " tres</a>"},
    {"texto_corto_tal_cual", "<a>uno</a><b>dos</b>", "<a>uno</a><b>dos</b>"},
    {"sin_blancos_no_se_corta", "<a>-1.6432,42.8169,450</a>", "<a>-1.6432,42.8169,450</a>"},
    {"fuera_de_la_raiz_no_se_corta", "<?xml version=\"1.0\"?>\n\n\n\n\n\n<a/>\n\n\n\n\n\n",
     "<?xml version=\"1.0\"?>\n\n\n\n\n\n<a/>\n\n\n\n\n\n"},
    {"tras_elementos_vacios_y_cerrados", "<a><b/><c></c>uno dos tres</a>",
     "<a><b/><c></c>uno dos" + kCorte + " tres</a>"},
    {"cdata_tal_cual", "<a><![CDATA[uno dos tres]]></a>", "<a><![CDATA[uno dos tres]]></a>"},
    {"atributo_tal_cual", "<a b=\"uno dos tres cuatro\" c='x > y/ z'>t</a>",
     "<a b=\"uno dos tres cuatro\" c='x > y/ z'>t</a>"},
    {"comentario_tal_cual", "<a><!-- uno dos tres cuatro --></a>", "<a><!-- uno dos tres cuatro --></a>"},
    {"instruccion_tal_cual", "<a><?pi uno dos tres cuatro?></a>", "<a><?pi uno dos tres cuatro?></a>"},
    {"cr_lf_juntos", "<a>unodos\r\ntres</a>", "<a>unodos" + kCorte + "\r\ntres</a>"},
    {"cuenta_desde_el_marcado", "<a>uno<b/>dos tres</a>", "<a>uno<b/>dos tres</a>"},
    {"salto_referido_en_blanco", "<a>1&#10;2&#xA;3&#x0a;4&#38;5&#100;</a>", "<a>1&#32;2&#32;3&#32;4&#38;5&#100;</a>"},
    {"referencia_sin_cerrar_tal_cual", "<a>1&#10</a>", "<a>1&#10</a>"},
    {"varios_cortes", "<c>1,2 3,4 5,6 7,8 9,0</c>",
     "<c>1,2 3,4" + kCorte + " 5,6" + kCorte + " 7,8" + kCorte + " 9,0</c>"},
};

class TroceadorXmlTest : public ::testing::TestWithParam<CasoTrocear> {};

TEST_P(TroceadorXmlTest, CortaTextosLargosEnUnBlanco) {
    const auto& c = GetParam();
    TroceadorXml entero(4);
    std::string salida;
    entero.Procesar(c.entrada, true, salida);
    EXPECT_EQ(salida, c.salida);

    // Byte by byte, delimiters arrive in pieces: the same result.
    TroceadorXml aTrozos(4);
    std::string poco;
    for (char b : c.entrada) aTrozos.Procesar(std::string_view(&b, 1), false, poco);
    aTrozos.Procesar({}, true, poco);
    EXPECT_EQ(poco, c.salida);
}

INSTANTIATE_TEST_SUITE_P(Documentos, TroceadorXmlTest, ::testing::ValuesIn(kCasos),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Elements, attributes and each run of text (pieces joined) as the parser
// gives them, the cuts left out (as the XmlLite reader leaves them out).
class Contenido : public ReceptorXml {
public:
    std::vector<std::string> partes;
    void InicioElemento(std::string_view nombre, std::string_view espacio,
                        std::span<const AtributoXml> atributos) override {
        if (espacio == kEspacioCorteXml) return;
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "literal" + string.
        std::string s(1, '<');
        s += nombre;
        for (const auto& a : atributos) {
            s += ' ';
            s += a.nombre;
            s += '=';
            s += a.valor;
        }
        partes.push_back(s);
        texto_ = false;
    }
    void FinElemento(std::string_view nombre, std::string_view espacio) override {
        if (espacio == kEspacioCorteXml) return;
        std::string s(1, '/');
        s += nombre;
        partes.push_back(s);
        texto_ = false;
    }
    void Texto(std::string_view t) override {
        if (!texto_) partes.emplace_back();
        partes.back() += t;
        texto_ = true;
    }

private:
    bool texto_ = false;
};

std::vector<std::string> Partes(const std::filesystem::path& ruta) {
    Contenido c;
    LectorXml xml(ruta, c);
    while (xml.Leer()) {}
    return c.partes;
}

TEST(TroceadorXmlTest, ElParserLeeLoMismo) {
    prueba::CarpetaTemporal dir;
    int ficheros = 0;
    for (const auto& e : std::filesystem::directory_iterator(prueba::RutaDatoDePrueba("gpx"))) {
        if (e.path().extension() != ".gpx" && e.path().extension() != ".kml") continue;
        const std::string original = prueba::LeerBytes(e.path());
        TroceadorXml troceador(2);
        std::string cortado;
        troceador.Procesar(original, true, cortado);
        ASSERT_NE(cortado, original) << e.path();
        prueba::EscribirBytes(dir / "cortado.xml", cortado);
        EXPECT_EQ(Partes(dir / "cortado.xml"), Partes(e.path())) << e.path();
        ++ficheros;
    }
    EXPECT_EQ(ficheros, 6);
}

}  // namespace
}  // namespace varnel
