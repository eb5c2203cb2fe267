#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/shared_state.h"
#include "engine/geodesy/list_converter.h"
#include "engine/platform/byte_source.h"
#include "engine/run/conversion.h"
#include "engine/text/text_writer.h"

namespace varnel {

// One conversion run's own state: its open files and the box text it builds.
// The files close when the run object ends, whichever way the run ends; what
// reached the output stays.
class EjecucionConversion {
public:
    // `cuadro` is the box text when it is the input; `conversor` brings every
    // point read to the list's datum. `caja` receives the box entries of a run
    // towards SITNA as they are made, `escritos` the output once it is opened.
    EjecucionConversion(const Conversion& conversion, const std::optional<std::string>& cuadro,
                        EstadoCompartido& estado, ConversorLista& conversor, std::string& caja,
                        std::vector<std::filesystem::path>& escritos);
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
    const std::optional<std::string>& cuadro_;
    EstadoCompartido& estado_;
    ConversorLista& conversor_;
    std::string& caja_;
    std::vector<std::filesystem::path>& escritos_;
    std::unique_ptr<FicheroEntrada> NumFichEntrada;
    std::unique_ptr<EscritorTexto> NumFichSalida;
};

}  // namespace varnel
