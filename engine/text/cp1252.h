#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace varnel {

// Exchange files are Windows-1252; everything inside the program is UTF-8.

// Where the first byte that is not ASCII is; the size when there is none.
// Eight bytes at a time: lines are read through it.
inline std::size_t PrimerNoAscii(std::string_view s, std::size_t desde = 0) {
    std::size_t i = desde;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t bloque;
        std::memcpy(&bloque, s.data() + i, 8);
        if (bloque & 0x8080808080808080u) break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i;
}

// True when every byte is ASCII, the same in both encodings.
inline bool EsAscii(std::string_view s) { return PrimerNoAscii(s) == s.size(); }

// Every byte decodes; the five unassigned bytes map to the C1 control of the
// same value, as Windows does.
std::string Cp1252AUtf8(std::string_view bytes);
// The same into `out`, reusing its buffer.
void Cp1252AUtf8(std::string_view bytes, std::string& out);

// Characters that Windows-1252 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ACp1252(std::string_view utf8);

}  // namespace varnel
