#include "engine/run/varnel_engine.h"

#include <exception>
#include <new>
#include <string>

#include "engine/core/path_text.h"
#include "engine/formats/exchange_file.h"
#include "engine/geodesy/list_converter.h"
#include "engine/run/conversion_run.h"
#include "engine/run/drop_run.h"
#include "engine/run/track_save.h"

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

// Runs `convertir`, keeping the error it ends with.
template <class Fn>
void Intentar(ResultadoEjecucion& r, Fn&& convertir) {
    try {
        convertir();
    } catch (const ErrorEjecucion& e) {
        r.error = e;
    } catch (const std::bad_alloc&) {
        r.error = ErrorEjecucion(codigo::MemoriaInsuficiente);
    } catch (const std::exception&) {
        // Nothing else should get here; if it does, the run ends in a report
        // rather than taking the program with it.
        r.error = ErrorEjecucion(codigo::ErrorEs);
    }
}

}  // namespace

void MotorVarnel::CalcularNombresFichero(const std::filesystem::path& carpetaIntercambio) {
    // operator/ adds a separator only where the folder lacks one (a root
    // folder); on Windows every separator becomes a backslash.
    ExigirRutaConTexto(carpetaIntercambio);
    std::filesystem::path carpeta = carpetaIntercambio;
    carpeta.make_preferred();
    estado_.NombreFicheroSitna = carpeta / Formato(FicheroIntercambio::ListaSitna).nombre;
    estado_.NombreFicheroOziWp = carpeta / Formato(FicheroIntercambio::WaypointsOzi).nombre;
    estado_.NombreFicheroOziTrack = carpeta / Formato(FicheroIntercambio::TrackOzi).nombre;
    estado_.NombreFicheroMapsource = carpeta / Formato(FicheroIntercambio::Mapsource).nombre;
}

ResultadoEjecucion MotorVarnel::Ejecutar(const PeticionConversion& p, const AlEmpezar& alEmpezar) {
    const Conversion& c = p.conversion;
    // The flags of the runs that use PrimerPunto: the track writer's, and the
    // list writer's when it reads Ozi waypoints.
    if (c.salida == FicheroIntercambio::TrackOzi || c.entrada == FicheroIntercambio::WaypointsOzi)
        estado_.PrimerPunto = -1;
    estado_.Contador.Poner(0);
    if (alEmpezar) alEmpezar();
    if (c.salida == FicheroIntercambio::WaypointsOzi) estado_.FormatoGarmin.assign(1, CodigoGarmin(p.opcionGarmin));

    ResultadoEjecucion r;
    r.salida = c.salida;
    r.datumLista = p.datumLista;
    std::string caja;
    ConversorLista conversor(p.datumLista);
    EjecucionConversion ejecucion(c, p.cuadro, estado_, conversor, caja, r.escritos);
    Intentar(r, [&] {
        CalcularNombresFichero(p.carpeta);
        ejecucion.Convertir();
    });
    r.puntos = estado_.Contador.Valor();
    r.rutaSalida = Ruta(estado_, c.salida);
    r.desplazadosDe = conversor.DatumsDesplazados();
    if (c.salida == FicheroIntercambio::ListaSitna) r.lista = std::move(caja);
    return r;
}

ResultadoEjecucion MotorVarnel::SoltarFicheros(const PeticionSoltado& p, const AlEmpezar& alEmpezar) {
    estado_.Contador.Poner(0);
    if (alEmpezar) alEmpezar();

    ResultadoEjecucion r;
    r.salida = FicheroIntercambio::ListaSitna;
    r.datumLista = p.datumLista;
    std::string caja;
    ConversorLista conversor(p.datumLista);
    EjecucionSoltado ejecucion(p.ficheros, estado_, conversor, caja, r.escritos);
    Intentar(r, [&] {
        CalcularNombresFichero(p.carpeta);
        ejecucion.Convertir();
    });
    r.puntos = estado_.Contador.Valor();
    r.rutaSalida = estado_.NombreFicheroSitna;
    r.desplazadosDe = conversor.DatumsDesplazados();
    r.sinPosicion = ejecucion.SinPosicion();
    r.lista = std::move(caja);
    return r;
}

ResultadoEjecucion MotorVarnel::GuardarTraza(const PeticionGuardado& p, const AlEmpezar& alEmpezar) {
    estado_.Contador.Poner(0);
    if (alEmpezar) alEmpezar();

    ResultadoEjecucion r;
    r.salida = std::nullopt;
    r.datumLista = p.datumLista;
    r.rutaSalida = p.destino;
    Intentar(r, [&] { varnel::GuardarTraza(p, estado_, r); });
    r.puntos = estado_.Contador.Valor();
    r.sinPuntos = !r.error && r.puntos == 0;
    return r;
}

}  // namespace varnel
