// Runs one conversion in a folder with a null window and prints its message,
// and its time on standard error: the driver for bench/memory_check.sh and
// bench/wine_vs_linux.sh.
// Usage: varnel_convert_once <folder> <wp-ozi|track-ozi|ozi-wp|ozi-track|mapsource|soltar FILE...>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "engine/run/varnel_engine.h"
#include "tests/engine/run/fake_window.h"

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "uso: %s <carpeta> <wp-ozi|track-ozi|ozi-wp|ozi-track|mapsource|soltar FICHERO...>\n",
                     argv[0]);
        return 2;
    }
    varnel::prueba::VentanaFalsa ventana;
    ventana.carpeta = argv[1];
    ventana.descargar = false;
    varnel::MotorVarnel motor(ventana);
    const char* c = argv[2];
    const auto inicio = std::chrono::steady_clock::now();
    if (!std::strcmp(c, "wp-ozi"))
        motor.cmdSitnaWpOzi();
    else if (!std::strcmp(c, "track-ozi"))
        motor.cmdSitnaTrackOzi();
    else if (!std::strcmp(c, "ozi-wp"))
        motor.cmdWpOziSitna();
    else if (!std::strcmp(c, "ozi-track"))
        motor.cmdTrackOziSitna();
    else if (!std::strcmp(c, "mapsource"))
        motor.cmdMapsourceSitna();
    else if (!std::strcmp(c, "soltar"))
        motor.SoltarFicheros(std::vector<std::filesystem::path>(argv + 3, argv + argc));
    else
        return 2;
    const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - inicio;
    std::fprintf(stderr, "conversión: %.2f ms\n", ms.count());
    std::printf("%s\n", ventana.mensajes.c_str());
    return ventana.modales.empty() ? 0 : 1;
}
