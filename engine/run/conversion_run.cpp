#include "engine/run/conversion_run.h"

#include "engine/formats/exchange_file.h"
#include "engine/formats/format_rows.h"
#include "engine/formats/ozi_reader.h"
#include "engine/formats/point_reader.h"
#include "engine/platform/native_file.h"
#include "engine/text/text_lines.h"

namespace varnel {

EjecucionConversion::EjecucionConversion(const Conversion& conversion, const std::optional<std::string>& cuadro,
                                         EstadoCompartido& estado, ConversorLista& conversor, std::string& caja,
                                         std::vector<std::filesystem::path>& escritos)
    : conversion_(conversion),
      cuadro_(cuadro),
      estado_(estado),
      conversor_(conversor),
      caja_(caja),
      escritos_(escritos) {}

void EjecucionConversion::Convertir() {
    const Conversion& c = conversion_;
    const FormatoFichero& ficheroEntrada = Formato(c.entrada);
    const FilaFormato& entrada = ficheroEntrada.fila;
    const FilaFormato& salida = Formato(c.salida).fila;
    const bool deCaja = c.entrada == FicheroIntercambio::ListaSitna && cuadro_.has_value();
    if (!deCaja) AbrirEntrada(Ruta(estado_, c.entrada));
    AbrirSalida(Ruta(estado_, c.salida));
    if (salida.cabeceraDatum) NumFichSalida->EscribirBytes(CabeceraOzi(conversor_.Lista()));

    LineasTexto lineasCaja(deCaja ? std::string_view(*cuadro_) : std::string_view());
    std::unique_ptr<LectorPuntosFichero> lectorFichero;
    if (deCaja)
        lectorFichero = std::make_unique<LectorPuntosTexto>(lineasCaja, entrada.lineas(), entrada.exigeLinea);
    else
        lectorFichero = entrada.leer(*NumFichEntrada);
    LectorPuntos lector(*lectorFichero, conversor_);
    // Reading Ozi waypoints the list writer's flag is the shared PrimerPunto.
    std::int16_t primeraEntradaRun = -1;
    DestinoPunto destino{
        .estado = estado_,
        .fichero = *NumFichSalida,
        .caja = caja_,
        .primeraEntrada = c.entrada == FicheroIntercambio::WaypointsOzi ? estado_.PrimerPunto : primeraEntradaRun,
        .cuentaTrasEscribirFichero = ficheroEntrada.cuentaTrasEscribirLista,
    };
    while (lector.Siguiente(estado_.CoordX, estado_.CoordY)) salida.escribir(destino);

    lectorFichero.reset();
    NumFichEntrada.reset();
    NumFichSalida->Cerrar();
}

void EjecucionConversion::AbrirEntrada(const std::filesystem::path& ruta) {
    NumFichEntrada = std::make_unique<FicheroEntrada>(ruta);
}

void EjecucionConversion::AbrirSalida(const std::filesystem::path& ruta) {
    // An output that is the input under another name (a link) would be emptied
    // before it is read: refuse it rather than lose the user's file, and say which.
    if (NumFichEntrada && MismoFichero(NumFichEntrada->Ruta(), ruta))
        throw ErrorEjecucion::SobreFichero(codigo::AccesoRuta, ruta);
    NumFichSalida = std::make_unique<EscritorTexto>(ruta);
    escritos_.push_back(ruta);
}

}  // namespace varnel
