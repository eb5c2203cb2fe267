#include "engine/run/drop_run.h"

#include <optional>

#include "engine/core/path_text.h"
#include "engine/formats/format_rows.h"
#include "engine/formats/point_reader.h"
#include "engine/formats/reader_thread.h"
#include "engine/formats/sitna_list.h"
#include "engine/geodesy/list_converter.h"
#include "engine/platform/byte_source.h"
#include "engine/platform/native_file.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;

bool EsLaLista(const fs::path& ruta, const fs::path& lista) {
    std::error_code ec;
    return MismoFichero(ruta, lista) || fs::weakly_canonical(ruta, ec) == fs::weakly_canonical(lista, ec);
}

}  // namespace

EjecucionSoltado::EjecucionSoltado(const std::vector<fs::path>& rutas, EstadoCompartido& estado,
                                   ConversorLista& conversor, std::string& caja, std::vector<fs::path>& escritos)
    : rutas_(rutas), estado_(estado), conversor_(conversor), caja_(caja), escritos_(escritos) {}

void EjecucionSoltado::Convertir() {
    for (const fs::path& ruta : rutas_) ExigirRutaConTexto(ruta);
    // The list the run writes cannot also be read: it would be emptied first.
    for (const fs::path& ruta : rutas_)
        if (EsLaLista(ruta, estado_.NombreFicheroSitna))
            throw ErrorEjecucion::SobreFichero(codigo::AccesoRuta, estado_.NombreFicheroSitna);
    for (const fs::path& ruta : rutas_) LeerFichero(ruta);
    AbrirSalidaSiFalta();  // no file at all still gives an empty list
    NumFichSalida->Cerrar();
}

void EjecucionSoltado::AbrirSalidaSiFalta() {
    if (NumFichSalida) return;
    NumFichSalida = std::make_unique<EscritorTexto>(estado_.NombreFicheroSitna);
    escritos_.push_back(estado_.NombreFicheroSitna);
}

void EjecucionSoltado::LeerFichero(const fs::path& ruta) {
    // One open file: the probe looks at its start, the reader starts over.
    FicheroEntrada entrada(ruta);  // the input is opened before the output
    const FilaFormato* fila = ReconocerFormato(entrada);
    if (!fila) throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, {1, ruta}, "formato no reconocido");
    entrada.Rebobinar();
    // Read on a thread of its own: a big GPX's parsing overlaps the conversion.
    LectorEnHilo lector(fila->leer(entrada));
    // A GPS file opens the list at its first point: one without any (an
    // indoor activity, a layer of styles) is refused, the list as it was.
    if (!fila->deGps) AbrirSalidaSiFalta();
    // One list over every file: each point is counted before its line, a MapSource export's too.
    std::optional<DestinoPunto> destino;
    LectorPuntos puntos(lector, conversor_, fila->deGps);
    while (puntos.Siguiente(estado_.CoordX, estado_.CoordY)) {
        if (!destino) {
            AbrirSalidaSiFalta();
            destino.emplace(DestinoPunto{estado_, *NumFichSalida, caja_, primeraEntrada_, false});
        }
        lista_sitna::EscribirPunto(*destino);
    }
    sinPosicion_ += puntos.SinPosicion();
    if (fila->deGps && !destino) throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, {1, ruta}, "sin puntos");
}

}  // namespace varnel
