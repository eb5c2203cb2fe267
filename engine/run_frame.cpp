#include <new>
#include <optional>

#include "native_file.h"
#include "path_text.h"
#include "varnel_engine.h"

namespace varnel {

void MotorVarnel::CalcularNombresFichero() {
    // operator/ adds a separator only where the folder lacks one (a root
    // folder); on Windows every separator becomes a backslash.
    std::filesystem::path carpeta = ventana_.CarpetaIntercambio();
    carpeta.make_preferred();
    NombreFicheroSitna = carpeta / "Sitna-Descargar.txt";
    NombreFicheroOziWp = carpeta / "Sitna-OziWp.txt";
    NombreFicheroOziTrack = carpeta / "Sitna-OziTrack.txt";
    NombreFicheroMapsource = carpeta / "Sitna-Mapsource.txt";
}

void MotorVarnel::cmdSitnaWpOzi() {
    switch (ventana_.OpcionSeleccionada()) {
    case OpcionGarmin::Option1: FormatoGarmin = "N"; break;
    case OpcionGarmin::Option2: FormatoGarmin = "S"; break;
    case OpcionGarmin::Option3: FormatoGarmin = "C"; break;
    }
    Ejecutar(Hacia::Ozi, &MotorVarnel::TrabajoSitnaWpOzi, " Waypoints en ", &MotorVarnel::NombreFicheroOziWp,
             &MotorVarnel::NombreFicheroSitna);
}

void MotorVarnel::cmdSitnaTrackOzi() {
    PrimerPunto = -1;
    Ejecutar(Hacia::Ozi, &MotorVarnel::TrabajoSitnaTrackOzi, " Puntos de Track en ",
             &MotorVarnel::NombreFicheroOziTrack, &MotorVarnel::NombreFicheroSitna);
}

void MotorVarnel::cmdWpOziSitna() {
    PrimerPunto = -1;
    Ejecutar(Hacia::Sitna, &MotorVarnel::TrabajoWpOziSitna, " Puntos en ", &MotorVarnel::NombreFicheroSitna,
             &MotorVarnel::NombreFicheroOziWp);
}

void MotorVarnel::cmdTrackOziSitna() {
    primeraEntradaRun_ = -1;
    Ejecutar(Hacia::Sitna, &MotorVarnel::TrabajoTrackOziSitna, " Puntos en ", &MotorVarnel::NombreFicheroSitna,
             &MotorVarnel::NombreFicheroOziTrack);
}

void MotorVarnel::cmdMapsourceSitna() {
    primeraEntradaRun_ = -1;
    Ejecutar(Hacia::Sitna, &MotorVarnel::TrabajoMapsourceSitna, " Puntos en ", &MotorVarnel::NombreFicheroSitna,
             &MotorVarnel::NombreFicheroMapsource);
}

void MotorVarnel::Ejecutar(Hacia hacia, Trabajo trabajo, const char* textoMedio, Ruta resumen, Ruta entrada) {
    Contador.Poner(0);
    rellenaCaja_ = hacia == Hacia::Sitna;
    caja_.clear();
    if (rellenaCaja_) ventana_.VaciarPortaYRepintar();
    ventana_.PonerTextoMensajes("Espere....");
    ventana_.RepintarMensajes();

    std::optional<ErrorEjecucion> fallo;
    try {
        CalcularNombresFichero();
        (this->*trabajo)();
        CerrarFicheros();
    } catch (const ErrorEjecucion& e) {
        fallo = e;
    } catch (const std::bad_alloc&) {
        fallo = ErrorEjecucion(codigo::MemoriaInsuficiente);
    }
    // A failed run's files are closed at once; what reached them stays.
    NumFichEntrada.reset();
    NumFichSalida.reset();
    // The box gets the run's points in one go, also before an error report.
    if (rellenaCaja_) ventana_.PonerTextoPorta(caja_);
    caja_.clear();
    caja_.shrink_to_fit();

    if (fallo) {
        InformarError(*fallo, this->*entrada);
        return;
    }
    ventana_.PonerTextoMensajes("Generados " + std::to_string(Contador.Valor()) + textoMedio +
                                TextoRuta(this->*resumen));
}

void MotorVarnel::InformarError(const ErrorEjecucion& e, const std::filesystem::path& entrada) {
    ventana_.Pitido();
    const std::string texto = e.Texto();
    ventana_.PonerTextoMensajes(texto);
    if (e.Codigo() == codigo::ArchivoNoEncontrado)
        ventana_.PonerTextoMensajes(ventana_.TextoMensajes() + " " + TextoRuta(entrada));
    ventana_.MostrarMensajeModal(texto);
}

void MotorVarnel::CerrarFicheros() {
    if (NumFichEntrada) {
        NumFichEntrada->Cerrar();
        NumFichEntrada.reset();
    }
    if (NumFichSalida) {
        NumFichSalida->Cerrar();
        NumFichSalida.reset();
    }
}

void MotorVarnel::AbrirEntrada(const std::filesystem::path& ruta) {
    NumFichEntrada = std::make_unique<LectorLineas>(ruta);
}

void MotorVarnel::AbrirSalida(const std::filesystem::path& ruta) {
    // An output that is the input under another name (a link) would be emptied
    // before it is read: refuse it rather than lose the user's file.
    if (NumFichEntrada && MismoFichero(NumFichEntrada->Ruta(), ruta))
        throw ErrorEjecucion(codigo::AccesoRuta);
    NumFichSalida = std::make_unique<EscritorTexto>(ruta);
}

}  // namespace varnel
