// libFuzzer entry for one GPS format's reader, fed any bytes: TwoNav text,
// TCX or GeoJSON (VARNEL_FUZZ_LECTOR 0, 1, 2).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "engine/formats/geojson_reader.h"
#include "engine/formats/tcx_reader.h"
#include "engine/formats/twonav_reader.h"
#include "tests/fuzz/gps_file_properties.h"

namespace {
constexpr varnel::prueba::CrearLectorGps kLectores[] = {varnel::twonav::CrearLector, varnel::tcx::CrearLector,
                                                        varnel::geojson::CrearLector};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    const std::string_view entrada(reinterpret_cast<const char*>(datos), tamano);
    if (const auto fallo = varnel::prueba::ComprobarLectorGps(kLectores[VARNEL_FUZZ_LECTOR], entrada)) {
        std::fprintf(stderr, "propiedad incumplida: %s\n", fallo->c_str());
        std::abort();
    }
    return 0;
}
