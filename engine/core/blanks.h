#pragma once

#include <string_view>

namespace varnel {

// The blanks every format skips around a field or a value: space and tab.
constexpr bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

constexpr std::string_view SinBlancosDelante(std::string_view t) {
    while (!t.empty() && EsBlanco(t.front())) t.remove_prefix(1);
    return t;
}

constexpr std::string_view SinBlancos(std::string_view t) {
    t = SinBlancosDelante(t);
    while (!t.empty() && EsBlanco(t.back())) t.remove_suffix(1);
    return t;
}

}  // namespace varnel
