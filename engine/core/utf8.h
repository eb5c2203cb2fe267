#pragma once

#include <string>

namespace varnel {

// Appends the UTF-8 of one code point.
void AnadirUtf8(char32_t c, std::string& salida);

}  // namespace varnel
