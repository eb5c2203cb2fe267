#include "engine/run/varnel_engine.h"

#include <new>
#include <optional>
#include <string>

#include "engine/core/path_text.h"
#include "engine/formats/exchange_file.h"
#include "engine/run/conversion_run.h"
#include "engine/run/drop_run.h"

namespace varnel {
namespace {

// The display code of the selected Garmin option.
char CodigoGarmin(OpcionGarmin opcion) {
    switch (opcion) {
    case OpcionGarmin::Option1: return 'N';
    case OpcionGarmin::Option2: return 'S';
    case OpcionGarmin::Option3: return 'C';
    }
    return 'N';
}

}  // namespace

void MotorVarnel::CalcularNombresFichero() {
    // operator/ adds a separator only where the folder lacks one (a root
    // folder); on Windows every separator becomes a backslash.
    std::filesystem::path carpeta = ventana_.CarpetaIntercambio();
    carpeta.make_preferred();
    estado_.NombreFicheroSitna = carpeta / Formato(FicheroIntercambio::ListaSitna).nombre;
    estado_.NombreFicheroOziWp = carpeta / Formato(FicheroIntercambio::WaypointsOzi).nombre;
    estado_.NombreFicheroOziTrack = carpeta / Formato(FicheroIntercambio::TrackOzi).nombre;
    estado_.NombreFicheroMapsource = carpeta / Formato(FicheroIntercambio::Mapsource).nombre;
}

void MotorVarnel::Ejecutar(const Conversion& c) {
    // The flags of the runs that use PrimerPunto: the track writer's, and the
    // list writer's when it reads Ozi waypoints.
    if (c.salida == FicheroIntercambio::TrackOzi || c.entrada == FicheroIntercambio::WaypointsOzi)
        estado_.PrimerPunto = -1;
    estado_.Contador.Poner(0);
    if (c.vaciaCajaAlEmpezar) ventana_.VaciarPortaYRepintar();
    ventana_.PonerTextoMensajes("Espere....");
    ventana_.RepintarMensajes();
    if (c.salida == FicheroIntercambio::WaypointsOzi)
        estado_.FormatoGarmin.assign(1, CodigoGarmin(ventana_.OpcionSeleccionada()));

    std::optional<ErrorEjecucion> fallo;
    std::string caja;  // built by the run, handed to the window once
    ConversorLista conversor(ventana_.DatumSitna());
    try {
        CalcularNombresFichero();
        EjecucionConversion(c, estado_, ventana_, caja, conversor).Convertir();
    } catch (const ErrorEjecucion& e) {
        fallo = e;
    } catch (const std::bad_alloc&) {
        fallo = ErrorEjecucion(codigo::MemoriaInsuficiente);
    }
    // The box gets the run's points, also before an error report.
    if (c.salida == FicheroIntercambio::ListaSitna) ventana_.PonerTextoPorta(caja);

    if (fallo) {
        InformarError(*fallo, Ruta(estado_, c.rutaError53));
        return;
    }
    ventana_.PonerTextoMensajes("Generados " + std::to_string(estado_.Contador.Valor()) + std::string(c.textoMedio) +
                                TextoRuta(Ruta(estado_, c.rutaResumen)) + conversor.TextoCambioDatum());
}

void MotorVarnel::SoltarFicheros(const std::vector<std::filesystem::path>& rutas) {
    estado_.Contador.Poner(0);
    ventana_.VaciarPortaYRepintar();
    ventana_.PonerTextoMensajes("Espere....");
    ventana_.RepintarMensajes();

    std::optional<ErrorEjecucion> fallo;
    std::string caja;
    std::filesystem::path actual;  // the dropped file being read
    ConversorLista conversor(ventana_.DatumSitna());
    try {
        CalcularNombresFichero();
        EjecucionSoltado(rutas, estado_, caja, actual, conversor).Convertir();
    } catch (const ErrorEjecucion& e) {
        fallo = e;
    } catch (const std::bad_alloc&) {
        fallo = ErrorEjecucion(codigo::MemoriaInsuficiente);
    }
    ventana_.PonerTextoPorta(caja);
    if (fallo) {
        InformarError(*fallo, actual);
        return;
    }
    ventana_.PonerTextoMensajes("Generados " + std::to_string(estado_.Contador.Valor()) + " Puntos en " +
                                TextoRuta(estado_.NombreFicheroSitna) + conversor.TextoCambioDatum());
}

void MotorVarnel::InformarError(const ErrorEjecucion& e, const std::filesystem::path& entrada) {
    ventana_.Pitido();
    ventana_.PonerTextoMensajes(e.TextoMensajes(TextoRuta(entrada)));
    ventana_.MostrarMensajeModal(e.Texto());
}

}  // namespace varnel
