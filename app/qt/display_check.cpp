#include "app/qt/display_check.h"

#include <cstdlib>
#include <cstring>

#if defined(__unix__) && !defined(__APPLE__)
#include <dlfcn.h>
#endif

namespace varnel {
namespace {

bool Definida(const char* variable) {
    const char* v = std::getenv(variable);
    return v && *v;
}

}  // namespace

bool HayPantalla() {
#if defined(__unix__) && !defined(__APPLE__)
    // A platform chosen by hand (offscreen, say) is the user's business.
    if (Definida("QT_QPA_PLATFORM") || Definida("WAYLAND_DISPLAY")) return true;
    if (!Definida("DISPLAY")) return false;
    // Qt's X11 platform is built on libxcb: ask it directly whether the server answers.
    void* xcb = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!xcb) return true;  // let Qt say what it can
    using Conectar = void* (*)(const char*, int*);
    using Fallo = int (*)(void*);
    using Desconectar = void (*)(void*);
    auto conectar = reinterpret_cast<Conectar>(::dlsym(xcb, "xcb_connect"));
    auto fallo = reinterpret_cast<Fallo>(::dlsym(xcb, "xcb_connection_has_error"));
    auto desconectar = reinterpret_cast<Desconectar>(::dlsym(xcb, "xcb_disconnect"));
    bool hay = true;
    if (conectar && fallo && desconectar) {
        void* conexion = conectar(nullptr, nullptr);
        hay = conexion && fallo(conexion) == 0;
        if (conexion) desconectar(conexion);
    }
    ::dlclose(xcb);
    return hay;
#else
    return true;
#endif
}

}  // namespace varnel
