#include "engine/formats/gpx_kml_reader.h"

#include <algorithm>

#include "engine/core/value.h"

namespace varnel {
namespace {

bool EsEspacioGpx(std::string_view e) {
    return e.empty() || e == "http://www.topografix.com/GPX/1/0" || e == "http://www.topografix.com/GPX/1/1";
}

// KML 2.2 as the OGC publishes it, and Google's 2.0 to 2.2 before that.
bool EsEspacioKml(std::string_view e) {
    return e.empty() || e == "http://www.opengis.net/kml/2.2" || e.starts_with("http://earth.google.com/kml/2.");
}

FormatoGps FormatoDeRaiz(std::string_view nombre, std::string_view espacio) {
    if (nombre == "gpx" && EsEspacioGpx(espacio)) return FormatoGps::Gpx;
    if (nombre == "kml" && EsEspacioKml(espacio)) return FormatoGps::Kml;
    return FormatoGps::Ninguno;
}

// A value as a refusal shows it: at most 40 bytes, never half a character.
std::string Citar(std::string_view v) {
    std::string s = "«";
    if (v.size() <= 40) {
        s += v;
    } else {
        std::size_t corte = 40;
        while (corte > 0 && (static_cast<unsigned char>(v[corte]) & 0xC0) == 0x80) --corte;
        s += v.substr(0, corte);
        s += "…";
    }
    s += "»";
    return s;
}

// Stops at the first element and keeps what it is.
class ReceptorRaiz final : public ReceptorXml {
public:
    LectorXml* xml = nullptr;
    FormatoGps formato = FormatoGps::Ninguno;

    void InicioElemento(std::string_view nombre, std::string_view espacio, std::span<const AtributoXml>) override {
        formato = FormatoDeRaiz(nombre, espacio);
        xml->Pausar();
    }
    void FinElemento(std::string_view, std::string_view) override {}
    void Texto(std::string_view) override {}
};

}  // namespace

FormatoGps ReconocerFormatoGps(const std::filesystem::path& ruta) {
    ReceptorRaiz raiz;
    LectorXml xml(ruta, raiz);
    raiz.xml = &xml;
    try {
        xml.Leer();
    } catch (const ErrorXml&) {
        return FormatoGps::Ninguno;  // not XML, or broken before its root
    }
    return raiz.formato;
}

ErrorEjecucion RechazarContenido(std::int64_t linea, const std::filesystem::path& ruta, std::string motivo) {
    return ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, {linea, ruta}, std::move(motivo));
}

LectorGpxKml::LectorGpxKml(const std::filesystem::path& ruta) : ruta_(ruta) {
    AbrirPasada();
    LeerXml();  // up to the root, which says the format
}

LectorGpxKml::~LectorGpxKml() = default;

void LectorGpxKml::AbrirPasada() {
    xml_.reset();
    xml_ = std::make_unique<LectorXml>(ruta_, static_cast<ReceptorXml&>(*this));
    profundidad_ = 0;
    profundidadGeometria_ = -1;
    recogiendo_ = false;
    puntosPasada_ = 0;
}

bool LectorGpxKml::LeerXml() {
    try {
        return xml_->Leer();
    } catch (const ErrorXml& e) {
        const std::int64_t linea = std::max<std::int64_t>(e.Linea(), 1);
        throw RechazarContenido(linea, ruta_,
                                e.Incompleto() ? "fichero incompleto" : "XML mal formado: " + e.Mensaje());
    }
}

bool LectorGpxKml::Siguiente(PosicionGeografica& p, std::int64_t& linea) {
    while (true) {
        if (entregados_ < cola_.size()) {
            const PuntoLeido& q = cola_[entregados_++];
            p = q.posicion;
            linea = q.linea;
            return true;
        }
        cola_.clear();
        entregados_ = 0;
        if (rechazo_) throw *rechazo_;
        if (!xml_) return false;
        if (LeerXml()) continue;
        if (!PasarALaSiguiente()) xml_.reset();
    }
}

// A pass that found nothing gives way to the next kind of point the file has.
bool LectorGpxKml::PasarALaSiguiente() {
    if (puntosPasada_ > 0) return false;
    switch (pasada_) {
    case Pasada::PuntosTrack:
        if (!hayRuta_ && !hayWaypoints_) return false;
        pasada_ = hayRuta_ ? Pasada::PuntosRuta : Pasada::Waypoints;
        break;
    case Pasada::PuntosRuta:
        if (!hayWaypoints_) return false;
        pasada_ = Pasada::Waypoints;
        break;
    case Pasada::Lineas:
        if (!hayPuntosKml_) return false;
        pasada_ = Pasada::PuntosKml;
        break;
    case Pasada::Waypoints:
    case Pasada::PuntosKml: return false;
    }
    AbrirPasada();
    return true;
}

void LectorGpxKml::Raiz(std::string_view nombre, std::string_view espacio) {
    if (formato_ == FormatoGps::Ninguno) {
        formato_ = FormatoDeRaiz(nombre, espacio);
        if (formato_ == FormatoGps::Ninguno) throw RechazarContenido(xml_->Linea(), ruta_, "formato no reconocido");
        espacioRaiz_ = espacio;
        pasada_ = formato_ == FormatoGps::Gpx ? Pasada::PuntosTrack : Pasada::Lineas;
    }
    xml_->Pausar();
}

