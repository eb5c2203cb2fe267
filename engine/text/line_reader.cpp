#include "engine/text/line_reader.h"

#include <cstring>

#include "engine/core/run_error.h"
#include "engine/platform/native_file.h"
#include "engine/text/cp1252.h"

namespace varnel {
namespace fs = std::filesystem;
namespace {

// The first CR or LF in [inicio, fin), or fin: two memchr scans beat a loop
// over every byte.
const char* FinDeLinea(const char* inicio, const char* fin) {
    const auto largo = static_cast<std::size_t>(fin - inicio);
    const auto* cr = static_cast<const char*>(std::memchr(inicio, '\r', largo));
    const char* hasta = cr ? cr : fin;
    const auto* lf = static_cast<const char*>(std::memchr(inicio, '\n', static_cast<std::size_t>(hasta - inicio)));
    return lf ? lf : hasta;
}

}  // namespace

LectorLineas::LectorLineas(const fs::path& ruta)
    : propia_(std::make_unique<FicheroEntrada>(ruta)), bytes_(propia_.get()), ruta_(ruta) {}

LectorLineas::LectorLineas(FuenteBytes& bytes) : bytes_(&bytes), ruta_(bytes.Ruta()) {}

LectorLineas::~LectorLineas() = default;

void LectorLineas::Cerrar() {
    bytes_ = nullptr;
    propia_.reset();
}

UbicacionLinea LectorLineas::Ubicacion() const { return {numeroLinea_, ruta_}; }

std::size_t LectorLineas::LeerCrudo(char* destino, std::size_t maximo) { return bytes_->Leer(destino, maximo); }

bool LectorLineas::Rellenar() {
    if (!bytes_) return false;
    pos_ = 0;
    fin_ = 0;
    if (!empezado_) {
        // The first bytes say how the file is encoded.
        empezado_ = true;
        trozo_ = bytes_->TrozoLectura();
        bufer_.resize(trozo_);
        const std::size_t n = LeerCrudo(bufer_.data(), bufer_.size());
        const MarcaOrden marca = DetectarMarcaOrden(std::string_view(bufer_.data(), n));
        codificacion_ = marca.codificacion;
        if (codificacion_ == Codificacion::Cp1252 || codificacion_ == Codificacion::Utf8) {
            pos_ = marca.largo;
            fin_ = n;
            return pos_ < fin_ || Rellenar();
        }
        utf16_.Empezar(codificacion_ == Codificacion::Utf16Be);
        crudo_.assign(bufer_.begin() + static_cast<std::ptrdiff_t>(marca.largo),
                      bufer_.begin() + static_cast<std::ptrdiff_t>(n));
        bufer_.clear();
        utf16_.Decodificar(std::string_view(crudo_.data(), crudo_.size()), bufer_);
        crudo_.resize(trozo_);
        fin_ = bufer_.size();
        return fin_ > 0 || Rellenar();
    }
    if (codificacion_ != Codificacion::Utf16Le && codificacion_ != Codificacion::Utf16Be) {
        fin_ = LeerCrudo(bufer_.data(), bufer_.size());
        return fin_ > 0;
    }
    // UTF-16 pieces decode to UTF-8; a piece may leave no character yet.
    while (true) {
        bufer_.clear();
        const std::size_t n = LeerCrudo(crudo_.data(), crudo_.size());
        if (n == 0) {
            utf16_.Terminar(bufer_);
            fin_ = bufer_.size();
            return fin_ > 0;
        }
        utf16_.Decodificar(std::string_view(crudo_.data(), n), bufer_);
        fin_ = bufer_.size();
        if (fin_ > 0) return true;
    }
}

bool LectorLineas::SiguienteLinea(std::string& linea) {
    if (!LeerBytesLinea(lineaCruda_)) return false;
    if (codificacion_ != Codificacion::Cp1252 || EsAscii(lineaCruda_))
        linea.swap(lineaCruda_);
    else
        Cp1252AUtf8(lineaCruda_, linea);
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
        const char* p = FinDeLinea(inicio, fin);
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
