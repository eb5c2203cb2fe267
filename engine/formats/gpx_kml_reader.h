#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/run_error.h"
#include "engine/formats/kml_coordinates.h"
#include "engine/geodesy/transverse_mercator.h"
#include "engine/xml/xml_reader.h"

namespace varnel {

// The GPS files of today, told apart by their content.
enum class FormatoGps { Ninguno, Gpx, Kml };

// A GPX (1.0 or 1.1) or KML (2.x) file by its root element, whatever its
// name, encoding or namespace prefix; Ninguno for anything else, XML or not.
// Only the start of the file is read. A file that cannot be opened is
// thrown as ErrorEjecucion, as for every input.
FormatoGps ReconocerFormatoGps(const std::filesystem::path& ruta);

// A file whose content gives no points: error 13 on its line, saying why.
ErrorEjecucion RechazarContenido(std::int64_t linea, const std::filesystem::path& ruta, std::string motivo);

// The points of a GPX or KML file, in file order, one at a time, in WGS 84
// degrees with the line each came from:
// - GPX: the track points of every track and segment; without any, the
//   route points; without those, the waypoints (the line of the point's tag);
// - KML: the tuples of every LineString; without any, those of the Points
//   (the line where the tuple is written, counted from its coordinates tag).
// Each kind is a pass over the file, so memory stays flat at any size.
// Refusals are those of RechazarContenido: not GPX or KML, malformed or cut-short XML
// (the parser's line), a missing or wrong lat/lon, a wrong tuple.
class LectorGpxKml final : private ReceptorXml {
public:
    // Opens the file and reads up to its root element.
    explicit LectorGpxKml(const std::filesystem::path& ruta);
    ~LectorGpxKml() override;
    LectorGpxKml(const LectorGpxKml&) = delete;
    LectorGpxKml& operator=(const LectorGpxKml&) = delete;

    FormatoGps Formato() const { return formato_; }
    // The next point; false when the file has no more.
    bool Siguiente(PosicionGeografica& p, std::int64_t& linea);

private:
    enum class Pasada { PuntosTrack, PuntosRuta, Waypoints, Lineas, PuntosKml };
    enum class Marca : unsigned char { Otra, Trk, Trkseg, Rte };

    void InicioElemento(std::string_view nombre, std::string_view espacio,
                        std::span<const AtributoXml> atributos) override;
    void FinElemento(std::string_view nombre, std::string_view espacio) override;
    void Texto(std::string_view texto) override;

    void Raiz(std::string_view nombre, std::string_view espacio);
    void ElementoGpx(std::string_view nombre, std::span<const AtributoXml> atributos);
    void ElementoKml(std::string_view nombre);
    void PuntoGpx(std::span<const AtributoXml> atributos);
    void Rechazar(std::int64_t linea, std::string motivo);
    void RechazarTupla();
    void CortarTupla();
    void Entregar(std::size_t antes);
    bool LeerXml();
    void AbrirPasada();
    bool PasarALaSiguiente();

    std::filesystem::path ruta_;
    std::unique_ptr<LectorXml> xml_;
    FormatoGps formato_ = FormatoGps::Ninguno;
    Pasada pasada_ = Pasada::PuntosTrack;
    std::string espacioRaiz_;
    std::int64_t profundidad_ = 0;
    Marca camino_[4] = {};                    // what the GPX elements at depths 1 to 3 are
    std::int64_t profundidadGeometria_ = -1;  // of the KML geometry being read
    bool recogiendo_ = false;                 // inside its coordinates
    CoordenadasKml coordenadas_;
    std::vector<PuntoLeido> cola_;             // read, not yet handed out
    std::unique_ptr<ErrorEjecucion> rechazo_;  // found, thrown once the points before it are out
    std::size_t entregados_ = 0;
    std::int64_t puntosPasada_ = 0;
    bool hayRuta_ = false;  // what the first pass saw for the others
    bool hayWaypoints_ = false;
    bool hayPuntosKml_ = false;
};

}  // namespace varnel
