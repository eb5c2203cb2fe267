// libFuzzer entry for a whole run with its files in a scratch folder: the
// first byte picks the conversion, the rest is its input.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/fuzz/conversion_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    if (tamano == 0) return 0;
    const auto objetivo = static_cast<varnel::prueba::Objetivo>(datos[0] % varnel::prueba::kObjetivos);
    const std::string_view entrada(reinterpret_cast<const char*>(datos) + 1, tamano - 1);
    if (const auto fallo = varnel::prueba::ComprobarConversion(objetivo, entrada)) {
        std::fprintf(stderr, "propiedad incumplida: %s\n", fallo->c_str());
        std::abort();
    }
    return 0;
}
