#include "engine/text/text_writer.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "engine/core/run_error.h"
#include "engine/platform/native_file.h"
#include "engine/text/cp1252.h"

namespace varnel {
namespace fs = std::filesystem;
EscritorTexto::EscritorTexto(const fs::path& ruta) : ruta_(ruta), bufer_(kBuferFichero) {
    std::error_code ec;
    const auto estado = fs::status(ruta, ec);
    const auto tipo = estado.type();
    // Opening a named pipe for writing would block until somebody reads it.
    if (tipo == fs::file_type::directory || tipo == fs::file_type::fifo || tipo == fs::file_type::socket)
        throw ErrorEjecucion(codigo::AccesoRuta);

    fichero_ = AbrirParaEscribir(ruta);
    std::setvbuf(fichero_, nullptr, _IONBF, 0);
}

EscritorTexto::~EscritorTexto() {
    if (!fichero_) return;
    // A failed run keeps what it wrote.
    if (lleno_ > 0) std::fwrite(bufer_.data(), 1, lleno_, fichero_);
    std::fclose(fichero_);
}

void EscritorTexto::Fallo(int err) {
    std::fclose(fichero_);
    fichero_ = nullptr;
    LanzarFalloSistema(std::error_code(err ? err : EIO, std::generic_category()), ruta_);
}

void EscritorTexto::Escribir(std::string_view utf8) {
    if (EsAscii(utf8))
        EscribirBytes(utf8);
    else
        EscribirBytes(Utf8ACp1252(utf8));
}

void EscritorTexto::EscribirBytes(std::string_view bytes) {
    if (!fichero_) throw ErrorEjecucion(codigo::ErrorEs);
    if (bytes.size() <= bufer_.size() - lleno_) {
        if (!bytes.empty()) std::memcpy(bufer_.data() + lleno_, bytes.data(), bytes.size());
        lleno_ += bytes.size();
        return;
    }
    Vaciar();
    if (bytes.size() < bufer_.size()) {
        std::memcpy(bufer_.data(), bytes.data(), bytes.size());
        lleno_ = bytes.size();
    } else {
        Volcar(bytes);
    }
}

void EscritorTexto::Vaciar() {
    const std::size_t lleno = lleno_;
    lleno_ = 0;
    Volcar({bufer_.data(), lleno});
}

void EscritorTexto::Volcar(std::string_view bytes) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), fichero_) != bytes.size()) Fallo(errno);
}

void EscritorTexto::Cerrar() {
    if (!fichero_) return;
    Vaciar();
    errno = 0;
    if (std::fflush(fichero_) != 0) Fallo(errno);
    std::FILE* f = fichero_;
    fichero_ = nullptr;
    errno = 0;
    if (std::fclose(f) != 0) LanzarFalloSistema(UltimoFalloC(), ruta_);
}

}  // namespace varnel
