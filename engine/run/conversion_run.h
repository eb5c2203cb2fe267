#pragma once

#include <memory>
#include <string>

#include "engine/core/shared_state.h"
#include "engine/geodesy/list_converter.h"
#include "engine/platform/byte_source.h"
#include "engine/run/conversion.h"
#include "engine/run/window_ops.h"
#include "engine/text/text_writer.h"

namespace varnel {

// One conversion run's own state: its open files and the box text it builds.
// The files close when the run object ends, whichever way the run ends; what
// reached the output stays.
class EjecucionConversion {
public:
    // `caja` receives the box entries of a run towards SITNA as they are made;
    // `conversor` brings every point read to the list's datum.
    EjecucionConversion(const Conversion& conversion, EstadoCompartido& estado, OperacionesVentana& ventana,
                        std::string& caja, ConversorLista& conversor);
    EjecucionConversion(const EjecucionConversion&) = delete;
    EjecucionConversion& operator=(const EjecucionConversion&) = delete;

    // Opens the input (or takes the box), then the output, converts every
    // point and closes both files, checking the output's close. Throws
    // ErrorEjecucion.
    void Convertir();

private:
    void AbrirEntrada(const std::filesystem::path& ruta);
    void AbrirSalida(const std::filesystem::path& ruta);

    const Conversion& conversion_;
    EstadoCompartido& estado_;
    OperacionesVentana& ventana_;
    std::string& caja_;
    ConversorLista& conversor_;
    std::unique_ptr<FicheroEntrada> NumFichEntrada;
    std::unique_ptr<EscritorTexto> NumFichSalida;
};

}  // namespace varnel
