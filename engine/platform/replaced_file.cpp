#include "engine/platform/replaced_file.h"

#include <cerrno>
#include <system_error>

#include "engine/core/run_error.h"
#include "engine/platform/native_file.h"

namespace varnel {
namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kEnlacesSeguidos = 40;

// The file a path names once every link of its last step is followed: a save
// onto a link rewrites what the link points to and leaves the link.
fs::path SinEnlaces(fs::path ruta) {
    for (int i = 0; i < kEnlacesSeguidos; ++i) {
        std::error_code ec;
        if (!fs::is_symlink(ruta, ec)) return ruta;
        const fs::path destino = fs::read_symlink(ruta, ec);
        if (ec) LanzarFalloSistema(ec, ruta);
        ruta = destino.is_absolute() ? destino : ruta.parent_path() / destino;
    }
    LanzarFalloSistema(std::make_error_code(std::errc::too_many_symbolic_link_levels), ruta);
}

// Where a cut of `nombre` at `n` units keeps whole characters: never inside a
// UTF-8 sequence or a UTF-16 surrogate pair.
template <class Cadena>
std::size_t CorteEntero(const Cadena& nombre, std::size_t n) {
    using Unidad = typename Cadena::value_type;
    if constexpr (sizeof(Unidad) == 1) {
        while (n > 0 && n < nombre.size() && (static_cast<unsigned char>(nombre[n]) & 0xC0) == 0x80) --n;
    } else {
        if (n > 0 && n < nombre.size() && nombre[n] >= 0xDC00 && nombre[n] <= 0xDFFF) --n;
    }
    return n;
}

// The temporary file's name for `ruta`: hidden on Linux, named after the file
// in case a crash leaves it, and cut where needed so that it fits wherever
// the file's own name fits (`maximo` units, whole characters).
fs::path NombreTemporal(const fs::path& ruta, std::size_t maximo) {
    using Cadena = fs::path::string_type;
    const Cadena antes(1, '.');
    const fs::path despues(".varnel-tmp");
    Cadena nombre = ruta.filename().native();
    const std::size_t anadido = antes.size() + despues.native().size();
    if (nombre.size() + anadido > maximo) nombre.resize(CorteEntero(nombre, maximo > anadido ? maximo - anadido : 0));
    return ruta.parent_path() / (antes + nombre + despues.native());
}

}  // namespace

FicheroSustituido::FicheroSustituido(const fs::path& ruta) : ruta_(SinEnlaces(ruta)) {
    std::error_code ec;
    if (fs::is_directory(ruta_, ec)) throw ErrorEjecucion(codigo::AccesoRuta);
    ExigirEscribible(ruta_);
    const fs::path carpeta = ruta_.parent_path();
    temporal_ = NombreTemporal(ruta_, LongitudMaximaNombre(carpeta));
    fichero_ = CrearSustituto(temporal_, ruta_);
}

FicheroSustituido::~FicheroSustituido() {
    if (!fichero_) return;
    std::fclose(fichero_);
    std::error_code ec;
    fs::remove(temporal_, ec);
}

void FicheroSustituido::Fallo(const std::error_code& ec) {
    if (fichero_) std::fclose(fichero_);
    fichero_ = nullptr;
    std::error_code ignorado;
    fs::remove(temporal_, ignorado);
    LanzarFalloSistema(ec, ruta_);
}

void FicheroSustituido::Escribir(std::string_view bytes) {
    if (!fichero_) throw ErrorEjecucion(codigo::ErrorEs);
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), fichero_) != bytes.size()) Fallo(UltimoFalloC());
}

void FicheroSustituido::Confirmar() {
    if (!fichero_) throw ErrorEjecucion(codigo::ErrorEs);
    // On disk before it replaces anything: a crash then leaves the old file
    // or the new one, never an empty one.
    if (const std::error_code ec = AlDisco(fichero_)) Fallo(ec);
    std::FILE* f = fichero_;
    fichero_ = nullptr;
    errno = 0;
    if (std::fclose(f) != 0) Fallo(UltimoFalloC());
    if (const std::error_code ec = Sustituir(temporal_, ruta_)) Fallo(ec);
}

}  // namespace varnel
