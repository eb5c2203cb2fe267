#include "test_support.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace varnel::prueba {
namespace fs = std::filesystem;

CarpetaTemporal::CarpetaTemporal() {
    std::string plantilla = (fs::temp_directory_path() / "varnel-XXXXXX").string();
    if (!::mkdtemp(plantilla.data())) throw std::runtime_error("mkdtemp");
    ruta_ = plantilla;
}

CarpetaTemporal::~CarpetaTemporal() {
    std::error_code ec;
    // Undo any permission a test took away, so the folder can go.
    for (auto it = fs::recursive_directory_iterator(ruta_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_directory(ec) && !it->is_symlink(ec)) fs::permissions(it->path(), fs::perms::owner_all, ec);
    fs::permissions(ruta_, fs::perms::owner_all, ec);
    fs::remove_all(ruta_, ec);
}

std::string LeerBytes(const fs::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) throw std::runtime_error("no se puede leer " + ruta.string());
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void EscribirBytes(const fs::path& ruta, const std::string& bytes) {
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f) throw std::runtime_error("no se puede escribir " + ruta.string());
}

fs::path RutaDatoDePrueba(const std::string& nombre) { return fs::path(VARNEL_TEST_DATA) / nombre; }

std::string DatoDePrueba(const std::string& nombre) { return LeerBytes(RutaDatoDePrueba(nombre)); }

std::string ListaSitna(int n, const std::string& fin) {
    std::string s;
    for (int i = 0; i < n; ++i) s += std::to_string(600000 + i) + "," + std::to_string(4700000 + i) + fin;
    return s;
}

}  // namespace varnel::prueba
