#include <gtest/gtest.h>

#include "engine/core/value.h"

namespace varnel {
namespace {

struct CasoFormato {
    const char* nombre;
    Valor valor;
    int digitos;
    const char* esperado;
};

void PrintTo(const CasoFormato& c, std::ostream* os) { *os << c.esperado; }

class FormatoCerosTest : public ::testing::TestWithParam<CasoFormato> {};

TEST_P(FormatoCerosTest, EscribeElNumeroRellenoSinCortar) {
    const auto& c = GetParam();
    EXPECT_EQ(FormatoCeros(c.valor, c.digitos), c.esperado);
}

INSTANTIATE_TEST_SUITE_P(Casos, FormatoCerosTest,
                         ::testing::Values(CasoFormato{"numero_justo", Valor::Numero(612345), 6, "612345"},
                                           CasoFormato{"numero_con_cero", Valor::Numero(12345), 6, "012345"},
                                           CasoFormato{"numero_mas_largo_sin_cortar", Valor::Numero(1234567), 6,
                                                       "1234567"},
                                           CasoFormato{"norte_justo", Valor::Numero(4745678), 7, "4745678"},
                                           CasoFormato{"cero", Valor::Numero(0), 7, "0000000"},
                                           CasoFormato{"medio_redondea_arriba", Valor::Numero(12345.5), 6, "012346"},
                                           CasoFormato{"redondea_abajo", Valor::Numero(12345.49), 6, "012345"},
                                           CasoFormato{"negativo_con_ceros", Valor::Numero(-2.5), 6, "-000003"},
                                           CasoFormato{"texto_numerico", Valor::Texto("612345"), 6, "612345"},
                                           CasoFormato{"texto_con_blancos", Valor::Texto(" 99999 "), 6, "099999"},
                                           CasoFormato{"texto_con_exponente", Valor::Texto("1e3"), 6, "001000"},
                                           CasoFormato{"texto_no_numerico", Valor::Texto("abc"), 6, "abc"},
                                           CasoFormato{"texto_vacio", Valor::Texto(""), 7, ""}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(LeerNumeroTest, AceptaSoloNumerosDecimalesCompletos) {
    EXPECT_EQ(LeerNumero("612345"), 612345.0);
    EXPECT_EQ(LeerNumero("  +12.5\t"), 12.5);
    EXPECT_EQ(LeerNumero("-.5"), -0.5);
    EXPECT_EQ(LeerNumero("7."), 7.0);
    EXPECT_EQ(LeerNumero("2E2"), 200.0);
    for (const char* no : {"", " ", "abc", "12a", "1,5", "0x10", "inf", "nan", "1e", "1e999", ".", "+", "1 2", "--1"})
        EXPECT_FALSE(LeerNumero(no).has_value()) << no;
}

TEST(ValorTest, PonerTextoSustituyeNumeroOTexto) {
    Valor v = Valor::Numero(5);
    v.PonerTexto("612345");
    EXPECT_EQ(v, Valor::Texto("612345"));
    v.PonerTexto("99");
    EXPECT_EQ(v, Valor::Texto("99"));
}

struct CasoTexto {
    const char* nombre;
    double numero;
    const char* texto;
};

void PrintTo(const CasoTexto& c, std::ostream* os) { *os << c.texto; }

class TextoNumeroTest : public ::testing::TestWithParam<CasoTexto> {};

// The box shows a number as plain decimals, never with an exponent.
TEST_P(TextoNumeroTest, SinExponenteYConPunto) {
    EXPECT_EQ(TextoNumero(GetParam().numero), GetParam().texto);
    EXPECT_EQ(LeerNumero(GetParam().texto), GetParam().numero);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TextoNumeroTest,
    ::testing::Values(CasoTexto{"entero", 12345, "12345"}, CasoTexto{"cero_negativo", -0.0, "0"},
                      CasoTexto{"con_decimales", 612345.25, "612345.25"}, CasoTexto{"una_decima", 0.1, "0.1"},
                      CasoTexto{"negativo", -4.5, "-4.5"}, CasoTexto{"mil_billones", 1e15, "1000000000000000"},
                      CasoTexto{"menos_mil_billones", -1e15, "-1000000000000000"},
                      CasoTexto{"mas_de_diecisiete_cifras", 123456789012345678.0, "123456789012345680"},
                      CasoTexto{"diezmilesima", 0.0001, "0.0001"}, CasoTexto{"negativo_pequeno", -0.00025, "-0.00025"},
                      CasoTexto{"norte_con_millonesima", 4745678.000001, "4745678.000001"}),
    [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace varnel
