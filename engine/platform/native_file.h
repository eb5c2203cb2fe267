#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "engine/core/run_error.h"

namespace varnel {

// Exchange files are opened by path on every platform, always in binary mode,
// so a CR LF goes to the file exactly once. A failure to open is thrown as an
// ErrorEjecucion carrying the run-time code of the system's failure.

// Opens an existing file for reading.
std::FILE* AbrirParaLeer(const std::filesystem::path& ruta);

// Opens a file for writing: an existing one is emptied, a missing one created.
// A missing file here can only mean a missing folder, so that is error 76.
std::FILE* AbrirParaEscribir(const std::filesystem::path& ruta);

// True when both paths name one file (one is a link to the other, say).
bool MismoFichero(const std::filesystem::path& a, const std::filesystem::path& b);

// The C library's last failure (errno) as an error code.
std::error_code UltimoFalloC();

// The run-time error of code `codigo` for a failure on `ruta`: a missing file
// (53) carries its path.
ErrorEjecucion ErrorDeSistema(int codigo, const std::filesystem::path& ruta);

// Throws the run-time error for a system failure on `ruta`.
[[noreturn]] void LanzarFalloSistema(const std::error_code& ec, const std::filesystem::path& ruta);

// Buffer size of the exchange file streams.
inline constexpr std::size_t kBuferFichero = std::size_t{64} * 1024;

// Maps an operating-system failure on `ruta` to a run-time error code: errno
// values, and on Windows the system's own error codes as well.
int CodigoDeFalloSistema(const std::error_code& ec, const std::filesystem::path& ruta);

// The run-time code of an errno value; a missing file in an existing folder
// is 53, a missing folder 76.
int CodigoDeErrno(int err, const std::filesystem::path& ruta);
int CodigoDeFicheroAusente(const std::filesystem::path& ruta);

}  // namespace varnel
