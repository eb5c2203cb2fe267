#include "engine/xml/xml_escaping.h"

#include <gtest/gtest.h>

#include <string>

namespace varnel {
namespace {

struct CasoEscape {
    const char* nombre;
    std::string entrada;
    std::string esperado;
};

class EscapeXmlTest : public ::testing::TestWithParam<CasoEscape> {};

TEST_P(EscapeXmlTest, DaTextoYNuncaMarcado) {
    std::string documento = "<name>";
    AnadirTextoXml(documento, GetParam().entrada);
    EXPECT_EQ(documento, "<name>" + GetParam().esperado);
}

const std::string kFffd = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Casos, EscapeXmlTest,
    ::testing::Values(CasoEscape{"llano", "Sitna", "Sitna"},
                      CasoEscape{"marcado", "a&b<c>d\"e'f", "a&amp;b&lt;c&gt;d&quot;e&apos;f"},
                      CasoEscape{"entidad_ya_escrita", "&amp;", "&amp;amp;"},
                      CasoEscape{"acentos", "Peña Ezcaurre, Irañeta", "Peña Ezcaurre, Irañeta"},
                      CasoEscape{"fuera_del_bmp", "\xF0\x9F\x97\xBA mapa", "\xF0\x9F\x97\xBA mapa"},
                      CasoEscape{"blancos_permitidos", "a\tb\nc\rd", "a\tb\nc\rd"},
                      CasoEscape{"control",
                                 std::string("a\x01"
                                             "b\x1F"
                                             "c\x7F",
                                             6),
                                 "a" + kFffd + "b" + kFffd + "c\x7F"},
                      CasoEscape{"nulo", std::string("a\0b", 3), "a" + kFffd + "b"},
                      CasoEscape{"latin1_suelto",
                                 "Pe\xF1"
                                 "a",
                                 "Pe" + kFffd + "a"},
                      CasoEscape{"continuacion_suelta", "\x80x", kFffd + "x"},
                      CasoEscape{"larga_de_mas", "\xC0\x80", kFffd + kFffd},
                      CasoEscape{"sobrelarga_de_tres", "\xE0\x80\xAF", kFffd + kFffd + kFffd},
                      CasoEscape{"sustituto", "\xED\xA0\x80", kFffd + kFffd + kFffd},
                      CasoEscape{"no_caracter", "\xEF\xBF\xBE", kFffd + kFffd + kFffd},
                      CasoEscape{"mas_alla_de_unicode", "\xF4\x90\x80\x80", kFffd + kFffd + kFffd + kFffd},
                      CasoEscape{"cortada_al_final", "ab\xC3", "ab" + kFffd},
                      CasoEscape{"cortada_en_medio", "\xE2\x82<", kFffd + kFffd + "&lt;"}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace varnel
