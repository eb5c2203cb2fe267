#pragma once

#include <cstdint>
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

// Spanish description shown after "Error:<code> ". Empty for unknown codes.
std::string DescripcionError(int codigo);

// True for every code a conversion run may report.
bool EsCodigoConocido(int codigo);

// Where a line came from: its number and its source, worded for the user
// ("de /x/Sitna-OziWp.txt", "del Cuadro Descargar").
struct UbicacionLinea {
    std::int64_t numero = 0;
    std::string fuente;
};

// A run-time error as data: the code, optionally the line it was found on and
// why, and optionally the file it concerns. Its texts are worded below.
class ErrorEjecucion : public std::runtime_error {
public:
    explicit ErrorEjecucion(int codigo);
    // An error found on a line of the input; `motivo` says why, when known.
    static ErrorEjecucion EnLinea(int codigo, UbicacionLinea donde, std::string motivo = {});
    // An error that concerns one file, which the messages box names.
    static ErrorEjecucion SobreFichero(int codigo, std::string rutaUtf8);

    int Codigo() const noexcept { return codigo_; }
    const UbicacionLinea& Linea() const noexcept { return linea_; }
    const std::string& Motivo() const noexcept { return motivo_; }
    const std::string& Fichero() const noexcept { return fichero_; }

    // The message box text: "Error:13 No coinciden los tipos (línea 3 de /x/f.txt: por qué)".
    std::string Texto() const;
    // The messages box text: the same, followed by the file it concerns, or
    // for a missing input (53) by `rutaEntrada`.
    std::string TextoMensajes(const std::string& rutaEntrada) const;

private:
    int codigo_;
    UbicacionLinea linea_;
    std::string motivo_;
    std::string fichero_;
};

}  // namespace varnel
