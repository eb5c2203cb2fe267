#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/formats/comma_fields.h"

namespace varnel {
namespace {

std::vector<Valor> CamposComa(std::string_view linea) {
    std::vector<Valor> campos;
    RecorridoCampos recorrido(linea);
    CampoCrudo campo;
    while (recorrido.Siguiente(campo)) campos.push_back(ValorDeCampo(campo));
    return campos;
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

}  // namespace
}  // namespace varnel
