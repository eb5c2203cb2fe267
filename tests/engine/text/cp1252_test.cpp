#include <gtest/gtest.h>

#include <string>

#include "engine/text/cp1252.h"

namespace varnel {
namespace {

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
