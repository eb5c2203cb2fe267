#pragma once

#include <filesystem>
#include <functional>

#include "engine/core/shared_state.h"
#include "engine/run/run_request.h"
#include "engine/run/run_result.h"

namespace varnel {

// The conversion runs over one shared state, kept between runs (the first
// point flags, the Garmin code, the four exchange paths). The main window
// owns one; a run takes a request and returns how it ended.
class MotorVarnel {
public:
    // Called once the run has started, before any file is touched: the
    // window shows that it is busy.
    using AlEmpezar = std::function<void()>;

    MotorVarnel() = default;
    MotorVarnel(const MotorVarnel&) = delete;
    MotorVarnel& operator=(const MotorVarnel&) = delete;

    // One conversion run: counter, start, paths, the points, closing the files.
    ResultadoEjecucion Ejecutar(const PeticionConversion& peticion, const AlEmpezar& alEmpezar = {});

    // Files dropped on the window, in drop order: one run towards SITNA that
    // reads each by its content (GPX, KML, MapSource, OziExplorer, a list).
    ResultadoEjecucion SoltarFicheros(const PeticionSoltado& peticion, const AlEmpezar& alEmpezar = {});

    // The box's SITNA list saved as a GPX or KML track in the file the user
    // chose: counter, start, the points, the file written whole.
    ResultadoEjecucion GuardarTraza(const PeticionGuardado& peticion, const AlEmpezar& alEmpezar = {});

    // The four exchange paths in `carpeta`.
    void CalcularNombresFichero(const std::filesystem::path& carpeta);

    const EstadoCompartido& Estado() const { return estado_; }

private:
    EstadoCompartido estado_;
};

}  // namespace varnel
