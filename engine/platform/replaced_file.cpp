#include "engine/platform/replaced_file.h"

#include <cerrno>
#include <system_error>

#include "engine/core/run_error.h"
#include "engine/platform/native_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace varnel {
namespace fs = std::filesystem;

namespace {

// Puts `temporal` in `ruta`'s place in one step, replacing what was there.
std::error_code Sustituir(const fs::path& temporal, const fs::path& ruta) {
#ifdef _WIN32
    if (MoveFileExW(temporal.c_str(), ruta.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
    return {static_cast<int>(GetLastError()), std::system_category()};
#else
    if (std::rename(temporal.c_str(), ruta.c_str()) == 0) return {};
    return UltimoFalloC();
#endif
}

// On disk before it replaces anything: a crash then leaves the old file or
// the new one, never an empty one.
bool AlDisco(std::FILE* f) {
#ifdef _WIN32
    return std::fflush(f) == 0;
#else
    return std::fflush(f) == 0 && fsync(fileno(f)) == 0;
#endif
}

}  // namespace

FicheroSustituido::FicheroSustituido(const fs::path& ruta) : ruta_(ruta) {
    std::error_code ec;
    if (fs::is_directory(ruta, ec)) throw ErrorEjecucion(codigo::AccesoRuta);
    // Hidden on Linux, and named after the file, in case a crash leaves it.
    fs::path nombre(".");
    nombre += ruta.filename();
    nombre += ".varnel-tmp";
    temporal_ = ruta.parent_path() / nombre;
    fichero_ = AbrirParaEscribir(temporal_);
}

FicheroSustituido::~FicheroSustituido() {
    if (!fichero_) return;
    std::fclose(fichero_);
    std::error_code ec;
    fs::remove(temporal_, ec);
}

void FicheroSustituido::Fallo(int err) {
    std::fclose(fichero_);
    fichero_ = nullptr;
    std::error_code ec;
    fs::remove(temporal_, ec);
    LanzarFalloSistema(std::error_code(err ? err : EIO, std::generic_category()), ruta_);
}

void FicheroSustituido::Escribir(std::string_view bytes) {
    if (!fichero_) throw ErrorEjecucion(codigo::ErrorEs);
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), fichero_) != bytes.size()) Fallo(errno);
}

void FicheroSustituido::Confirmar() {
    if (!fichero_) throw ErrorEjecucion(codigo::ErrorEs);
    errno = 0;
    if (!AlDisco(fichero_)) Fallo(errno);
    std::FILE* f = fichero_;
    fichero_ = nullptr;
    errno = 0;
    if (std::fclose(f) != 0) {
        const int err = errno;
        std::error_code ec;
        fs::remove(temporal_, ec);
        LanzarFalloSistema(std::error_code(err ? err : EIO, std::generic_category()), ruta_);
    }
    if (const std::error_code ec = Sustituir(temporal_, ruta_)) {
        std::error_code ignorado;
        fs::remove(temporal_, ignorado);
        LanzarFalloSistema(ec, ruta_);
    }
}

}  // namespace varnel
