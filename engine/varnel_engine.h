#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/conversion.h"
#include "engine/counter16.h"
#include "engine/line_reader.h"
#include "engine/line_reading.h"
#include "engine/run_error.h"
#include "engine/text_writer.h"
#include "engine/value.h"
#include "engine/window_ops.h"

namespace varnel {

// The values the conversions share, kept by the main window between runs
// under the names the program's design gives them.
struct EstadoCompartido {
    std::filesystem::path NombreFicheroSitna;
    std::filesystem::path NombreFicheroOziWp;
    std::filesystem::path NombreFicheroOziTrack;
    std::filesystem::path NombreFicheroMapsource;
    Contador16 Contador;
    Valor CoordX;
    Valor CoordY;
    std::int16_t PrimerPunto = 0;
    std::string FormatoGarmin;
    std::string NombrePunto;
    std::string ComentarioPunto;
};

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

    // The four exchange paths from the folder the window shows.
    void CalcularNombresFichero();

    const EstadoCompartido& Estado() const { return estado_; }

private:
    const std::filesystem::path& Ruta(FicheroIntercambio fichero) const;
    void Convertir(const Conversion& conversion);
    void InformarError(const ErrorEjecucion& e, const std::filesystem::path& entrada);
    void CerrarFicheros();
    void AbrirEntrada(const std::filesystem::path& ruta);
    void AbrirSalida(const std::filesystem::path& ruta);

    // Per-point steps, called by a run only.
    void EscribirWaypointOzi();
    void EscribirTrackpointOzi();
    void EscribirPuntoLista(const Conversion& conversion, std::int16_t& primeraEntrada);

    OperacionesVentana& ventana_;
    EstadoCompartido estado_;
    std::unique_ptr<LectorLineas> NumFichEntrada;
    std::unique_ptr<EscritorTexto> NumFichSalida;
    std::string caja_;  // the box text a run towards SITNA builds, handed over once
};

}  // namespace varnel
