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

std::error_code UltimoFalloWindows() { return {static_cast<int>(::GetLastError()), std::system_category()}; }

// CreateFileW gives the system's own error code, which the C library's
// _wfopen would blur into errno; the handle then becomes a C stream.
std::FILE* AbrirWindows(const fs::path& ruta, DWORD acceso, DWORD disposicion, int banderasC, const char* modo,
                        DWORD atributos = FILE_ATTRIBUTE_NORMAL) {
    HANDLE h = ::CreateFileW(ruta.c_str(), acceso, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, disposicion, atributos,
                             nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const int c = CodigoDeWindows(::GetLastError(), ruta);
        throw ErrorDeSistema(
            c == codigo::ArchivoNoEncontrado && disposicion != OPEN_EXISTING ? codigo::RutaNoEncontrada : c, ruta);
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
    ExigirEscribible(ruta);
    return AbrirWindows(ruta, GENERIC_WRITE, CREATE_ALWAYS, _O_WRONLY, "wb");
}

void ExigirEscribible(const fs::path& ruta) {
    // A read-only file is the user's wish to keep it, whoever runs the program
    // (Wine as a privileged user would otherwise overwrite or replace it).
    const DWORD atributos = ::GetFileAttributesW(ruta.c_str());
    if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_READONLY) &&
        !(atributos & FILE_ATTRIBUTE_DIRECTORY))
        throw ErrorEjecucion(codigo::PermisoDenegado);
}

std::FILE* CrearSustituto(const fs::path& temporal, const fs::path& sustituido) {
    // The attributes that say how the user wants the file seen; read-only
    // never gets this far.
    constexpr DWORD kConservados =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD viejos = ::GetFileAttributesW(sustituido.c_str());
    const DWORD conservados = viejos == INVALID_FILE_ATTRIBUTES ? 0 : viejos & kConservados;
    ::DeleteFileW(temporal.c_str());
    return AbrirWindows(temporal, GENERIC_WRITE, CREATE_NEW, _O_WRONLY, "wb",
                        conservados ? conservados : FILE_ATTRIBUTE_NORMAL);
}

std::error_code AlDisco(std::FILE* f) {
    // The C library's buffer to the system, then the system's cache to the disk.
    if (std::fflush(f) != 0) return UltimoFalloC();
    const auto h = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(f)));
    if (h == INVALID_HANDLE_VALUE || !::FlushFileBuffers(h)) return UltimoFalloWindows();
    return {};
}

std::error_code Sustituir(const fs::path& temporal, const fs::path& ruta) {
    if (::MoveFileExW(temporal.c_str(), ruta.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return {};
    return UltimoFalloWindows();
}

std::size_t LongitudMaximaNombre(const fs::path&) {
    return 255;  // NTFS, exFAT and FAT's long names alike, in UTF-16 units
}

}  // namespace varnel
