#pragma once

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

// A run-time error: the code, an optional text that follows the description
// (for example " (línea 3 de /x/Sitna-OziWp.txt)"), and optionally the file
// it concerns, which the messages box names after the text.
class ErrorEjecucion : public std::runtime_error {
public:
    explicit ErrorEjecucion(int codigo, std::string detalle = {});
    static ErrorEjecucion SobreFichero(int codigo, std::string rutaUtf8);
    int Codigo() const noexcept { return codigo_; }
    const std::string& Detalle() const noexcept { return detalle_; }
    const std::string& Fichero() const noexcept { return fichero_; }
    // "Error:" + code + " " + description + detail.
    std::string Texto() const;

private:
    int codigo_;
    std::string detalle_;
    std::string fichero_;
};

}  // namespace varnel
