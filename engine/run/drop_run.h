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
    // `rutaActual` names the file being read, for the error report;
    // `conversor` brings every point to the list's datum.
    EjecucionSoltado(const std::vector<std::filesystem::path>& rutas, EstadoCompartido& estado, std::string& caja,
                     std::filesystem::path& rutaActual, ConversorLista& conversor);
    EjecucionSoltado(const EjecucionSoltado&) = delete;
    EjecucionSoltado& operator=(const EjecucionSoltado&) = delete;

    // Throws ErrorEjecucion; what reached the list stays.
    void Convertir();

private:
    void AbrirSalidaSiFalta();
    void LeerFichero(const std::filesystem::path& ruta);

    const std::vector<std::filesystem::path>& rutas_;
    EstadoCompartido& estado_;
    std::string& caja_;
    std::filesystem::path& rutaActual_;
    ConversorLista& conversor_;
    std::int16_t primeraEntrada_ = -1;
    std::unique_ptr<EscritorTexto> NumFichSalida;
};

}  // namespace varnel
