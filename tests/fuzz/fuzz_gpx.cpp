// libFuzzer entry for a dropped GPS file: GPX, KML or anything else.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/fuzz/gps_file_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const std::string_view entrada(reinterpret_cast<const char*>(datos), tamano);
    if (const auto fallo = varnel::prueba::ComprobarFicheroGps(entrada)) {
        std::fprintf(stderr, "propiedad incumplida: %s\n", fallo->c_str());
        std::abort();
    }
    return 0;
}
