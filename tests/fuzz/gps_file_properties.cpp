#include "tests/fuzz/gps_file_properties.h"

#include <cmath>
#include <filesystem>
#include <vector>

#include "engine/core/run_error.h"
#include "engine/formats/gpx_kml_reader.h"
#include "tests/test_support.h"
#include "ui/logic/run_report.h"

namespace varnel::prueba {
namespace {
namespace fs = std::filesystem;

// Removed when the program ends, fuzzer or test suite.
const fs::path& Fichero() {
    static const CarpetaTemporal carpeta;
    static const fs::path fichero = carpeta / "soltado.gpx";
    return fichero;
}

struct Lectura {
    FormatoGps formato = FormatoGps::Ninguno;
    std::vector<double> valores;    // latitude, longitude, line of each point
    std::int64_t lineaRechazo = 0;  // 0: no refusal
    std::string motivo;
};

std::optional<std::string> Leer(Lectura& l) {
    try {
        LectorGpxKml lector(Fichero());
        l.formato = lector.Formato();
        PosicionGeografica p{};
        std::int64_t linea = 0;
        while (lector.Siguiente(p, linea)) {
            l.valores.push_back(p.latitud);
            l.valores.push_back(p.longitud);
            l.valores.push_back(static_cast<double>(linea));
        }
    } catch (const ErrorEjecucion& e) {
        // A refusal of the content is error 13 with its line; anything else is not expected here.
        if (e.Codigo() != codigo::TiposNoCoinciden || e.Linea().numero < 1)
            return "error inesperado: " + logica::TextoError(e);
        l.lineaRechazo = e.Linea().numero;
        l.motivo = e.Motivo();
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
    const std::string bytes(datos);
    EscribirBytes(Fichero(), bytes);

    FormatoGps reconocido = FormatoGps::Ninguno;
    try {
        reconocido = ReconocerFormatoGps(Fichero());
    } catch (const std::exception& e) {
        return std::string("reconocer lanzó: ") + e.what();
    }

    Lectura primera;
    if (auto f = Leer(primera)) return f;
    const std::int64_t cota = CotaDeLineas(datos);
    if (reconocido == FormatoGps::Ninguno && primera.lineaRechazo == 0)
        return "sin formato reconocido, pero leído sin rechazo";
    if (reconocido != FormatoGps::Ninguno && primera.formato != reconocido) return "el lector ve otro formato";
    if (primera.lineaRechazo < 0 || primera.lineaRechazo > cota)
        return "rechazo en la línea " + std::to_string(primera.lineaRechazo) + ", fuera del fichero";
    if (primera.lineaRechazo != 0 && primera.motivo.empty()) return "rechazo sin motivo";
    double lineaAnterior = 1;
    for (std::size_t i = 0; i < primera.valores.size(); i += 3) {
        const double lat = primera.valores[i];
        const double lon = primera.valores[i + 1];
        const double linea = primera.valores[i + 2];
        if (!std::isfinite(lat) || !std::isfinite(lon) || std::fabs(lat) > 90 || std::fabs(lon) > 180)
            return "punto fuera del globo";
        if (linea < lineaAnterior || linea > static_cast<double>(cota)) return "línea de punto imposible";
        lineaAnterior = linea;
    }

    Lectura segunda;
    if (auto f = Leer(segunda)) return f;
    if (segunda.valores != primera.valores || segunda.lineaRechazo != primera.lineaRechazo ||
        segunda.motivo != primera.motivo)
        return "una segunda lectura da otra cosa";
    if (LeerBytes(Fichero()) != bytes) return "el fichero cambió";
    return std::nullopt;
}

}  // namespace varnel::prueba
