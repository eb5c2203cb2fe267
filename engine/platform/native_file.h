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

// Throws what opening `ruta` for writing would throw when the file is there
// but may not be written (read-only: 70); a file not there yet passes.
void ExigirEscribible(const std::filesystem::path& ruta);

// Creates `temporal`, a new file that is to take `sustituido`'s place, with
// that file's permissions: its mode on Linux, its hidden and system
// attributes on Windows. A file of that name left by a crash goes first.
std::FILE* CrearSustituto(const std::filesystem::path& temporal, const std::filesystem::path& sustituido);

// Everything written to `f` on the disk itself, not only in a cache.
std::error_code AlDisco(std::FILE* f);

// Puts `temporal` in `ruta`'s place in one step, replacing what was there.
std::error_code Sustituir(const std::filesystem::path& temporal, const std::filesystem::path& ruta);

// The longest name a file may have in `carpeta`, in the units of the
// system's paths (bytes on Linux, UTF-16 units on Windows).
std::size_t LongitudMaximaNombre(const std::filesystem::path& carpeta);

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
