#pragma once

#include <filesystem>
#include <vector>

#include "engine/core/run_error.h"
#include "engine/core/shared_state.h"
#include "engine/run/conversion.h"
#include "engine/run/window_ops.h"

namespace varnel {

// The five conversion runs over one shared state. The main window owns one
// and calls a handler per conversion button.
class MotorVarnel {
public:
    explicit MotorVarnel(OperacionesVentana& ventana) : ventana_(ventana) {}
    MotorVarnel(const MotorVarnel&) = delete;
    MotorVarnel& operator=(const MotorVarnel&) = delete;

    // Conversion buttons.
    void cmdSitnaWpOzi() { Ejecutar(conversiones::SitnaWpOzi); }
    void cmdSitnaTrackOzi() { Ejecutar(conversiones::SitnaTrackOzi); }
    void cmdWpOziSitna() { Ejecutar(conversiones::WpOziSitna); }
    void cmdTrackOziSitna() { Ejecutar(conversiones::TrackOziSitna); }
    void cmdMapsourceSitna() { Ejecutar(conversiones::MapsourceSitna); }

    // One conversion run: counter, "Espere....", paths, the points, closing
    // the files, then the summary or the error report.
    void Ejecutar(const Conversion& conversion);

    // Files dropped on the window, in drop order: one run towards SITNA that
    // reads each by its content (GPX, KML, MapSource, OziExplorer, a list).
    void SoltarFicheros(const std::vector<std::filesystem::path>& rutas);

    // The four exchange paths from the folder the window shows.
    void CalcularNombresFichero();

    const EstadoCompartido& Estado() const { return estado_; }

private:
    void InformarError(const ErrorEjecucion& e, const std::filesystem::path& entrada);

    OperacionesVentana& ventana_;
    EstadoCompartido estado_;
};

}  // namespace varnel
