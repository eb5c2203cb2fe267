#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace varnel {

// Run-time error codes the conversions can end with.
namespace codigo {
inline constexpr int Desbordamiento = 6;
inline constexpr int MemoriaInsuficiente = 7;
inline constexpr int TiposNoCoinciden = 13;
inline constexpr int ArchivoNoEncontrado = 53;
inline constexpr int ErrorEs = 57;
inline constexpr int DiscoLleno = 61;
inline constexpr int FinDeArchivo = 62;
inline constexpr int DemasiadosArchivos = 67;
inline constexpr int PermisoDenegado = 70;
inline constexpr int AccesoRuta = 75;
inline constexpr int RutaNoEncontrada = 76;
}  // namespace codigo

// Where a line came from: its number and the exchange file it is in, or,
// without a file, the Cuadro Descargar box.
struct UbicacionLinea {
    std::int64_t numero = 0;
    std::filesystem::path fichero;  // empty: the box
};

// A run-time error as data: the code, optionally the line it was found on and
// why, and optionally the file the user must be told about. The window words it.
class ErrorEjecucion : public std::runtime_error {
public:
    explicit ErrorEjecucion(int codigo);
    // An error found on a line of the input; `motivo` says why, when known.
    static ErrorEjecucion EnLinea(int codigo, UbicacionLinea donde, std::string motivo = {});
    // An error about one file, which the report names: a missing input, or a
    // file the run refuses to empty.
    static ErrorEjecucion SobreFichero(int codigo, std::filesystem::path fichero);

    int Codigo() const noexcept { return codigo_; }
    // Number 0 when it was not found on a line.
    const UbicacionLinea& Linea() const noexcept { return linea_; }
    const std::string& Motivo() const noexcept { return motivo_; }
    const std::filesystem::path& Fichero() const noexcept { return fichero_; }

private:
    int codigo_;
    UbicacionLinea linea_;
    std::string motivo_;
    std::filesystem::path fichero_;
};

}  // namespace varnel
