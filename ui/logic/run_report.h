#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/run_error.h"
#include "engine/geodesy/file_point.h"
#include "engine/geodesy/list_datum.h"
#include "engine/run/run_result.h"

// How the window words a run: the waiting text, the summary and the error
// report, as the messages box and the error box show them.
namespace varnel::logica {

// The messages box while a run works.
inline constexpr std::string_view kEspere = "Espere....";

// What the window shows once a run has ended.
struct InformeEjecucion {
    std::string mensajes;  // the messages box: the summary or the error text
    // The error box's text; an error report is a beep, the messages, then this box.
    std::optional<std::string> modal;
};

InformeEjecucion Informe(const ResultadoEjecucion& resultado);

// "Generados 3 Puntos en /x/Sitna-Descargar.txt (de WGS 84 a ED50)".
std::string TextoResumen(const ResultadoEjecucion& resultado);

// " (de WGS 84 y ETRS89 a ED50)" when points were shifted, in the order met; empty otherwise.
std::string TextoCambioDatum(const std::vector<DatumFichero>& desde, DatumLista lista);

// " (2 puntos sin posición omitidos)" after a drop that skipped points without a fix; empty for none.
std::string TextoSinPosicion(int n);

// The error box: "Error:13 No coinciden los tipos (línea 3 de /x/f.txt: por qué)".
std::string TextoError(const ErrorEjecucion& error);
// The messages box: the same, followed by the file the error names, if any.
std::string TextoMensajesError(const ErrorEjecucion& error);

// Spanish description shown after "Error:<code> ". Empty for unknown codes.
std::string DescripcionError(int codigo);
// True for every code a run may report.
bool EsCodigoConocido(int codigo);

}  // namespace varnel::logica
