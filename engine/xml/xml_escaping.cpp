#include "engine/xml/xml_escaping.h"

#include <cstdint>

namespace varnel {
namespace {

constexpr std::string_view kSustituto = "\xEF\xBF\xBD";  // U+FFFD

// The length of the well-formed UTF-8 sequence at the start of `t` for a
// character XML allows, or 0.
std::size_t SecuenciaValida(std::string_view t) {
    const auto b = [&](std::size_t i) { return static_cast<std::uint8_t>(t[i]); };
    const std::uint8_t c = b(0);
    if (c < 0x80) return (c >= 0x20 || c == '\t' || c == '\n' || c == '\r') ? 1 : 0;
    std::size_t n = 0;
    char32_t u = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        u = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        u = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        u = c & 0x07;
    } else {
        return 0;
    }
    if (t.size() < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        u = (u << 6) | (b(i) & 0x3F);
    }
    const bool corta = (n == 3 && u < 0x800) || (n == 4 && u < 0x10000);
    const bool prohibida = (u >= 0xD800 && u <= 0xDFFF) || u == 0xFFFE || u == 0xFFFF || u > 0x10FFFF;
    return corta || prohibida ? 0 : n;
}

}  // namespace

void AnadirTextoXml(std::string& documento, std::string_view utf8) {
    while (!utf8.empty()) {
        switch (utf8.front()) {
        case '&': documento += "&amp;"; break;
        case '<': documento += "&lt;"; break;
        case '>': documento += "&gt;"; break;
        case '"': documento += "&quot;"; break;
        case '\'': documento += "&apos;"; break;
        default: {
            const std::size_t n = SecuenciaValida(utf8);
            if (n == 0) {
                documento += kSustituto;
                utf8.remove_prefix(1);
            } else {
                documento.append(utf8.substr(0, n));
                utf8.remove_prefix(n);
            }
            continue;
        }
        }
        utf8.remove_prefix(1);
    }
}

}  // namespace varnel
