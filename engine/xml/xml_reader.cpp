#include "engine/xml/xml_reader.h"

#include <cerrno>
#include <system_error>

#include "engine/core/run_error.h"
#include "engine/platform/native_file.h"

namespace varnel {
namespace fs = std::filesystem;

ErrorXml::ErrorXml(std::int64_t linea, const std::string& mensaje, bool incompleto)
    : std::runtime_error(mensaje), linea_(linea < 1 ? 1 : linea), mensaje_(mensaje), incompleto_(incompleto) {}

std::FILE* AbrirFuenteXml(const fs::path& ruta) {
    // As for the line files: a named pipe must never block the window.
    std::error_code ec;
    const auto estado = fs::status(ruta, ec);
    if (estado.type() == fs::file_type::not_found)
        LanzarFalloSistema(std::error_code(ENOENT, std::generic_category()), ruta);
    if (ec) LanzarFalloSistema(ec, ruta);
    if (estado.type() != fs::file_type::regular) throw ErrorEjecucion(codigo::AccesoRuta);
    return AbrirParaLeer(ruta);
}

}  // namespace varnel
