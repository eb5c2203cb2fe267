#include "tests/test_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace varnel::prueba {
namespace fs = std::filesystem;

namespace {

constexpr const char* kCarpetaDelPadre = "VARNEL_CARPETA_DEL_PADRE";

void PonerVariable(const char* nombre, const std::string& valor) {
#ifdef _WIN32
    _putenv_s(nombre, valor.c_str());
#else
    ::setenv(nombre, valor.c_str(), 1);
#endif
}

void QuitarVariable(const char* nombre) {
#ifdef _WIN32
    _putenv_s(nombre, "");
#else
    ::unsetenv(nombre);
#endif
}

void Borrar(const fs::path& ruta) {
    std::error_code ec;
    // Undo any permission a test took away, so the folder can go (on Windows a
    // read-only file cannot be removed).
    for (auto it = fs::recursive_directory_iterator(ruta, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (!it->is_symlink(ec)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(ruta, fs::perms::owner_all, ec);
    fs::remove_all(ruta, ec);
}

}  // namespace

fs::path CrearCarpetaUnica(const std::string& prefijo) {
    static std::mt19937_64 azar{std::random_device{}()};
    const auto base = fs::temp_directory_path();
    for (int intento = 0; intento < 100; ++intento) {
        char sufijo[17];
        std::snprintf(sufijo, sizeof sufijo, "%016llx", static_cast<unsigned long long>(azar()));
        auto ruta = base / (prefijo + sufijo);
        if (fs::create_directory(ruta)) return ruta;
    }
    throw std::runtime_error("no se puede crear una carpeta temporal");
}

CarpetaTemporal::CarpetaTemporal() : ruta_(CrearCarpetaUnica("varnel-")) {}

CarpetaTemporal::~CarpetaTemporal() { Borrar(ruta_); }

std::unique_ptr<CarpetaTemporal> CarpetaDeEjecucionPropia() {
    const char* actual = std::getenv("XDG_RUNTIME_DIR");
    if (actual && *actual) return nullptr;
    auto carpeta = std::make_unique<CarpetaTemporal>();
    fs::permissions(carpeta->Ruta(), fs::perms::owner_all, fs::perm_options::replace);
    PonerVariable("XDG_RUNTIME_DIR", Utf8(carpeta->Ruta()));
    return carpeta;
}

CarpetaTemporalCompartida::CarpetaTemporalCompartida() {
    const char* delPadre = std::getenv(kCarpetaDelPadre);
    if (delPadre && *delPadre) {
        ruta_ = RutaUtf8(delPadre);
        return;
    }
    ruta_ = CrearCarpetaUnica("varnel-");
    propia_ = true;
    PonerVariable(kCarpetaDelPadre, Utf8(ruta_));
}

CarpetaTemporalCompartida::~CarpetaTemporalCompartida() {
    if (!propia_) return;
    QuitarVariable(kCarpetaDelPadre);
    Borrar(ruta_);
}

fs::path RutaUtf8(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8(const fs::path& ruta) {
    const auto u8 = ruta.u8string();
    return std::string(u8.begin(), u8.end());
}

std::string LeerBytes(const fs::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    if (!f) throw std::runtime_error("no se puede leer " + Utf8(ruta));
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void EscribirBytes(const fs::path& ruta, const std::string& bytes) {
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f) throw std::runtime_error("no se puede escribir " + Utf8(ruta));
}

fs::path RutaDatoDePrueba(const std::string& nombre) { return fs::path(VARNEL_TEST_DATA) / nombre; }

std::string DatoDePrueba(const std::string& nombre) { return LeerBytes(RutaDatoDePrueba(nombre)); }

bool CrearTuberia(const fs::path& ruta) {
#ifdef _WIN32
    (void)ruta;  // Windows pipes live in their own namespace, never in a folder
    return false;
#else
    if (::mkfifo(ruta.c_str(), 0600) != 0) throw std::runtime_error("mkfifo " + ruta.string());
    return true;
#endif
}

bool CrearEnlaceADiscoLleno(const fs::path& enlace) {
#ifdef _WIN32
    (void)enlace;  // no device that is always full
    return false;
#else
    fs::create_symlink("/dev/full", enlace);
    return true;
#endif
}

bool CrearEnlaceSimbolico(const fs::path& destino, const fs::path& enlace) {
#ifdef _WIN32
    std::error_code ec;  // Windows wants a privilege for it, and Wine has none
    fs::create_symlink(destino, enlace, ec);
    return !ec;
#else
    fs::create_symlink(destino, enlace);
    return true;
#endif
}

std::string ListaSitna(int n, const std::string& fin) {
    std::string s;
    for (int i = 0; i < n; ++i) s += std::to_string(600000 + i) + "," + std::to_string(4700000 + i) + fin;
    return s;
}

}  // namespace varnel::prueba
