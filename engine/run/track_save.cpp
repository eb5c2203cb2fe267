#include "engine/run/track_save.h"

#include <vector>

#include "engine/core/path_text.h"
#include "engine/formats/format_rows.h"
#include "engine/formats/point_reader.h"
#include "engine/geodesy/list_converter.h"
#include "engine/geodesy/list_position.h"
#include "engine/platform/replaced_file.h"
#include "engine/text/text_lines.h"

namespace varnel {

void GuardarTraza(const PeticionGuardado& p, EstadoCompartido& estado, ResultadoEjecucion& r) {
    ExigirRutaConTexto(p.destino);  // its stem names the track
    const FilaFormato& lista = formato::kListaSitna;
    LineasTexto lineas(p.cuadro);
    LectorPuntosTexto lectorCaja(lineas, lista.lineas(), lista.exigeLinea);
    // The box is on the list's datum already: the converter only checks that
    // each point is one the list can hold, so none lands far away or as NaN.
    ConversorLista conversor(p.datumLista, ConversorLista::PuntoPropio::Comprobado);
    LectorPuntos lector(lectorCaja, conversor);

    std::vector<PosicionGeografica> puntos;
    Valor x;
    Valor y;
    while (lector.Siguiente(x, y)) {
        estado.Contador.Incrementar();
        puntos.push_back(Wgs84DeLista({x.ComoNumero().value_or(0), y.ComoNumero().value_or(0)}, p.datumLista));
    }
    if (puntos.empty()) return;

    const std::string nombre = TextoRuta(p.destino.stem());
    // Says which shift brought an ED50 list to WGS 84.
    const std::string paso =
        p.datumLista == DatumLista::Ed50 ? " con la rejilla SPED2ETV2 del IGN (EPSG:1633 donde no llega)" : "";
    const std::string descripcion = "Lista SITNA en UTM huso 30 " + std::string(NombreDatum(p.datumLista)) +
                                    ", pasada a WGS 84" + paso + " (" + std::to_string(puntos.size()) + " puntos)";
    const TrazaWgs84 traza{nombre, p.creador, descripcion, puntos};
    const FilaFormato& fila = p.formato == FormatoTraza::Gpx   ? formato::kGpx
                              : p.formato == FormatoTraza::Kml ? formato::kKml
                                                               : formato::kKmz;
    const std::string documento = fila.documento(traza);

    FicheroSustituido fichero(p.destino);
    r.escritos.push_back(p.destino);
    fichero.Escribir(documento);
    fichero.Confirmar();
}

}  // namespace varnel
