#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

#include "engine/core/run_error.h"
#include "engine/platform/native_file.h"

namespace varnel {
namespace fs = std::filesystem;

int CodigoDeFalloSistema(const std::error_code& ec, const fs::path& ruta) {
    if (ec.category() != std::generic_category() && ec.category() != std::system_category()) return codigo::ErrorEs;
    return CodigoDeErrno(ec.value(), ruta);
}

std::FILE* AbrirParaLeer(const fs::path& ruta) {
    errno = 0;
    std::FILE* f = std::fopen(ruta.c_str(), "rb");
    if (!f) LanzarFalloSistema(UltimoFalloC(), ruta);
    return f;
}

std::FILE* AbrirParaEscribir(const fs::path& ruta) {
    errno = 0;
    std::FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) {
        // Nothing is missing but the folder (or a link's target folder).
        if (errno == ENOENT) throw ErrorEjecucion(codigo::RutaNoEncontrada);
        throw ErrorEjecucion(CodigoDeFalloSistema(UltimoFalloC(), ruta));
    }
    return f;
}

void ExigirEscribible(const fs::path& ruta) {
    // The same check opening it for writing makes, with the same identity:
    // root passes where the kernel would let root write.
    errno = 0;
    if (::faccessat(AT_FDCWD, ruta.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT) return;
    throw ErrorEjecucion(CodigoDeFalloSistema(UltimoFalloC(), ruta));
}

std::FILE* CrearSustituto(const fs::path& temporal, const fs::path& sustituido) {
    struct stat viejo {};
    const bool hay = ::stat(sustituido.c_str(), &viejo) == 0;
    std::error_code ignorar;
    fs::remove(temporal, ignorar);
    // Private from its first byte when the old file was: the mode is the old
    // file's before anything is written. A new name, never a link.
    errno = 0;
    const int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          hay ? viejo.st_mode & 0777 : 0666);
    if (fd < 0) {
        if (errno == ENOENT) throw ErrorEjecucion(codigo::RutaNoEncontrada);
        throw ErrorEjecucion(CodigoDeFalloSistema(UltimoFalloC(), sustituido));
    }
    const auto deshacer = [&](int codigoError) {
        ::close(fd);
        fs::remove(temporal, ignorar);
        throw ErrorEjecucion(codigoError);
    };
    if (hay) {
        // The owner too where the system lets this user give it (root always);
        // otherwise the new file is this user's, as any file the user writes.
        if (viejo.st_uid != ::geteuid() || viejo.st_gid != ::getegid()) {
            [[maybe_unused]] const int dado = ::fchown(fd, viejo.st_uid, viejo.st_gid);
        }
        if (::fchmod(fd, viejo.st_mode & 07777) != 0) deshacer(CodigoDeFalloSistema(UltimoFalloC(), sustituido));
    }
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) deshacer(codigo::DemasiadosArchivos);
    return f;
}

std::error_code AlDisco(std::FILE* f) {
    errno = 0;
    if (std::fflush(f) != 0 || ::fsync(::fileno(f)) != 0) return UltimoFalloC();
    return {};
}

std::error_code Sustituir(const fs::path& temporal, const fs::path& ruta) {
    errno = 0;
    if (std::rename(temporal.c_str(), ruta.c_str()) == 0) return {};
    return UltimoFalloC();
}

std::size_t LongitudMaximaNombre(const fs::path& carpeta) {
    const long n = ::pathconf(carpeta.empty() ? "." : carpeta.c_str(), _PC_NAME_MAX);
    return n > 0 ? static_cast<std::size_t>(n) : NAME_MAX;
}

}  // namespace varnel
