#pragma once

#include <filesystem>
#include <string>

namespace varnel::prueba {

// A fresh folder under the system's temporary folder, removed at the end.
class CarpetaTemporal {
public:
    CarpetaTemporal();
    ~CarpetaTemporal();
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;
    const std::filesystem::path& Ruta() const { return ruta_; }
    std::filesystem::path operator/(const std::string& nombre) const { return ruta_ / nombre; }

private:
    std::filesystem::path ruta_;
};

std::string LeerBytes(const std::filesystem::path& ruta);
void EscribirBytes(const std::filesystem::path& ruta, const std::string& bytes);
// A file of the committed test data (tests/data).
std::string DatoDePrueba(const std::string& nombre);
std::filesystem::path RutaDatoDePrueba(const std::string& nombre);

// n SITNA points 600000+i, 4700000+i as list lines with `fin` after each.
std::string ListaSitna(int n, const std::string& fin = "\r\n");

}  // namespace varnel::prueba
