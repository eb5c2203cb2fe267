#include "tests/fuzz/conversion_properties.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "engine/core/run_error.h"
#include "engine/formats/exchange_file.h"
#include "engine/formats/point_reader.h"
#include "engine/run/varnel_engine.h"
#include "engine/text/line_reader.h"
#include "engine/text/text_lines.h"
#include "tests/test_support.h"
#include "ui/logic/run_report.h"

namespace varnel::prueba {
namespace {
namespace fs = std::filesystem;

using Puntos = std::vector<std::string>;  // "easting,northing" in the list file's formats

// One scratch folder for every input, removed when the program ends.
const fs::path& Carpeta() {
    static const CarpetaTemporal carpeta;
    return carpeta.Ruta();
}

void Limpiar() {
    for (const char* n : {"Sitna-Descargar.txt", "Sitna-OziWp.txt", "Sitna-OziTrack.txt", "Sitna-Mapsource.txt"})
        fs::remove(Carpeta() / n);
}

Puntos Leidos(FuenteLineas& fuente, FicheroIntercambio fichero) {
    Puntos p;
    const FilaFormato& formato = Formato(fichero).fila;
    LectorPuntosTexto puntos(fuente, formato.lineas(), formato.exigeLinea);
    // What the run wrote is on the list's datum (ED50 unless the window chooses otherwise).
    ConversorLista conversor(DatumLista::Ed50);
    LectorPuntos lector(puntos, conversor);
    Valor x;
    Valor y;
    while (lector.Siguiente(x, y)) p.push_back(FormatoCeros(x, 6) + "," + FormatoCeros(y, 7));
    return p;
}

// A file's points, or an error text when its own reader refuses it.
std::optional<Puntos> PuntosDeFichero(const fs::path& ruta, FicheroIntercambio fichero, std::string& fallo) {
    try {
        LectorLineas f(ruta);
        return Leidos(f, fichero);
    } catch (const ErrorEjecucion& e) {
        fallo = Utf8(ruta.filename()) + " no se relee: " + logica::TextoError(e);
        return std::nullopt;
    }
}

std::optional<Puntos> PuntosDeTexto(const std::string& texto, std::string& fallo) {
    try {
        LineasTexto t(texto);
        return Leidos(t, FicheroIntercambio::ListaSitna);
    } catch (const ErrorEjecucion& e) {
        fallo = "el cuadro no se relee: " + logica::TextoError(e);
        return std::nullopt;
    }
}

// The count in "Generados N ...", or -1 when the run ended in an error report.
std::optional<std::string> Final(const ResultadoEjecucion& r, int& contados) {
    contados = -1;
    const logica::InformeEjecucion informe = logica::Informe(r);
    const std::string& mensajes = informe.mensajes;
    if (mensajes.rfind("Generados ", 0) == 0) {
        if (r.error || informe.modal) return "resumen con informe de error";
        contados = std::atoi(mensajes.c_str() + 10);
        if (contados != r.puntos) return "el resumen no dice los puntos contados";
        return std::nullopt;
    }
    if (mensajes.rfind("Error:", 0) != 0) return "ni resumen ni error: " + mensajes;
    const int codigo = std::atoi(mensajes.c_str() + 6);
    if (!logica::EsCodigoConocido(codigo)) return "código desconocido: " + mensajes;
    if (!r.error || !informe.modal) return "informe de error incompleto";
    if (mensajes.rfind(*informe.modal, 0) != 0) return "la caja modal no dice lo mismo";
    return std::nullopt;
}

// A run in the scratch folder, the list's datum ED50.
ResultadoEjecucion Ejecutar(const Conversion& conversion, std::optional<std::string> cuadro) {
    MotorVarnel m;
    return m.Ejecutar({conversion, Carpeta(), std::move(cuadro), OpcionGarmin::Option1, DatumLista::Ed50});
}

std::optional<std::string> Comparar(const Puntos& obtenidos, int contados, const Puntos& esperados, const char* que) {
    if (static_cast<int>(obtenidos.size()) != contados)
        return std::string(que) + ": " + std::to_string(obtenidos.size()) + " puntos, el resumen dice " +
               std::to_string(contados);
    if (obtenidos != esperados) return std::string(que) + ": los puntos no son los leídos, o no en su orden";
    return std::nullopt;
}

// SITNA list (file or box) to both Ozi files.
std::optional<std::string> HaciaOzi(bool deCaja, std::string_view datos) {
    const fs::path lista = Carpeta() / "Sitna-Descargar.txt";
    std::string fallo;
    Puntos esperados;
    bool entradaValida = true;
    try {
        if (deCaja) {
            LineasTexto t(datos);
            esperados = Leidos(t, FicheroIntercambio::ListaSitna);
        } else {
            EscribirBytes(lista, std::string(datos));
            LectorLineas f(lista);
            esperados = Leidos(f, FicheroIntercambio::ListaSitna);
        }
    } catch (const ErrorEjecucion&) {
        entradaValida = false;
    }

    for (const bool waypoints : {true, false}) {
        const ResultadoEjecucion r = Ejecutar(waypoints ? conversiones::SitnaWpOzi : conversiones::SitnaTrackOzi,
                                              deCaja ? std::optional<std::string>(datos) : std::nullopt);
        int contados = 0;
        if (auto f = Final(r, contados)) return f;
        if (r.lista) return "una lista para el cuadro desde SITNA";
        if (!deCaja && LeerBytes(lista) != datos) return "la lista de entrada cambió";
        if (contados < 0) continue;
        if (!entradaValida) return "resumen para una entrada que su lector rechaza";
        const fs::path salida = Carpeta() / (waypoints ? "Sitna-OziWp.txt" : "Sitna-OziTrack.txt");
        auto leidos =
            PuntosDeFichero(salida, waypoints ? FicheroIntercambio::WaypointsOzi : FicheroIntercambio::TrackOzi, fallo);
        if (!leidos) return fallo;
        if (auto f = Comparar(*leidos, contados, esperados, salida.filename().string().c_str())) return f;
    }
    return std::nullopt;
}

// An Ozi or MapSource file to the SITNA list and the box.
std::optional<std::string> HaciaSitna(Objetivo objetivo, std::string_view datos) {
    const char* nombre = objetivo == Objetivo::WaypointsOzi ? "Sitna-OziWp.txt"
                         : objetivo == Objetivo::TrackOzi   ? "Sitna-OziTrack.txt"
                                                            : "Sitna-Mapsource.txt";
    const fs::path entrada = Carpeta() / nombre;
    EscribirBytes(entrada, std::string(datos));
    const Conversion conversion = objetivo == Objetivo::WaypointsOzi ? conversiones::WpOziSitna
                                  : objetivo == Objetivo::TrackOzi   ? conversiones::TrackOziSitna
                                                                     : conversiones::MapsourceSitna;
    const ResultadoEjecucion r = Ejecutar(conversion, "no se lee");

    int contados = 0;
    if (auto f = Final(r, contados)) return f;
    if (LeerBytes(entrada) != datos) return "la entrada cambió";
    if (!r.lista) return "ninguna lista para el cuadro";
    std::string fallo;
    auto deFichero = PuntosDeFichero(Carpeta() / "Sitna-Descargar.txt", FicheroIntercambio::ListaSitna, fallo);
    if (!deFichero) return contados < 0 ? std::nullopt : std::optional<std::string>(fallo);
    auto deCaja = PuntosDeTexto(*r.lista, fallo);
    if (!deCaja) return fallo;
    if (contados < 0) {
        // After an error the file may hold one point more than the box, never fewer.
        if (deFichero->size() < deCaja->size() || deFichero->size() > deCaja->size() + 1)
            return "tras el error, fichero y cuadro no casan";
        if (!std::equal(deCaja->begin(), deCaja->end(), deFichero->begin()))
            return "tras el error, el cuadro no es el principio del fichero";
        return std::nullopt;
    }
    if (auto f = Comparar(*deFichero, contados, *deCaja, "Sitna-Descargar.txt")) return f;
    if (objetivo != Objetivo::Mapsource) {
        auto esperados = PuntosDeFichero(
            entrada,
            objetivo == Objetivo::WaypointsOzi ? FicheroIntercambio::WaypointsOzi : FicheroIntercambio::TrackOzi,
            fallo);
        if (!esperados) return "resumen para una entrada que su lector rechaza";
        if (auto f = Comparar(*deFichero, contados, *esperados, "Sitna-Descargar.txt")) return f;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ComprobarConversion(Objetivo objetivo, std::string_view datos) {
    Limpiar();
    const auto conCabecera = [&](Objetivo base, std::string cabecera) {
        return HaciaSitna(base, cabecera.append(datos));
    };
    switch (objetivo) {
    case Objetivo::ListaSitnaFichero: return HaciaOzi(false, datos);
    case Objetivo::ListaSitnaCuadro: return HaciaOzi(true, datos);
    case Objetivo::WaypointsOziPropios:
        return conCabecera(Objetivo::WaypointsOzi,
                           "OziExplorer Waypoint File Version 1.1\r\nWGS 84\r\nReserved 2\r\ngarmin\r\n");
    case Objetivo::TrackOziPropio:
        return conCabecera(Objetivo::TrackOzi,
                           "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\n"
                           "Reserved 3\r\n0,2,255,Track,0,0,2,8421376\r\n0\r\n");
    case Objetivo::MapsourceGeografico:
        return conCabecera(Objetivo::Mapsource, "Grid\tLat/Lon hddd\xB0mm.mmm'\r\nDatum\tWGS 84\r\n");
    default: return HaciaSitna(objetivo, datos);
    }
}

std::optional<std::string> ComprobarFormatos(std::string_view datos) {
    const auto n = LeerNumero(datos);
    const std::string texto(datos);
    const std::string seis = FormatoCeros(Valor::Texto(texto), 6);
    if (!n) {
        if (seis != texto) return "un texto que no es número no pasa sin cambios";
        return std::nullopt;
    }
    if (!std::isfinite(*n)) return "número no finito";
    const std::size_t cifras = seis.size() - (seis[0] == '-' ? 1 : 0);
    if (cifras < 6) return "menos de seis cifras: " + seis;
    for (std::size_t i = seis[0] == '-' ? 1 : 0; i < seis.size(); ++i)
        if (seis[i] < '0' || seis[i] > '9') return "no son solo cifras: " + seis;
    const auto releido = LeerNumero(seis);
    if (!releido || *releido != std::round(*n)) return "no se relee el número redondeado: " + seis;
    if (FormatoCeros(Valor::Numero(*n), 7).size() < 7) return "menos de siete cifras";
    const auto vuelta = LeerNumero(TextoNumero(*n));
    if (!vuelta || *vuelta != *n) return "el texto del número no se relee igual: " + TextoNumero(*n);
    return std::nullopt;
}

}  // namespace varnel::prueba
