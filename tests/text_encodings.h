#pragma once

#include <string>

namespace varnel::prueba {

// UTF-8 test text as the bytes another encoding gives it.

// UTF-16 with its byte-order mark, little- or big-endian.
std::string Utf16ConMarca(const std::string& utf8, bool bigEndian);

// ISO-8859-1: every character must be below U+0100.
std::string Latin1(const std::string& utf8);

enum class Codificacion { Utf8, Utf8ConMarca, Utf16Le, Utf16Be, Latin1 };

// The text in that encoding (UTF-8 with its mark, UTF-16 with its mark).
std::string Codificar(Codificacion c, const std::string& utf8);

}  // namespace varnel::prueba
