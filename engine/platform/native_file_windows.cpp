#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "engine/core/run_error.h"
#include "engine/platform/native_file.h"

namespace varnel {
namespace fs = std::filesystem;
namespace {

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
        throw ErrorDeSistema(
            c == codigo::ArchivoNoEncontrado && disposicion == CREATE_ALWAYS ? codigo::RutaNoEncontrada : c, ruta);
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
}  // namespace

int CodigoDeFalloSistema(const std::error_code& ec, const fs::path& ruta) {
    // The standard library reports Windows failures in the system category.
    if (ec.category() == std::system_category()) return CodigoDeWindows(static_cast<DWORD>(ec.value()), ruta);
    if (ec.category() != std::generic_category()) return codigo::ErrorEs;
    return CodigoDeErrno(ec.value(), ruta);
}

std::FILE* AbrirParaLeer(const fs::path& ruta) {
    return AbrirWindows(ruta, GENERIC_READ, OPEN_EXISTING, _O_RDONLY, "rb");
}

std::FILE* AbrirParaEscribir(const fs::path& ruta) {
    // A read-only file is the user's wish to keep it, whoever runs the program
    // (Wine as a privileged user would otherwise overwrite it).
    const DWORD atributos = ::GetFileAttributesW(ruta.c_str());
    if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_READONLY) &&
        !(atributos & FILE_ATTRIBUTE_DIRECTORY))
        throw ErrorEjecucion(codigo::PermisoDenegado);
    return AbrirWindows(ruta, GENERIC_WRITE, CREATE_ALWAYS, _O_WRONLY, "wb");
}

}  // namespace varnel
