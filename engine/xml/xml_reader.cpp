#include "engine/xml/xml_reader.h"

namespace varnel {

ErrorXml::ErrorXml(std::int64_t linea, const std::string& mensaje, bool incompleto)
    : std::runtime_error(mensaje), linea_(linea < 1 ? 1 : linea), mensaje_(mensaje), incompleto_(incompleto) {}

}  // namespace varnel
