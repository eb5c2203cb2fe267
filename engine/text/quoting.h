#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnel {

// A value as a refusal shows it, between « and »: at most `maximo` bytes of
// it and then "…", never half a UTF-8 character.
std::string Citar(std::string_view valor, std::size_t maximo = std::string_view::npos);

}  // namespace varnel