void LectorGpxKml::InicioElemento(std::string_view nombre, std::string_view espacio,
                                  std::span<const AtributoXml> atributos) {
    if (rechazo_) return;
    ++profundidad_;
    if (profundidad_ == 1) return Raiz(nombre, espacio);
    if (recogiendo_) CortarTupla();
    if (espacio != espacioRaiz_) {
        if (profundidad_ <= 3) camino_[profundidad_] = Marca::Otra;
        return;
    }
    if (formato_ == FormatoGps::Gpx)
        ElementoGpx(nombre, atributos);
    else
        ElementoKml(nombre);
}

void LectorGpxKml::ElementoGpx(std::string_view nombre, std::span<const AtributoXml> atributos) {
    Marca marca = Marca::Otra;
    if (profundidad_ == 2) {
        if (nombre == "trk") {
            marca = Marca::Trk;
        } else if (nombre == "rte") {
            marca = Marca::Rte;
        } else if (nombre == "wpt") {
            hayWaypoints_ = true;
            if (pasada_ == Pasada::Waypoints) PuntoGpx(atributos);
        }
    } else if (profundidad_ == 3) {
        if (camino_[2] == Marca::Trk && nombre == "trkseg") {
            marca = Marca::Trkseg;
        } else if (camino_[2] == Marca::Rte && nombre == "rtept") {
            hayRuta_ = true;
            if (pasada_ == Pasada::PuntosRuta) PuntoGpx(atributos);
        }
    } else if (profundidad_ == 4 && camino_[2] == Marca::Trk && camino_[3] == Marca::Trkseg && nombre == "trkpt" &&
               pasada_ == Pasada::PuntosTrack) {
        PuntoGpx(atributos);
    }
    if (profundidad_ <= 3) camino_[profundidad_] = marca;
}

void LectorGpxKml::PuntoGpx(std::span<const AtributoXml> atributos) {
    const std::string_view* lat = nullptr;
    const std::string_view* lon = nullptr;
    for (const AtributoXml& a : atributos) {
        if (!a.espacio.empty()) continue;
        if (a.nombre == "lat") lat = &a.valor;
        if (a.nombre == "lon") lon = &a.valor;
    }
    const std::int64_t linea = xml_->Linea();
    if (!lat) return Rechazar(linea, "falta la latitud (lat)");
    if (!lon) return Rechazar(linea, "falta la longitud (lon)");
    const auto latitud = LeerNumero(*lat);
    if (!latitud || *latitud < -90 || *latitud > 90) return Rechazar(linea, "latitud no válida " + Citar(*lat));
    const auto longitud = LeerNumero(*lon);
    if (!longitud || *longitud < -180 || *longitud > 180) return Rechazar(linea, "longitud no válida " + Citar(*lon));
    const std::size_t antes = cola_.size();
    cola_.push_back({{*latitud, *longitud}, linea});
    Entregar(antes);
}

// An element inside coordinates ends the tuple before it.
void LectorGpxKml::CortarTupla() {
    const std::size_t antes = cola_.size();
    if (!coordenadas_.Terminar(cola_)) return RechazarTupla();
    Entregar(antes);
}

void LectorGpxKml::ElementoKml(std::string_view nombre) {
    if (nombre == "LineString" || nombre == "Point") {
        const bool lineString = nombre == "LineString";
        if (!lineString) hayPuntosKml_ = true;
        profundidadGeometria_ = lineString == (pasada_ == Pasada::Lineas) ? profundidad_ : -1;
    } else if (nombre == "coordinates" && !recogiendo_ && profundidadGeometria_ >= 0 &&
               profundidad_ == profundidadGeometria_ + 1) {
        recogiendo_ = true;
        coordenadas_.Empezar(xml_->Linea());
    }
}

void LectorGpxKml::FinElemento(std::string_view, std::string_view) {
    if (rechazo_) return;
    if (recogiendo_ && profundidad_ == profundidadGeometria_ + 1) {
        const std::size_t antes = cola_.size();
        recogiendo_ = false;
        if (!coordenadas_.Terminar(cola_)) return RechazarTupla();
        Entregar(antes);
    }
    if (profundidad_ == profundidadGeometria_) profundidadGeometria_ = -1;
    --profundidad_;
}

void LectorGpxKml::Texto(std::string_view texto) {
    if (!recogiendo_ || rechazo_) return;
    const std::size_t antes = cola_.size();
    if (!coordenadas_.Anadir(texto, cola_)) return RechazarTupla();
    Entregar(antes);
}

// The parser stops here; the points read before go out first.
void LectorGpxKml::Rechazar(std::int64_t linea, std::string motivo) {
    rechazo_ = std::make_unique<ErrorEjecucion>(RechazarContenido(linea, ruta_, std::move(motivo)));
    xml_->Pausar();
}

void LectorGpxKml::RechazarTupla() {
    Rechazar(coordenadas_.LineaRechazada(), "coordenadas no válidas " + Citar(coordenadas_.Rechazada()));
}

// Points just read: the parser stops so they are handed out before it reads on.
void LectorGpxKml::Entregar(std::size_t antes) {
    if (cola_.size() == antes) return;
    puntosPasada_ += static_cast<std::int64_t>(cola_.size() - antes);
    xml_->Pausar();
}

}  // namespace varnel
