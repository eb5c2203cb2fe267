#include "engine/native_file.h"

#include <cerrno>

#include "engine/run_error.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace varnel {
namespace fs = std::filesystem;
namespace {

// A missing file in an existing folder is 53; a missing folder is 76.
int CodigoDeFicheroAusente(const fs::path& ruta) {
    std::error_code ignorar;
    const auto carpeta = ruta.has_parent_path() ? ruta.parent_path() : fs::path(".");
    return fs::is_directory(carpeta, ignorar) ? codigo::ArchivoNoEncontrado : codigo::RutaNoEncontrada;
}

int CodigoDeErrno(int err, const fs::path& ruta) {
    switch (err) {
    case ENOENT: return CodigoDeFicheroAusente(ruta);
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return codigo::RutaNoEncontrada;
    case EACCES:
    case EPERM:
    case EROFS: return codigo::PermisoDenegado;
    case EISDIR:
    case ENXIO:
    case ETXTBSY: return codigo::AccesoRuta;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return codigo::DiscoLleno;
    case EMFILE:
    case ENFILE: return codigo::DemasiadosArchivos;
    case ENOMEM: return codigo::MemoriaInsuficiente;
    default: return codigo::ErrorEs;
    }
}

#ifdef _WIN32
int CodigoDeWindows(DWORD err, const fs::path& ruta) {
    switch (err) {
    case ERROR_FILE_NOT_FOUND: return CodigoDeFicheroAusente(ruta);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY: return codigo::RutaNoEncontrada;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:  // another program holds the file locked
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED: return codigo::PermisoDenegado;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return codigo::DiscoLleno;
    case ERROR_TOO_MANY_OPEN_FILES: return codigo::DemasiadosArchivos;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return codigo::MemoriaInsuficiente;
    default: return codigo::ErrorEs;
    }
}

// CreateFileW gives the system's own error code, which the C library's
// _wfopen would blur into errno; the handle then becomes a C stream.
std::FILE* AbrirWindows(const fs::path& ruta, DWORD acceso, DWORD disposicion, int banderasC, const char* modo) {
    HANDLE h = ::CreateFileW(ruta.c_str(), acceso, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposicion,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const int c = CodigoDeWindows(::GetLastError(), ruta);
        throw ErrorEjecucion(c == codigo::ArchivoNoEncontrado && disposicion == CREATE_ALWAYS ? codigo::RutaNoEncontrada
                                                                                              : c);
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(h), banderasC | _O_BINARY);
    if (fd == -1) {
        ::CloseHandle(h);
        throw ErrorEjecucion(codigo::DemasiadosArchivos);
    }
    std::FILE* f = ::_fdopen(fd, modo);
    if (!f) {
        ::_close(fd);
        throw ErrorEjecucion(codigo::DemasiadosArchivos);
    }
    return f;
}
#endif

}  // namespace

std::error_code UltimoFalloC() { return {errno ? errno : EIO, std::generic_category()}; }

int CodigoDeFalloSistema(const std::error_code& ec, const fs::path& ruta) {
#ifdef _WIN32
    // The standard library reports Windows failures in the system category.
    if (ec.category() == std::system_category()) return CodigoDeWindows(static_cast<DWORD>(ec.value()), ruta);
#endif
    if (ec.category() != std::generic_category() && ec.category() != std::system_category()) return codigo::ErrorEs;
    return CodigoDeErrno(ec.value(), ruta);
}

void LanzarFalloSistema(const std::error_code& ec, const fs::path& ruta) {
    throw ErrorEjecucion(CodigoDeFalloSistema(ec, ruta));
}

std::FILE* AbrirParaLeer(const fs::path& ruta) {
#ifdef _WIN32
    return AbrirWindows(ruta, GENERIC_READ, OPEN_EXISTING, _O_RDONLY, "rb");
#else
    errno = 0;
    std::FILE* f = std::fopen(ruta.c_str(), "rb");
    if (!f) throw ErrorEjecucion(CodigoDeFalloSistema(UltimoFalloC(), ruta));
    return f;
#endif
}

std::FILE* AbrirParaEscribir(const fs::path& ruta) {
#ifdef _WIN32
    // A read-only file is the user's wish to keep it, whoever runs the program
    // (Wine as a privileged user would otherwise overwrite it).
    const DWORD atributos = ::GetFileAttributesW(ruta.c_str());
    if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_READONLY) &&
        !(atributos & FILE_ATTRIBUTE_DIRECTORY))
        throw ErrorEjecucion(codigo::PermisoDenegado);
    return AbrirWindows(ruta, GENERIC_WRITE, CREATE_ALWAYS, _O_WRONLY, "wb");
#else
    errno = 0;
    std::FILE* f = std::fopen(ruta.c_str(), "wb");
    if (!f) {
        // Nothing is missing but the folder (or a link's target folder).
        if (errno == ENOENT) throw ErrorEjecucion(codigo::RutaNoEncontrada);
        throw ErrorEjecucion(CodigoDeFalloSistema(UltimoFalloC(), ruta));
    }
    return f;
#endif
}

bool MismoFichero(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

}  // namespace varnel
