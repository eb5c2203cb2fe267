#include "engine/varnel_engine.h"

#include <new>
#include <optional>

#include "engine/native_file.h"
#include "engine/ozi_track.h"
#include "engine/ozi_waypoints.h"
#include "engine/path_text.h"
#include "engine/point_reader.h"
#include "engine/sitna_list.h"
#include "engine/text_lines.h"

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

const std::filesystem::path& MotorVarnel::Ruta(FicheroIntercambio fichero) const {
    switch (fichero) {
    case FicheroIntercambio::ListaSitna: return estado_.NombreFicheroSitna;
    case FicheroIntercambio::WaypointsOzi: return estado_.NombreFicheroOziWp;
    case FicheroIntercambio::TrackOzi: return estado_.NombreFicheroOziTrack;
    case FicheroIntercambio::Mapsource: return estado_.NombreFicheroMapsource;
    }
    return estado_.NombreFicheroSitna;
}

void MotorVarnel::Ejecutar(const Conversion& c) {
    // The flags of the runs that use PrimerPunto: the track writer's, and the
    // list writer's when it reads Ozi waypoints.
    if (c.salida == FicheroIntercambio::TrackOzi || c.entrada == FicheroIntercambio::WaypointsOzi)
        estado_.PrimerPunto = -1;
    estado_.Contador.Poner(0);
    caja_.clear();
    if (c.vaciaCajaAlEmpezar) ventana_.VaciarPortaYRepintar();
    ventana_.PonerTextoMensajes("Espere....");
    ventana_.RepintarMensajes();
    if (c.salida == FicheroIntercambio::WaypointsOzi)
        estado_.FormatoGarmin.assign(1, CodigoGarmin(ventana_.OpcionSeleccionada()));

    std::optional<ErrorEjecucion> fallo;
    try {
        CalcularNombresFichero();
        Convertir(c);
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
    const bool rellenaCaja = c.salida == FicheroIntercambio::ListaSitna;
    if (rellenaCaja) ventana_.PonerTextoPorta(caja_);
    caja_.clear();
    caja_.shrink_to_fit();

    if (fallo) {
        InformarError(*fallo, Ruta(c.rutaError53));
        return;
    }
    ventana_.PonerTextoMensajes("Generados " + std::to_string(estado_.Contador.Valor()) + std::string(c.textoMedio) +
                                TextoRuta(Ruta(c.rutaResumen)));
}

void MotorVarnel::Convertir(const Conversion& c) {
    const FormatoFichero& entrada = Formato(c.entrada);
    const bool deCaja = c.entrada == FicheroIntercambio::ListaSitna && ventana_.DescargarMarcado();
    std::string textoCaja;
    if (deCaja) {
        textoCaja = ventana_.TextoPorta();
    } else {
        if (c.entrada == FicheroIntercambio::ListaSitna) ventana_.VaciarPortaYRepintar();
        AbrirEntrada(Ruta(c.entrada));
    }
    AbrirSalida(Ruta(c.salida));
    NumFichSalida->EscribirBytes(Formato(c.salida).cabecera);

    LineasTexto lineasCaja(textoCaja);
    FuenteLineas& fuente = deCaja ? static_cast<FuenteLineas&>(lineasCaja) : *NumFichEntrada;
    LectorPuntos lector(fuente, entrada.leerLinea, entrada.primeraLineaCabecera);
    std::int16_t primeraEntradaRun = -1;
    std::int16_t& primeraEntrada =
        c.entrada == FicheroIntercambio::WaypointsOzi ? estado_.PrimerPunto : primeraEntradaRun;
    while (lector.Siguiente(estado_.CoordX, estado_.CoordY)) {
        switch (c.salida) {
        case FicheroIntercambio::WaypointsOzi:
            estado_.Contador.Incrementar();
            EscribirWaypointOzi();
            break;
        case FicheroIntercambio::TrackOzi:
            estado_.Contador.Incrementar();
            EscribirTrackpointOzi();
            break;
        default: EscribirPuntoLista(c, primeraEntrada); break;
        }
    }
}

void MotorVarnel::EscribirWaypointOzi() {
    estado_.NombrePunto = "SIT" + waypoints_ozi::TresCifras(estado_.Contador.Sumar(1000));
    estado_.ComentarioPunto = "SITNA Punto " + waypoints_ozi::TresCifras(estado_.Contador.Sumar(1000));
    NumFichSalida->EscribirBytes(waypoints_ozi::Registro(estado_.CoordX, estado_.CoordY, estado_.NombrePunto,
                                                         estado_.ComentarioPunto, estado_.FormatoGarmin));
}

void MotorVarnel::EscribirTrackpointOzi() {
    const bool primero = estado_.PrimerPunto == -1;
    estado_.PrimerPunto = 0;
    NumFichSalida->EscribirBytes(track_ozi::Registro(estado_.CoordX, estado_.CoordY, primero));
}

void MotorVarnel::EscribirPuntoLista(const Conversion& c, std::int16_t& primeraEntrada) {
    if (!c.cuentaTrasEscribirFichero) estado_.Contador.Incrementar();
    NumFichSalida->Escribir(lista_sitna::LineaFichero(estado_.CoordX, estado_.CoordY));
    if (c.cuentaTrasEscribirFichero) estado_.Contador.Incrementar();
    lista_sitna::AnadirEntradaCaja(caja_, primeraEntrada, estado_.CoordX, estado_.CoordY);
}

void MotorVarnel::InformarError(const ErrorEjecucion& e, const std::filesystem::path& entrada) {
    ventana_.Pitido();
    const std::string texto = e.Texto();
    // The messages box also names the file the error concerns.
    if (e.Codigo() == codigo::ArchivoNoEncontrado)
        ventana_.PonerTextoMensajes(texto + " " + TextoRuta(entrada));
    else if (!e.Fichero().empty())
        ventana_.PonerTextoMensajes(texto + " " + e.Fichero());
    else
        ventana_.PonerTextoMensajes(texto);
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
    // before it is read: refuse it rather than lose the user's file, and say which.
    if (NumFichEntrada && MismoFichero(NumFichEntrada->Ruta(), ruta))
        throw ErrorEjecucion::SobreFichero(codigo::AccesoRuta, TextoRuta(ruta));
    NumFichSalida = std::make_unique<EscritorTexto>(ruta);
}

}  // namespace varnel
