#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "counter16.h"
#include "run_error.h"
#include "text_files.h"
#include "value.h"
#include "window_ops.h"

namespace varnel {

// The state the conversions share and the five conversion runs. The main
// window owns one and calls a handler per conversion button.
class MotorVarnel {
public:
    explicit MotorVarnel(OperacionesVentana& ventana) : ventana_(ventana) {}
    MotorVarnel(const MotorVarnel&) = delete;
    MotorVarnel& operator=(const MotorVarnel&) = delete;

    // Conversion buttons.
    void cmdSitnaWpOzi();
    void cmdSitnaTrackOzi();
    void cmdWpOziSitna();
    void cmdTrackOziSitna();
    void cmdMapsourceSitna();

    void CalcularNombresFichero();
    void EscribirWaypointOzi();
    void EscribirTrackpointOzi();

    std::filesystem::path NombreFicheroSitna;
    std::filesystem::path NombreFicheroOziWp;
    std::filesystem::path NombreFicheroOziTrack;
    std::filesystem::path NombreFicheroMapsource;
    std::unique_ptr<LectorLineas> NumFichEntrada;
    std::unique_ptr<EscritorTexto> NumFichSalida;
    Contador16 Contador;
    Valor CoordX;
    Valor CoordY;
    std::int16_t PrimerPunto = 0;
    std::string FormatoGarmin;
    std::string NombrePunto;
    std::string ComentarioPunto;

private:
    enum class Hacia { Ozi, Sitna };
    using Trabajo = void (MotorVarnel::*)();
    using Ruta = std::filesystem::path MotorVarnel::*;

    // The run frame: counter, "Espere....", paths, the conversion's work,
    // closing the files, then the summary or the error report.
    void Ejecutar(Hacia hacia, Trabajo trabajo, const char* textoMedio, Ruta resumen, Ruta entrada);
    void InformarError(const ErrorEjecucion& e, const std::filesystem::path& entrada);
    void CerrarFicheros();
    void AbrirEntrada(const std::filesystem::path& ruta);
    void AbrirSalida(const std::filesystem::path& ruta);

    // Work of each conversion, between opening and closing the files.
    void LeerListaSitna(void (MotorVarnel::*porPunto)());
    void TrabajoSitnaWpOzi();
    void TrabajoSitnaTrackOzi();
    void TrabajoWpOziSitna();
    void TrabajoTrackOziSitna();
    void TrabajoMapsourceSitna();
    void ConvertirOziASitna(const std::filesystem::path& entrada, bool waypoints);
    void EscribirPuntoLista(std::int16_t& primeraEntrada);

    OperacionesVentana& ventana_;
    bool rellenaCaja_ = false;
    std::string caja_;  // the box text a run towards SITNA builds, handed over once
    std::int16_t primeraEntradaRun_ = -1;
};

}  // namespace varnel
