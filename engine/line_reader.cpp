#include "engine/line_reader.h"

#include <cerrno>
#include <system_error>

#include "engine/cp1252.h"
#include "engine/native_file.h"
#include "engine/path_text.h"
#include "engine/run_error.h"

namespace varnel {
namespace fs = std::filesystem;
LectorLineas::LectorLineas(const fs::path& ruta) : ruta_(ruta), bufer_(kBuferFichero) {
    std::error_code ec;
    const auto estado = fs::status(ruta, ec);
    if (ec && estado.type() != fs::file_type::not_found) LanzarFalloSistema(ec, ruta);
    if (estado.type() == fs::file_type::not_found)
        LanzarFalloSistema(std::error_code(ENOENT, std::generic_category()), ruta);
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
    if (fin_ == 0 && std::ferror(fichero_)) LanzarFalloSistema(UltimoFalloC(), ruta_);
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

}  // namespace varnel
