#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/shared_state.h"
#include "engine/geodesy/list_converter.h"
#include "engine/text/text_writer.h"

namespace varnel {

// One run towards SITNA from files dropped on the window: the points of every
// file, in drop order, become one list in "Sitna-Descargar.txt" and the box.
// Each file's format is told by its content.
class EjecucionSoltado {
public:
    // `conversor` brings every point to the list's datum; `caja` receives the
    // box entries as they are made, `escritos` the list once it is opened.
    EjecucionSoltado(const std::vector<std::filesystem::path>& rutas, EstadoCompartido& estado,
                     ConversorLista& conversor, std::string& caja, std::vector<std::filesystem::path>& escritos);
    EjecucionSoltado(const EjecucionSoltado&) = delete;
    EjecucionSoltado& operator=(const EjecucionSoltado&) = delete;

    // Throws ErrorEjecucion; what reached the list stays.
    void Convertir();
    // Points skipped for having no position, over every file.
    int SinPosicion() const { return sinPosicion_; }

private:
    void AbrirSalidaSiFalta();
    void LeerFichero(const std::filesystem::path& ruta);

    const std::vector<std::filesystem::path>& rutas_;
    EstadoCompartido& estado_;
    ConversorLista& conversor_;
    std::string& caja_;
    std::vector<std::filesystem::path>& escritos_;
    std::int16_t primeraEntrada_ = -1;
    int sinPosicion_ = 0;
    std::unique_ptr<EscritorTexto> NumFichSalida;
};

}  // namespace varnel
