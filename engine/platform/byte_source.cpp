#include "engine/platform/byte_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "engine/core/run_error.h"
#include "engine/platform/native_file.h"

namespace varnel {
namespace fs = std::filesystem;
namespace {

std::FILE* AbrirRegular(const fs::path& ruta) {
    std::error_code ec;
    const auto estado = fs::status(ruta, ec);
    if (estado.type() == fs::file_type::not_found)
        LanzarFalloSistema(std::error_code(ENOENT, std::generic_category()), ruta);
    if (ec) LanzarFalloSistema(ec, ruta);
    if (estado.type() != fs::file_type::regular) throw ErrorEjecucion(codigo::AccesoRuta);
    return AbrirParaLeer(ruta);
}

}  // namespace

std::size_t FuenteBytes::TrozoLectura() const { return kBuferFichero; }

bool LeerEntera(FuenteBytes& bytes, std::size_t maximo, std::string& destino) {
    bytes.Rebobinar();
    destino.clear();
    while (true) {
        const std::size_t antes = destino.size();
        const std::size_t trozo = std::max<std::size_t>(bytes.TrozoLectura(), 1);
        destino.resize(antes + trozo);
        const std::size_t leidos = bytes.Leer(destino.data() + antes, trozo);
        destino.resize(antes + leidos);
        if (destino.size() > maximo) return false;
        if (leidos == 0) return true;
    }
}

FicheroEntrada::FicheroEntrada(const fs::path& ruta) : FuenteBytes(ruta), fichero_(AbrirRegular(ruta)) {}

// Nothing of ours is lost on a failed close of an input.
FicheroEntrada::~FicheroEntrada() { std::fclose(fichero_); }

std::size_t FicheroEntrada::Leer(char* destino, std::size_t n) {
    errno = 0;
    const std::size_t leidos = std::fread(destino, 1, n, fichero_);
    if (leidos < n && std::ferror(fichero_)) LanzarFalloSistema(UltimoFalloC(), Ruta());
    return leidos;
}

void FicheroEntrada::Rebobinar() {
    errno = 0;
    if (std::fseek(fichero_, 0, SEEK_SET) != 0) LanzarFalloSistema(UltimoFalloC(), Ruta());
}

std::size_t BytesEnMemoria::TrozoLectura() const { return std::min(kBuferFichero, bytes_.size() - pos_ + 1); }

std::size_t BytesEnMemoria::Leer(char* destino, std::size_t n) {
    const std::size_t k = std::min(n, bytes_.size() - pos_);
    if (k > 0) std::memcpy(destino, bytes_.data() + pos_, k);
    pos_ += k;
    return k;
}

}  // namespace varnel
