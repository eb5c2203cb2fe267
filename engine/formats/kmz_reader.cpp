#include "engine/formats/kmz_reader.h"

#include <optional>

#include "engine/formats/kml_reader.h"
#include "engine/formats/kml_writer.h"
#include "engine/formats/zip_archive.h"

namespace varnel::kmz {
namespace {

// What anyone would send as a map; the KML inside is held to the zip limits.
constexpr std::size_t kTamanoMaximo = std::size_t{256} << 20;

bool AcabaEnKml(std::string_view nombre) {
    if (nombre.size() < 4) return false;
    std::string cola(nombre.substr(nombre.size() - 4));
    for (char& c : cola) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    return cola == ".kml";
}

class LectorKmz final : public LectorPuntosFichero {
public:
    explicit LectorKmz(FuenteBytes& bytes) : bytes_(bytes) {}

    bool Siguiente(PuntoFichero& p) override {
        if (!kml_) Abrir();
        return kml_->Siguiente(p);
    }
    UbicacionLinea Ubicacion() const override { return kml_ ? kml_->Ubicacion() : UbicacionLinea{0, bytes_.Ruta()}; }
    std::int64_t NumeroLinea() const override { return kml_ ? kml_->NumeroLinea() : 0; }

private:
    [[noreturn]] void Rechazar(const std::string& motivo) const {
        throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, {0, bytes_.Ruta()}, "KMZ: " + motivo);
    }

    void Abrir() {
        std::string archivo;
        if (!LeerEntera(bytes_, kTamanoMaximo, archivo)) Rechazar("fichero demasiado grande");
        try {
            const std::vector<zip::Miembro> miembros = zip::LeerDirectorio(archivo);
            const zip::Miembro* elegido = nullptr;
            for (const zip::Miembro& m : miembros) {
                if (m.nombre == "doc.kml") {
                    elegido = &m;
                    break;
                }
                if (!elegido && AcabaEnKml(m.nombre)) elegido = &m;
            }
            if (!elegido) Rechazar("no contiene ningún fichero .kml");
            texto_ = zip::Extraer(archivo, *elegido);
        } catch (const zip::ErrorZip& e) {
            Rechazar(e.what());
        }
        // Lines and refusals of the KML name the KMZ the user dropped.
        memoria_.emplace(texto_, bytes_.Ruta());
        kml_ = kml::CrearLector(*memoria_);
    }

    FuenteBytes& bytes_;
    std::string texto_;
    std::optional<BytesEnMemoria> memoria_;
    std::unique_ptr<LectorPuntosFichero> kml_;
};

}  // namespace

bool EsCabecera(std::string_view inicio) {
    return inicio.starts_with("PK\x03\x04") || inicio.starts_with("PK\x05\x06");
}

std::unique_ptr<LectorPuntosFichero> CrearLector(FuenteBytes& bytes) { return std::make_unique<LectorKmz>(bytes); }

std::string Documento(const TrazaWgs84& traza) { return zip::ArchivoDeUnMiembro("doc.kml", DocumentoKml(traza)); }

}  // namespace varnel::kmz
