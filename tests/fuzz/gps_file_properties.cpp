#include "tests/fuzz/gps_file_properties.h"

#include <cmath>
#include <vector>

#include "engine/core/run_error.h"
#include "engine/formats/format_rows.h"
#include "engine/platform/byte_source.h"
#include "tests/gps_points.h"
#include "ui/logic/run_report.h"

namespace varnel::prueba {
namespace {

// A refusal of the content is error 13 with its line, kept in `l`; anything
// else is not expected here.
template <typename L>
std::optional<std::string> AnotarRechazo(const ErrorEjecucion& e, L& l) {
    if (e.Codigo() != codigo::TiposNoCoinciden || e.Linea().numero < 1)
        return "error inesperado: " + logica::TextoError(e);
    l.lineaRechazo = e.Linea().numero;
    l.motivo = e.Motivo();
    return std::nullopt;
}

struct Lectura {
    const FilaFormato* formato = nullptr;
    bool xml = false;  // the probe looked for an XML root
    std::vector<PuntoGps> puntos;
    std::int64_t lineaRechazo = 0;  // 0: no refusal
    std::string motivo;
};

// Reads `datos` into `l`, whose vector keeps its room from the input before:
// under ASan, growing it anew for every input costs more than small files' reading.
std::optional<std::string> Leer(std::string_view datos, Lectura& l) {
    l.formato = nullptr;
    l.xml = false;
    l.puntos.clear();
    l.lineaRechazo = 0;
    l.motivo.clear();
    try {
        BytesEnMemoria bytes(datos, "soltado.gpx");
        const CabezaFichero cabeza = LeerCabeza(bytes);
        l.xml = cabeza.hayPrimera && cabeza.primera.front() == '<';
        l.formato = ReconocerFormato(cabeza);
        LeerPuntosGps(bytes, cabeza, l.puntos);
    } catch (const ErrorEjecucion& e) {
        return AnotarRechazo(e, l);
    } catch (const std::exception& e) {
        return std::string("excepción: ") + e.what();
    }
    return std::nullopt;
}

// More than any encoding can have: every line end holds a CR or LF byte.
std::int64_t CotaDeLineas(std::string_view datos) {
    std::int64_t n = 1;
    for (char c : datos) n += c == '\n' || c == '\r';
    return n;
}

}  // namespace

std::optional<std::string> ComprobarFicheroGps(std::string_view datos) {
    static Lectura primera;
    static Lectura segunda;
    if (auto f = Leer(datos, primera)) return f;
    const bool gps = primera.formato == &formato::kGpx || primera.formato == &formato::kKml;
    const std::int64_t cota = CotaDeLineas(datos);
    if (primera.xml && !gps && primera.lineaRechazo == 0) return "sin formato GPS reconocido, pero leído sin rechazo";
    if (primera.lineaRechazo < 0 || primera.lineaRechazo > cota)
        return "rechazo en la línea " + std::to_string(primera.lineaRechazo) + ", fuera del fichero";
    if (primera.lineaRechazo != 0 && primera.motivo.empty()) return "rechazo sin motivo";
    std::int64_t lineaAnterior = 1;
    for (const PuntoGps& p : primera.puntos) {
        if (!std::isfinite(p.latitud) || !std::isfinite(p.longitud) || std::fabs(p.latitud) > 90 ||
            std::fabs(p.longitud) > 180)
            return "punto fuera del globo";
        if (p.linea < lineaAnterior || p.linea > cota) return "línea de punto imposible";
        lineaAnterior = p.linea;
    }

    if (auto f = Leer(datos, segunda)) return f;
    if (segunda.puntos != primera.puntos || segunda.lineaRechazo != primera.lineaRechazo ||
        segunda.motivo != primera.motivo)
        return "una segunda lectura da otra cosa";
    return std::nullopt;
}

namespace {

struct LecturaLector {
    std::vector<PuntoFichero> puntos;
    std::vector<std::int64_t> lineas;
    std::int64_t lineaRechazo = 0;
    std::string motivo;
};

std::optional<std::string> LeerCon(CrearLectorGps crear, std::string_view datos, LecturaLector& l) {
    l.puntos.clear();
    l.lineas.clear();
    l.lineaRechazo = 0;
    l.motivo.clear();
    try {
        BytesEnMemoria bytes(datos, "soltado");
        const auto lector = crear(bytes);
        PuntoFichero p;
        while (lector->Siguiente(p)) {
            l.puntos.push_back(p);
            l.lineas.push_back(lector->NumeroLinea());
        }
    } catch (const ErrorEjecucion& e) {
        return AnotarRechazo(e, l);
    } catch (const std::exception& e) {
        return std::string("excepción: ") + e.what();
    }
    return std::nullopt;
}

bool MismoPunto(const PuntoFichero& a, const PuntoFichero& b) {
    return a.forma == b.forma && a.datum == b.datum && a.huso == b.huso && a.sur == b.sur && a.x == b.x && a.y == b.y &&
           (a.forma == PuntoFichero::Forma::Utm ||
            (a.geo.latitud == b.geo.latitud && a.geo.longitud == b.geo.longitud));
}

}  // namespace

std::optional<std::string> ComprobarLectorGps(CrearLectorGps crear, std::string_view datos) {
    static LecturaLector primera;
    static LecturaLector segunda;
    if (auto f = LeerCon(crear, datos, primera)) return f;
    const std::int64_t cota = CotaDeLineas(datos);
    if (primera.lineaRechazo > cota) return "rechazo fuera del fichero";
    if (primera.lineaRechazo != 0 && primera.motivo.empty()) return "rechazo sin motivo";
    std::int64_t lineaAnterior = 1;
    for (std::size_t i = 0; i < primera.puntos.size(); ++i) {
        const PuntoFichero& p = primera.puntos[i];
        if (p.forma == PuntoFichero::Forma::Geograficas) {
            if (!std::isfinite(p.geo.latitud) || !std::isfinite(p.geo.longitud) || std::fabs(p.geo.latitud) > 90 ||
                std::fabs(p.geo.longitud) > 180)
                return "punto fuera del globo";
        } else {
            const auto x = p.x.ComoNumero();
            const auto y = p.y.ComoNumero();
            if (!x || !y || !std::isfinite(*x) || !std::isfinite(*y)) return "posición UTM no numérica";
        }
        // Whatever kind of point the file gives, it comes in file order.
        if (primera.lineas[i] < lineaAnterior || primera.lineas[i] > cota) return "línea de punto imposible";
        lineaAnterior = primera.lineas[i];
    }
    if (auto f = LeerCon(crear, datos, segunda)) return f;
    if (segunda.puntos.size() != primera.puntos.size() || segunda.lineas != primera.lineas ||
        segunda.lineaRechazo != primera.lineaRechazo || segunda.motivo != primera.motivo)
        return "una segunda lectura da otra cosa";
    for (std::size_t i = 0; i < primera.puntos.size(); ++i)
        if (!MismoPunto(primera.puntos[i], segunda.puntos[i])) return "una segunda lectura da otro punto";
    return std::nullopt;
}

}  // namespace varnel::prueba
