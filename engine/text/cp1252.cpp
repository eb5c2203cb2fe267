#include "engine/text/cp1252.h"

#include <array>
#include <cstdint>

#include "engine/core/utf8.h"
#include "engine/text/text_decoding.h"

namespace varnel {
namespace {

// Code points of bytes 0x80 to 0x9F; the rest of the page is Latin-1.
constexpr std::array<char32_t, 32> kTabla80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char ByteDe(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kTabla80.size(); ++i)
        if (kTabla80[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string Cp1252AUtf8(std::string_view bytes) {
    std::string out;
    Cp1252AUtf8(bytes, out);
    return out;
}

void Cp1252AUtf8(std::string_view bytes, std::string& out) {
    out.clear();
    out.reserve(bytes.size() + 16);
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t j = PrimerNoAscii(bytes, i);
        out.append(bytes.data() + i, j - i);  // plain ASCII runs go over as they are
        if (j == bytes.size()) break;
        const auto b = static_cast<unsigned char>(bytes[j]);
        AnadirUtf8(b < 0xA0 ? kTabla80[b - 0x80] : char32_t{b}, out);
        i = j + 1;
    }
}

std::string Utf8ACp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out += s[i++];
            continue;
        }
        int largo = (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
        if (largo == 0 || i + largo > s.size()) {
            out += '?';
            ++i;
            continue;
        }
        char32_t c = b & (0x7F >> largo);
        bool valido = true;
        for (int k = 1; k < largo; ++k) {
            const auto cont = static_cast<unsigned char>(s[i + k]);
            if ((cont & 0xC0) != 0x80) {
                valido = false;
                break;
            }
            c = (c << 6) | (cont & 0x3F);
        }
        if (!valido) {
            out += '?';
            ++i;
            continue;
        }
        out += ByteDe(c);
        i += largo;
    }
    return out;
}

}  // namespace varnel
