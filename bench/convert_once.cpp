// Runs one conversion in a folder, from the files, and prints what the
// messages box would show, and its time on standard error: the driver for
// bench/memory_check.sh and bench/wine_vs_linux.sh.
// Usage: varnel_convert_once <folder> <wp-ozi|track-ozi|ozi-wp|ozi-track|mapsource|soltar FILE...>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include "engine/run/varnel_engine.h"
#include "ui/logic/run_report.h"

namespace {

std::optional<varnel::Conversion> ConversionDe(const char* nombre) {
    namespace c = varnel::conversiones;
    if (!std::strcmp(nombre, "wp-ozi")) return c::SitnaWpOzi;
    if (!std::strcmp(nombre, "track-ozi")) return c::SitnaTrackOzi;
    if (!std::strcmp(nombre, "ozi-wp")) return c::WpOziSitna;
    if (!std::strcmp(nombre, "ozi-track")) return c::TrackOziSitna;
    if (!std::strcmp(nombre, "mapsource")) return c::MapsourceSitna;
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: %s <carpeta> <wp-ozi|track-ozi|ozi-wp|ozi-track|mapsource|soltar FICHERO...>\n",
                     argv[0]);
        return 2;
    }
    const std::filesystem::path carpeta = argv[1];
    const char* c = argv[2];
    const std::optional<varnel::Conversion> conversion = ConversionDe(c);
    const bool soltar = !std::strcmp(c, "soltar");
    if (!conversion && !soltar) return 2;

    varnel::MotorVarnel motor;
    const auto inicio = std::chrono::steady_clock::now();
    const varnel::ResultadoEjecucion r =
        soltar ? motor.SoltarFicheros(
                     {std::vector<std::filesystem::path>(argv + 3, argv + argc), carpeta, varnel::DatumLista::Ed50})
               : motor.Ejecutar(
                     {*conversion, carpeta, std::nullopt, varnel::OpcionGarmin::Option1, varnel::DatumLista::Ed50});
    const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - inicio;
    std::fprintf(stderr, "conversión: %.2f ms\n", ms.count());
    std::printf("%s\n", varnel::logica::Informe(r).mensajes.c_str());
    return r.error ? 1 : 0;
}
