#include "engine/xml/xml_reader.h"

namespace varnel {

LectorXml::LectorXml(const std::filesystem::path& ruta, ReceptorXml& receptor)
    : propia_(std::make_unique<FicheroEntrada>(ruta)), impl_(CrearImpl(*propia_, receptor)) {}

LectorXml::LectorXml(FuenteBytes& bytes, ReceptorXml& receptor) : impl_(CrearImpl(bytes, receptor)) {}

LectorXml::~LectorXml() = default;

ErrorXml::ErrorXml(std::int64_t linea, const std::string& mensaje, bool incompleto)
    : std::runtime_error(mensaje), linea_(linea < 1 ? 1 : linea), mensaje_(mensaje), incompleto_(incompleto) {}

}  // namespace varnel
