#pragma once

#include <string>
#include <string_view>

namespace varnel {

// Exchange files are Windows-1252; everything inside the program is UTF-8.

// True when every byte is ASCII, the same in both encodings.
inline bool EsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// Every byte decodes; the five unassigned bytes map to the C1 control of the
// same value, as Windows does.
std::string Cp1252AUtf8(std::string_view bytes);

// Characters that Windows-1252 cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ACp1252(std::string_view utf8);

}  // namespace varnel
