// libFuzzer entry for one reader fed from memory; VARNEL_FUZZ_OBJETIVO picks which.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/fuzz/reader_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const auto objetivo = static_cast<varnel::prueba::Objetivo>(VARNEL_FUZZ_OBJETIVO);
    const std::string_view entrada(reinterpret_cast<const char*>(datos), tamano);
    if (const auto fallo = varnel::prueba::ComprobarLector(objetivo, entrada)) {
        std::fprintf(stderr, "propiedad incumplida: %s\n", fallo->c_str());
        std::abort();
    }
    return 0;
}
