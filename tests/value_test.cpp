#include <gtest/gtest.h>

#include "comma_fields.h"
#include "cp1252.h"
#include "value.h"

namespace varnel {
namespace {

struct CasoFormato {
    Valor valor;
    int digitos;
    const char* esperado;
};

class FormatoCerosTest : public ::testing::TestWithParam<CasoFormato> {};

TEST_P(FormatoCerosTest, EscribeElNumeroRellenoSinCortar) {
    const auto& c = GetParam();
    EXPECT_EQ(FormatoCeros(c.valor, c.digitos), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FormatoCerosTest,
    ::testing::Values(CasoFormato{Valor::Numero(612345), 6, "612345"},
                      CasoFormato{Valor::Numero(12345), 6, "012345"},
                      CasoFormato{Valor::Numero(1234567), 6, "1234567"},
                      CasoFormato{Valor::Numero(4745678), 7, "4745678"},
                      CasoFormato{Valor::Numero(0), 7, "0000000"},
                      CasoFormato{Valor::Numero(12345.5), 6, "012346"},
                      CasoFormato{Valor::Numero(12345.49), 6, "012345"},
                      CasoFormato{Valor::Numero(-2.5), 6, "-000003"},
                      CasoFormato{Valor::Texto("612345"), 6, "612345"},
                      CasoFormato{Valor::Texto(" 99999 "), 6, "099999"},
                      CasoFormato{Valor::Texto("1e3"), 6, "001000"},
                      CasoFormato{Valor::Texto("abc"), 6, "abc"},
                      CasoFormato{Valor::Texto(""), 7, ""}));

TEST(LeerNumeroTest, AceptaSoloNumerosDecimalesCompletos) {
    EXPECT_EQ(LeerNumero("612345"), 612345.0);
    EXPECT_EQ(LeerNumero("  +12.5\t"), 12.5);
    EXPECT_EQ(LeerNumero("-.5"), -0.5);
    EXPECT_EQ(LeerNumero("7."), 7.0);
    EXPECT_EQ(LeerNumero("2E2"), 200.0);
    for (const char* no : {"", " ", "abc", "12a", "1,5", "0x10", "inf", "nan", "1e", "1e999", ".", "+", "1 2", "--1"})
        EXPECT_FALSE(LeerNumero(no).has_value()) << no;
}

TEST(TextoNumeroTest, EnterosSinFraccionYFraccionesConPunto) {
    EXPECT_EQ(TextoNumero(12345), "12345");
    EXPECT_EQ(TextoNumero(-0.0), "0");
    EXPECT_EQ(TextoNumero(612345.25), "612345.25");
    EXPECT_EQ(TextoNumero(0.1), "0.1");
    EXPECT_EQ(TextoNumero(-4.5), "-4.5");
}

TEST(CamposComaTest, BlancosComillasYNumeros) {
    const auto c = CamposComa(R"( WP , "SIT,001" ,30T,  612345 ,4745678,,x y )");
    ASSERT_EQ(c.size(), 7u);
    EXPECT_EQ(c[0], Valor::Texto("WP"));
    EXPECT_EQ(c[1], Valor::Texto("SIT,001"));
    EXPECT_EQ(c[2], Valor::Texto("30T"));
    EXPECT_EQ(c[3], Valor::Numero(612345));
    EXPECT_EQ(c[4], Valor::Numero(4745678));
    EXPECT_EQ(c[5], Valor::Texto(""));
    EXPECT_EQ(c[6], Valor::Texto("x y"));
}

TEST(CamposComaTest, CasosLimite) {
    EXPECT_EQ(CamposComa("").size(), 1u);
    EXPECT_EQ(CamposComa(",").size(), 2u);
    EXPECT_EQ(CamposComa("a,b,").size(), 3u);
    // A quoted number stays text, but still reads as a number.
    const auto q = CamposComa(R"("612345"junk,1)");
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[0], Valor::Texto("612345"));
    // An unterminated quote runs to the end of the line.
    const auto u = CamposComa(R"(1,"abc,def)");
    ASSERT_EQ(u.size(), 2u);
    EXPECT_EQ(u[1], Valor::Texto("abc,def"));
}

TEST(Cp1252Test, IdaYVueltaDeLosBytesConTexto) {
    std::string todos;
    for (int b = 1; b < 256; ++b) todos += static_cast<char>(b);
    EXPECT_EQ(Utf8ACp1252(Cp1252AUtf8(todos)), todos);
    EXPECT_EQ(Cp1252AUtf8("\x87"), "\u2021");
    EXPECT_EQ(Cp1252AUtf8("\x80\xB0\xF1"), "\u20AC\u00B0\u00F1");
    EXPECT_EQ(Utf8ACp1252("Sólo ‡ €"), "S\xF3lo \x87 \x80");
    EXPECT_EQ(Utf8ACp1252("日本"), "??");
    EXPECT_EQ(Utf8ACp1252("a\xC3"), "a?");
}

}  // namespace
}  // namespace varnel
