#include "engine/formats/track_document.h"

#include <charconv>

namespace varnel {

void AnadirGrados(std::string& documento, double grados) {
    char cifras[32];
    const auto r = std::to_chars(cifras, cifras + sizeof cifras, grados, std::chars_format::fixed, 7);
    std::string_view texto(cifras, static_cast<std::size_t>(r.ptr - cifras));
    // A longitude a hair west of Greenwich is still 0.
    if (texto == "-0.0000000") texto.remove_prefix(1);
    documento += texto;
}

}  // namespace varnel
