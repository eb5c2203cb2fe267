#include "engine/run/drop_run.h"

#include "engine/formats/content_format.h"
#include "engine/formats/exchange_file.h"
#include "engine/formats/gpx_kml_reader.h"
#include "engine/formats/point_reader.h"
#include "engine/formats/sitna_list.h"
#include "engine/geodesy/list_converter.h"
#include "engine/geodesy/zone30_projection.h"
#include "engine/platform/native_file.h"
#include "engine/text/line_reader.h"

namespace varnel {
namespace {

namespace fs = std::filesystem;

// The exchange file whose reader takes a text format.
FicheroIntercambio FicheroDeFormato(FormatoContenido f) {
    switch (f) {
    case FormatoContenido::WaypointsOzi: return FicheroIntercambio::WaypointsOzi;
    case FormatoContenido::TrackOzi: return FicheroIntercambio::TrackOzi;
    case FormatoContenido::Mapsource: return FicheroIntercambio::Mapsource;
    default: return FicheroIntercambio::ListaSitna;
    }
}

bool EsLaLista(const fs::path& ruta, const fs::path& lista) {
    std::error_code ec;
    return MismoFichero(ruta, lista) || fs::weakly_canonical(ruta, ec) == fs::weakly_canonical(lista, ec);
}

}  // namespace

EjecucionSoltado::EjecucionSoltado(const std::vector<fs::path>& rutas, EstadoCompartido& estado,
                                   ConversorLista& conversor, std::string& caja, std::vector<fs::path>& escritos)
    : rutas_(rutas), estado_(estado), conversor_(conversor), caja_(caja), escritos_(escritos) {}

void EjecucionSoltado::Convertir() {
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
    const FormatoContenido formato = ReconocerFormatoContenido(ruta);
    const UbicacionLinea primera{1, ruta};
    if (formato == FormatoContenido::NoReconocido)
        throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, primera, "formato no reconocido");

    if (formato == FormatoContenido::Gpx || formato == FormatoContenido::Kml) {
        LectorGpxKml lector(ruta);  // the input is opened before the output
        AbrirSalidaSiFalta();
        DestinoPunto destino{estado_, *NumFichSalida, caja_, primeraEntrada_, false};
        // GPS positions are WGS 84.
        PuntoFichero p;
        p.forma = PuntoFichero::Forma::Geograficas;
        p.datum = DatumFichero::Wgs84;
        std::int64_t linea = 0;
        while (lector.Siguiente(p.geo, linea)) {
            if (!conversor_.ALista(p, estado_.CoordX, estado_.CoordY))
                throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, {linea, ruta}, std::string(kFueraDelHuso30));
            lista_sitna::EscribirPunto(destino);
        }
        return;
    }

    const FormatoFichero& texto = Formato(FicheroDeFormato(formato));
    LectorLineas entrada(ruta);
    AbrirSalidaSiFalta();
    // One list over every file: each point is counted before its line, a MapSource export's too.
    DestinoPunto destino{estado_, *NumFichSalida, caja_, primeraEntrada_, false};
    const auto lectorFormato = texto.crearLector();
    LectorPuntos lector(entrada, *lectorFormato, conversor_, texto.primeraLineaCabecera);
    while (lector.Siguiente(estado_.CoordX, estado_.CoordY)) lista_sitna::EscribirPunto(destino);
    entrada.Cerrar();
}

}  // namespace varnel
