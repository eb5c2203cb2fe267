#include "engine/xml/xml_utf8_stream.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "engine/core/utf8.h"
#include "engine/platform/native_file.h"

namespace varnel {
namespace {

bool IgualesSinCaja(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x >= 'a' && x <= 'z' ? x - 32 : x) == (y >= 'a' && y <= 'z' ? y - 32 : y);
           });
}

// Where the encoding name of an XML declaration at the start of `texto` is
// (offset and length); false without one.
bool BuscarCodificacion(std::string_view texto, std::size_t& inicio, std::size_t& largo) {
    if (!texto.starts_with("<?xml")) return false;
    const auto cierre = texto.find("?>");
    const std::string_view decl = texto.substr(0, cierre);
    auto p = decl.find("encoding");
    if (p == std::string_view::npos) return false;
    p = decl.find_first_of("\"'", p);
    if (p == std::string_view::npos) return false;
    const auto fin = decl.find(decl[p], p + 1);
    if (fin == std::string_view::npos) return false;
    inicio = p + 1;
    largo = fin - inicio;
    return true;
}

}  // namespace

std::size_t FlujoXmlUtf8::Leer(char* destino, std::size_t n) {
    std::size_t dados = 0;
    while (dados < n) {
        if (entregado_ == salida_.size()) {
            salida_.clear();
            entregado_ = 0;
            if (!Rellenar()) break;
            continue;
        }
        const std::size_t k = std::min(n - dados, salida_.size() - entregado_);
        std::memcpy(destino + dados, salida_.data() + entregado_, k);
        Contar(salida_.data() + entregado_, k);
        entregado_ += k;
        dados += k;
    }
    return dados;
}

void FlujoXmlUtf8::Contar(const char* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const auto b = static_cast<unsigned char>(p[i]);
        if (b == '\r' || (b == '\n' && !trasCr_)) {
            ++lineaFinal_;
            unidadesFinal_ = 0;
        } else if (b != '\n' && (b & 0xC0) != 0x80) {
            unidadesFinal_ += b >= 0xF0 ? 2 : 1;  // four UTF-8 bytes are two UTF-16 units
        }
        if (primero_ < 0 && b != ' ' && b != '\t' && b != '\r' && b != '\n') {
            primero_ = b;
            lineaPrimero_ = lineaFinal_;
        }
        trasCr_ = b == '\r';
    }
}

// Reads a raw chunk, decodes what of it is whole and passes it through the
// splitter; false at the end.
bool FlujoXmlUtf8::Rellenar() {
    while (salida_.empty()) {
        if (terminado_) return false;
        const std::size_t antes = crudo_.size();
        const std::size_t trozo = bytes_.TrozoLectura();
        crudo_.resize(antes + trozo);
        std::size_t leidos = 0;
        try {
            leidos = bytes_.Leer(crudo_.data() + antes, trozo);
        } catch (...) {
            fallo_ = std::current_exception();
        }
        crudo_.resize(antes + leidos);
        fin_ = leidos < trozo;
        const bool primero = origen_ == Origen::PorDecidir;
        if (primero) Decidir();
        Decodificar();
        if (primero && origen_ != Origen::Utf8) DecirUtf8(decodificado_);
        if (fin_) {
            utf16_.Terminar(decodificado_);  // half a character at the very end
            crudo_.clear();
        }
        troceador_.Procesar(decodificado_, fin_, salida_);
        decodificado_.clear();
        terminado_ = fin_;
    }
    return true;
}

void FlujoXmlUtf8::Decidir() {
    const auto* b = reinterpret_cast<const unsigned char*>(crudo_.data());
    const std::size_t n = crudo_.size();
    const MarcaOrden marca = DetectarMarcaOrden(std::string_view(crudo_.data(), n));
    if (marca.codificacion == Codificacion::Utf8) {
        origen_ = Origen::Utf8;
    } else if (marca.codificacion == Codificacion::Utf16Le || (n >= 2 && b[0] == '<' && b[1] == 0)) {
        origen_ = Origen::Utf16Le;  // with its mark, or a '<' in little-endian UTF-16
    } else if (marca.codificacion == Codificacion::Utf16Be || (n >= 2 && b[0] == 0 && b[1] == '<')) {
        origen_ = Origen::Utf16Be;
    } else {
        std::size_t inicio = 0;
        std::size_t largo = 0;
        const std::string_view texto(crudo_.data(), n);
        origen_ = BuscarCodificacion(texto, inicio, largo) && IgualesSinCaja(texto.substr(inicio, largo), "ISO-8859-1")
                      ? Origen::Latin1
                      : Origen::Utf8;
    }
    utf16_.Empezar(origen_ == Origen::Utf16Be);
    crudo_.erase(crudo_.begin(), crudo_.begin() + static_cast<std::ptrdiff_t>(marca.largo));
}

// The declaration of a decoded file names the encoding it now has.
void FlujoXmlUtf8::DecirUtf8(std::string& texto) const {
    std::size_t inicio = 0;
    std::size_t largo = 0;
    if (!BuscarCodificacion(texto, inicio, largo)) return;
    const std::string_view nombre = std::string_view(texto).substr(inicio, largo);
    const bool ajustado = origen_ == Origen::Latin1
                              ? IgualesSinCaja(nombre, "ISO-8859-1")
                              : IgualesSinCaja(nombre, "UTF-16") || IgualesSinCaja(nombre, "UTF-16LE") ||
                                    IgualesSinCaja(nombre, "UTF-16BE");
    if (ajustado) texto.replace(inicio, largo, "UTF-8");
}

void FlujoXmlUtf8::Decodificar() {
    const auto* b = reinterpret_cast<const unsigned char*>(crudo_.data());
    const std::size_t n = crudo_.size();
    std::size_t i = 0;
    switch (origen_) {
    case Origen::PorDecidir:
    case Origen::Utf8:
        decodificado_.append(crudo_.data(), n);
        i = n;
        break;
    case Origen::Latin1:
        for (; i < n; ++i) AnadirUtf8(b[i], decodificado_);
        break;
    case Origen::Utf16Le:
    case Origen::Utf16Be:
        // The decoder keeps an odd byte or half a pair for the next chunk.
        utf16_.Decodificar(std::string_view(crudo_.data(), n), decodificado_);
        i = n;
        break;
    }
    crudo_.erase(crudo_.begin(), crudo_.begin() + static_cast<std::ptrdiff_t>(i));
}

}  // namespace varnel
