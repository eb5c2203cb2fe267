// Runs one conversion in a folder with a null window and prints its message:
// the driver for the memory and long-line measurements of bench/memory_check.sh.
// Usage: varnel_convert_once <folder> <wp-ozi|track-ozi|ozi-wp|ozi-track|mapsource>

#include <cstdio>
#include <cstring>

#include "null_window.h"
#include "varnel_engine.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s <carpeta> <wp-ozi|track-ozi|ozi-wp|ozi-track|mapsource>\n", argv[0]);
        return 2;
    }
    varnel::banco::VentanaNula ventana;
    ventana.carpeta = argv[1];
    ventana.descargar = false;
    varnel::MotorVarnel motor(ventana);
    const char* c = argv[2];
    if (!std::strcmp(c, "wp-ozi")) motor.cmdSitnaWpOzi();
    else if (!std::strcmp(c, "track-ozi")) motor.cmdSitnaTrackOzi();
    else if (!std::strcmp(c, "ozi-wp")) motor.cmdWpOziSitna();
    else if (!std::strcmp(c, "ozi-track")) motor.cmdTrackOziSitna();
    else if (!std::strcmp(c, "mapsource")) motor.cmdMapsourceSitna();
    else return 2;
    std::printf("%s\n", ventana.mensajes.c_str());
    return ventana.errores ? 1 : 0;
}
