// libFuzzer entry for a binary reader, fed from memory: FIT, or KMZ with
// VARNEL_FUZZ_KMZ. Any bytes give points on the globe or one refusal (error
// 13 naming the input), and a second reading gives the same.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/formats/fit_reader.h"
#include "engine/formats/kmz_reader.h"

namespace {

using namespace varnel;

struct LecturaBinaria {
    std::vector<std::pair<double, double>> puntos;
    std::string motivo;
};

std::optional<std::string> Leer(std::string_view datos, LecturaBinaria& l) {
    l.puntos.clear();
    l.motivo.clear();
    try {
        BytesEnMemoria bytes(datos, "entrada");
#ifdef VARNEL_FUZZ_KMZ
        const auto lector = kmz::CrearLector(bytes);
#else
        const auto lector = fit::CrearLector(bytes);
#endif
        PuntoFichero p;
        while (lector->Siguiente(p)) {
            if (!std::isfinite(p.geo.latitud) || std::fabs(p.geo.latitud) > 90 || std::fabs(p.geo.longitud) > 180)
                return "punto fuera del globo";
            l.puntos.emplace_back(p.geo.latitud, p.geo.longitud);
        }
    } catch (const ErrorEjecucion& e) {
        if (e.Codigo() != codigo::TiposNoCoinciden || e.Linea().fichero != "entrada" || e.Motivo().empty())
            return "rechazo inesperado: " + std::to_string(e.Codigo()) + " " + e.Motivo();
        l.motivo = e.Motivo();
    } catch (const std::exception& e) {
        return std::string("excepción: ") + e.what();
    }
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano) {
    static LecturaBinaria primera;
    static LecturaBinaria segunda;
    const std::string_view entrada(reinterpret_cast<const char*>(datos), tamano);
    std::optional<std::string> fallo = Leer(entrada, primera);
    if (!fallo) fallo = Leer(entrada, segunda);
    if (!fallo && (segunda.puntos != primera.puntos || segunda.motivo != primera.motivo))
        fallo = "una segunda lectura da otra cosa";
    if (fallo) {
        std::fprintf(stderr, "propiedad incumplida: %s\n", fallo->c_str());
        std::abort();
    }
    return 0;
}
