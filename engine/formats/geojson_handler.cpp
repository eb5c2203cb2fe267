#include "engine/formats/geojson_handler.h"

namespace varnel::geojson {
namespace {

// "urn:ogc:def:crs:EPSG::25830", "EPSG:25830", ".../EPSG/0/25830": the code
// after the last separator, when the authority is EPSG.
std::string_view CodigoEpsg(std::string_view nombre) {
    const std::size_t sep = nombre.find_last_of(":/");
    if (sep == std::string_view::npos || nombre.find("EPSG") == std::string_view::npos) return {};
    return nombre.substr(sep + 1);
}

}  // namespace

ReceptorGeoJson::Papel ReceptorGeoJson::PapelNuevo() const {
    if (profundidad_ == 0) return Papel::Otro;
    const Nivel& padre = niveles_[static_cast<std::size_t>(profundidad_)];
    if (padre.papel == Papel::Ignorado) return Papel::Ignorado;
    if (padre.objeto) return padre.clave;
    return padre.papel == Papel::Coordenadas ? Papel::Coordenadas : Papel::Otro;
}

ReceptorGeoJson::Papel ReceptorGeoJson::PapelDe(std::string_view clave) const {
    const Nivel& n = niveles_[static_cast<std::size_t>(profundidad_)];
    switch (n.papel) {
    case Papel::Ignorado: return Papel::Ignorado;
    case Papel::Crs: return clave == "properties" ? Papel::CrsPropiedades : Papel::Otro;
    case Papel::CrsPropiedades: return clave == "name" || clave == "href" ? Papel::CrsNombre : Papel::Otro;
    default: break;
    }
    if (clave == "type") return Papel::Tipo;
    if (clave == "coordinates") return Papel::Coordenadas;
    if (clave == "properties") return Papel::Ignorado;  // anything may be in there
    if (clave == "crs" && profundidad_ == 1) return Papel::Crs;
    return Papel::Otro;
}

bool ReceptorGeoJson::Fallar(std::string motivo) {
    if (!rechazo_) rechazo_ = RechazoJson{linea_, std::move(motivo)};
    return false;  // stops the parser
}

bool ReceptorGeoJson::Abrir(bool objeto) {
    if (profundidad_ == kProfundidadMaxima) return Fallar("anidamiento de más de 64 niveles");
    const Papel papel = PapelNuevo();
    if (papel == Papel::Coordenadas) {
        if (objeto) return Fallar("coordenadas no válidas");
        if (niveles_[static_cast<std::size_t>(profundidad_)].objeto) {  // the member's own array
            if (duenoCoordenadas_ >= 0) return Fallar("coordenadas repetidas");
            duenoCoordenadas_ = profundidad_;
            baseCoordenadas_ = profundidad_ + 1;
        } else if (cuenta_ > 0) {
            return Fallar("coordenadas no válidas");  // numbers and arrays mixed
        }
        cuenta_ = 0;
        conHijos_ = false;
        lineaPosicion_ = linea_;
    }
    niveles_[static_cast<std::size_t>(++profundidad_)] = {objeto, papel, Papel::Otro, Tipo::Ninguno};
    return true;
}

bool ReceptorGeoJson::Key(const char* s, std::size_t n, bool) {
    niveles_[static_cast<std::size_t>(profundidad_)].clave = PapelDe({s, n});
    return true;
}

bool ReceptorGeoJson::Escalar() { return PapelNuevo() == Papel::Coordenadas ? Fallar("coordenadas no válidas") : true; }

bool ReceptorGeoJson::Numero(double n) {
    if (PapelNuevo() != Papel::Coordenadas) return true;
    if (niveles_[static_cast<std::size_t>(profundidad_)].objeto || conHijos_) return Fallar("coordenadas no válidas");
    if (cuenta_ < 2) numeros_[static_cast<std::size_t>(cuenta_)] = n;
    ++cuenta_;
    return true;
}

bool ReceptorGeoJson::Texto(std::string_view t) {
    switch (PapelNuevo()) {
    case Papel::Coordenadas: return Fallar("coordenadas no válidas");
    case Papel::CrsNombre:
        hayCrs_ = true;
        crs_ = t;
        lineaCrs_ = linea_;
        return true;
    case Papel::Tipo: {
        Tipo& tipo = niveles_[static_cast<std::size_t>(profundidad_)].tipo;
        static constexpr std::pair<std::string_view, Tipo> kTipos[] = {
            {"Point", Tipo::Point},           {"MultiPoint", Tipo::MultiPoint},
            {"LineString", Tipo::LineString}, {"MultiLineString", Tipo::MultiLineString},
            {"Polygon", Tipo::Polygon},       {"MultiPolygon", Tipo::MultiPolygon}};
        tipo = Tipo::Otro;
        for (const auto& [nombre, t2] : kTipos)
            if (t == nombre) tipo = t2;
        return true;
    }
    default: return true;
    }
}

bool ReceptorGeoJson::EndArray(std::size_t) {
    if (niveles_[static_cast<std::size_t>(profundidad_)].papel == Papel::Coordenadas) {
        if (cuenta_ > 0) {  // a position
            if (cuenta_ < 2) return Fallar("posición con una sola coordenada");
            const int nivel = profundidad_ - baseCoordenadas_;
            if (nivelPosiciones_ < 0) nivelPosiciones_ = nivel;
            if (nivel != nivelPosiciones_) return Fallar("coordenadas no válidas");
            pendientes_.push_back({numeros_[0], numeros_[1], lineaPosicion_});
            cuenta_ = 0;
        }
        conHijos_ = true;
    }
    --profundidad_;
    return true;
}

bool ReceptorGeoJson::EndObject(std::size_t) {
    if (profundidad_ == duenoCoordenadas_ && !Geometria(niveles_[static_cast<std::size_t>(profundidad_)].tipo))
        return false;
    --profundidad_;
    return true;
}

// An object with coordinates has ended: its type says what they are.
bool ReceptorGeoJson::Geometria(Tipo tipo) {
    int nivel = 0;
    bool linea = false;
    switch (tipo) {
    case Tipo::Point: nivel = 0; break;
    case Tipo::MultiPoint: nivel = 1; break;
    case Tipo::LineString: nivel = 1, linea = true; break;
    case Tipo::MultiLineString:
    case Tipo::Polygon: nivel = 2, linea = true; break;
    case Tipo::MultiPolygon: nivel = 3, linea = true; break;
    case Tipo::Ninguno: return Fallar("coordenadas sin tipo de geometría");
    case Tipo::Otro: return Fallar("coordenadas en un tipo que no es una geometría");
    }
    if (!pendientes_.empty() && nivelPosiciones_ != nivel) return Fallar("coordenadas no válidas para su tipo");
    std::vector<PosicionJson>& destino = linea ? lineas_ : puntos_;
    destino.insert(destino.end(), pendientes_.begin(), pendientes_.end());
    pendientes_.clear();
    duenoCoordenadas_ = baseCoordenadas_ = nivelPosiciones_ = -1;
    return true;
}

SistemaJson ReceptorGeoJson::Sistema() const {
    SistemaJson s;
    if (!hayCrs_) return s;
    s.nombre = crs_;
    s.linea = lineaCrs_;
    const std::string_view codigo = CodigoEpsg(crs_);
    if (codigo == "25830" || codigo == "23030") {
        s.utm = true;
        s.datum = codigo == "25830" ? DatumFichero::Etrs89 : DatumFichero::Ed50;
    } else if (codigo != "4326" && !std::string_view(crs_).ends_with("CRS84")) {
        s.admitido = false;
    }
    return s;
}

}  // namespace varnel::geojson
