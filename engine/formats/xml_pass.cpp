#include "engine/formats/xml_pass.h"

#include <algorithm>

#include "engine/text/quoting.h"

namespace varnel {
namespace {

// Points handed out at a time: the parser stops this often, and no more wait in memory.
constexpr std::size_t kLote = 512;

}  // namespace

ErrorEjecucion RechazarContenido(std::int64_t linea, const std::filesystem::path& ruta, std::string motivo) {
    return ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, {linea, ruta}, std::move(motivo));
}

// Enough of the value to find it in the file.
std::string CitarValorXml(std::string_view valor) { return Citar(valor, 40); }

PasadaXml::PasadaXml(FuenteBytes& bytes, EsRaizFn esRaiz, bool conTexto)
    : ruta_(bytes.Ruta()), xml_(bytes, static_cast<ReceptorXml&>(*this)), esRaiz_(esRaiz) {
    xml_.QuererTexto(conTexto);
}

PasadaXml::~PasadaXml() = default;

// A malformed file is refused where the parser stopped, once the points
// before go out.
bool PasadaXml::LeerXml() {
    try {
        return xml_.Leer();
    } catch (const ErrorXml& e) {
        leyendo_ = false;
        if (!rechazo_)
            rechazo_ = std::make_unique<ErrorEjecucion>(
                RechazarContenido(std::max<std::int64_t>(e.Linea(), 1), ruta_,
                                  e.Incompleto() ? "fichero incompleto" : "XML mal formado: " + e.Mensaje()));
        return true;
    }
}

bool PasadaXml::Siguiente(PuntoFichero& p) {
    while (true) {
        if (entregados_ < cola_.size()) {
            const PuntoLeido& q = cola_[entregados_++];
            p.forma = PuntoFichero::Forma::Geograficas;
            p.datum = DatumFichero::Wgs84;  // GPS positions are WGS 84
            p.geo = q.posicion;
            lineaUltimo_ = q.linea;
            return true;
        }
        cola_.clear();
        entregados_ = 0;
        if (rechazo_) {
            lineaUltimo_ = rechazo_->Linea().numero;
            throw *rechazo_;
        }
        if (!leyendo_) return false;
        if (!LeerXml()) {
            leyendo_ = false;
            Terminar();
        }
    }
}

UbicacionLinea PasadaXml::Ubicacion() const { return {lineaUltimo_, ruta_}; }

void PasadaXml::InicioElemento(std::string_view nombre, std::string_view espacio,
                               std::span<const AtributoXml> atributos) {
    if (rechazo_) return;
    ++profundidad_;
    if (profundidad_ == 1) {
        if (!esRaiz_(nombre, espacio)) return Rechazar(xml_.Linea(), "formato no reconocido");
        espacioRaiz_ = espacio;
        return;
    }
    espacioElemento_ = espacio;
    Elemento(nombre, espacio == espacioRaiz_, atributos);
}

void PasadaXml::FinElemento(std::string_view, std::string_view) {
    if (rechazo_) return;
    Fin();
    --profundidad_;
}

void PasadaXml::Texto(std::string_view texto) {
    if (!rechazo_) Caracteres(texto);
}

void PasadaXml::Entregar(const PuntoLeido& p) {
    cola_.push_back(p);
    if (cola_.size() - entregados_ >= kLote) xml_.Pausar();
}

void PasadaXml::Rechazar(std::int64_t linea, std::string motivo) {
    if (rechazo_) return;
    rechazo_ = std::make_unique<ErrorEjecucion>(RechazarContenido(linea, ruta_, std::move(motivo)));
    if (leyendo_) xml_.Pausar();
}

}  // namespace varnel
