#include "text_files.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include "cp1252.h"
#include "native_file.h"
#include "path_text.h"
#include "run_error.h"

namespace varnel {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kBufer = 64 * 1024;

bool EsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

[[noreturn]] void LanzarSistema(int err, const fs::path& ruta) {
    throw ErrorEjecucion(CodigoDeFalloSistema(std::error_code(err, std::generic_category()), ruta));
}

[[noreturn]] void LanzarSistema(const std::error_code& ec, const fs::path& ruta) {
    throw ErrorEjecucion(CodigoDeFalloSistema(ec, ruta));
}

}  // namespace

LectorLineas::LectorLineas(const fs::path& ruta) : ruta_(ruta), bufer_(kBufer) {
    std::error_code ec;
    const auto estado = fs::status(ruta, ec);
    if (ec && estado.type() != fs::file_type::not_found) LanzarSistema(ec, ruta);
    if (estado.type() == fs::file_type::not_found) LanzarSistema(ENOENT, ruta);
    if (estado.type() != fs::file_type::regular) throw ErrorEjecucion(codigo::AccesoRuta);

    fichero_ = AbrirParaLeer(ruta);
}

LectorLineas::~LectorLineas() {
    if (fichero_) std::fclose(fichero_);
}

void LectorLineas::Cerrar() {
    if (fichero_) std::fclose(fichero_);  // nothing of ours is lost on a failed close of an input
    fichero_ = nullptr;
}

std::string LectorLineas::DescribirLinea() const {
    return " (línea " + std::to_string(numeroLinea_) + " de " + TextoRuta(ruta_) + ")";
}

bool LectorLineas::Rellenar() {
    if (!fichero_) return false;
    errno = 0;
    fin_ = std::fread(bufer_.data(), 1, bufer_.size(), fichero_);
    pos_ = 0;
    if (fin_ == 0 && std::ferror(fichero_)) LanzarSistema(errno ? errno : EIO, ruta_);
    return fin_ > 0;
}

bool LectorLineas::SiguienteLinea(std::string& linea) {
    if (!LeerBytesLinea(crudo_)) return false;
    if (EsAscii(crudo_))
        linea.swap(crudo_);
    else
        linea = Cp1252AUtf8(crudo_);
    return true;
}

bool LectorLineas::LeerBytesLinea(std::string& linea) {
    linea.clear();
    if (pos_ == fin_ && !Rellenar()) return false;
    if (saltarLf_) {
        saltarLf_ = false;
        if (bufer_[pos_] == '\n') {
            ++pos_;
            if (pos_ == fin_ && !Rellenar()) return false;
        }
    }
    while (true) {
        const char* inicio = bufer_.data() + pos_;
        const char* fin = bufer_.data() + fin_;
        const char* p = inicio;
        while (p != fin && *p != '\r' && *p != '\n') ++p;
        linea.append(inicio, p);
        if (p != fin) {
            pos_ = static_cast<std::size_t>(p - bufer_.data()) + 1;
            if (*p == '\r') {
                if (pos_ < fin_) {
                    if (bufer_[pos_] == '\n') ++pos_;
                } else {
                    saltarLf_ = true;
                }
            }
            ++numeroLinea_;
            return true;
        }
        pos_ = fin_;
        if (!Rellenar()) {  // a last line without its line end
            ++numeroLinea_;
            return true;
        }
    }
}

EscritorTexto::EscritorTexto(const fs::path& ruta) : ruta_(ruta), bufer_(kBufer) {
    std::error_code ec;
    const auto estado = fs::status(ruta, ec);
    const auto tipo = estado.type();
    // Opening a named pipe for writing would block until somebody reads it.
    if (tipo == fs::file_type::directory || tipo == fs::file_type::fifo || tipo == fs::file_type::socket)
        throw ErrorEjecucion(codigo::AccesoRuta);

    fichero_ = AbrirParaEscribir(ruta);
    std::setvbuf(fichero_, bufer_.data(), _IOFBF, bufer_.size());
}

EscritorTexto::~EscritorTexto() {
    if (fichero_) std::fclose(fichero_);  // a failed run keeps what reached the file
}

void EscritorTexto::Fallo(int err) {
    std::fclose(fichero_);
    fichero_ = nullptr;
    LanzarSistema(err ? err : EIO, ruta_);
}

void EscritorTexto::Escribir(std::string_view utf8) {
    if (EsAscii(utf8))
        EscribirBytes(utf8);
    else
        EscribirBytes(Utf8ACp1252(utf8));
}

void EscritorTexto::EscribirBytes(std::string_view bytes) {
    if (!fichero_) throw ErrorEjecucion(codigo::ErrorEs);
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), fichero_) != bytes.size()) Fallo(errno);
}

void EscritorTexto::Cerrar() {
    if (!fichero_) return;
    errno = 0;
    if (std::fflush(fichero_) != 0) Fallo(errno);
    std::FILE* f = fichero_;
    fichero_ = nullptr;
    errno = 0;
    if (std::fclose(f) != 0) LanzarSistema(errno ? errno : EIO, ruta_);
}

}  // namespace varnel
