#include "engine/xml/xml_text_splitter.h"

namespace varnel {
namespace {

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// "&#10;", "&#xA;" and the like: a character reference to a line feed.
bool EsSaltoReferido(std::string_view r) {
    if (!r.starts_with("&#") || !r.ends_with(';')) return false;
    r = r.substr(2, r.size() - 3);
    const bool hex = !r.empty() && (r[0] == 'x' || r[0] == 'X');
    if (hex) r.remove_prefix(1);
    if (r.empty()) return false;
    unsigned valor = 0;
    for (char c : r) {
        const int cifra = c >= '0' && c <= '9'          ? c - '0'
                          : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                        : -1;
        if (cifra < 0) return false;
        valor = valor * (hex ? 16 : 10) + static_cast<unsigned>(cifra);
    }
    return valor == 10;
}

// Longest reference to a line feed taken as one ("&#x00000000A;").
constexpr std::size_t kReferenciaMaxima = 16;

}  // namespace

void TroceadorXml::Procesar(std::string_view entrada, bool ultimo, std::string& salida) {
    std::string junto;
    if (!espera_.empty()) {
        junto = espera_;
        junto += entrada;
        espera_.clear();
        entrada = junto;
    }
    const std::size_t n = entrada.size();
    // Whether `delim` starts at i; `incierto` when the input ends before that can be told.
    const auto empieza = [&](std::size_t i, std::string_view delim, bool& incierto) {
        const std::string_view resto = entrada.substr(i);
        if (resto.size() < delim.size() && !ultimo && delim.starts_with(resto)) incierto = true;
        return resto.starts_with(delim);
    };
    std::size_t i = 0;
    while (i < n) {
        const char c = entrada[i];
        bool incierto = false;
        switch (estado_) {
        case Estado::Contenido:
            if (c == '<') {
                if (!ultimo && n - i < 9) break;  // "<![CDATA[" is the longest to tell
                std::size_t largo = 1;
                if (empieza(i, "<!--", incierto)) {
                    estado_ = Estado::Comentario;
                    largo = 4;
                } else if (empieza(i, "<![CDATA[", incierto)) {
                    estado_ = Estado::CData;
                    largo = 9;
                } else if (i + 1 < n && entrada[i + 1] == '?') {
                    estado_ = Estado::Instruccion;
                } else if (i + 1 < n && entrada[i + 1] == '!') {
                    estado_ = Estado::Declaracion;
                } else {
                    estado_ = Estado::Etiqueta;
                    etiquetaDeCierre_ = i + 1 < n && entrada[i + 1] == '/';
                    anterior_ = 0;
                }
                salida.append(entrada.substr(i, largo));
                i += largo;
                tramo_ = 0;
                trasCr_ = false;
                continue;
            }
            if (c == '&') {
                // A line feed written as a reference comes as a blank, as
                // Expat's reader gives it: a text's line feeds are the file's.
                const std::size_t fin = entrada.find(';', i);
                if (fin == std::string_view::npos && !ultimo && n - i < kReferenciaMaxima) break;
                if (fin != std::string_view::npos && fin - i < kReferenciaMaxima &&
                    EsSaltoReferido(entrada.substr(i, fin + 1 - i))) {
                    salida += "&#32;";
                    tramo_ += 5;
                    trasCr_ = false;
                    i = fin + 1;
                    continue;
                }
            }
            if (tramo_ >= tramoMaximo_ && profundidad_ > 0 && EsBlanco(c) && !(trasCr_ && c == '\n')) {
                salida += kCorteXml;
                tramo_ = 0;
            }
            salida += c;
            ++tramo_;
            trasCr_ = c == '\r';
            ++i;
            continue;
        case Estado::Etiqueta:
            if (comilla_) {
                if (c == comilla_) comilla_ = 0;
            } else if (c == '"' || c == '\'') {
                comilla_ = c;
            } else if (c == '>') {
                estado_ = Estado::Contenido;
                if (etiquetaDeCierre_)
                    --profundidad_;
                else if (anterior_ != '/')
                    ++profundidad_;
            }
            anterior_ = c;
            salida += c;
            ++i;
            continue;
        case Estado::Declaracion:
            if (c == '>') estado_ = Estado::Contenido;  // a DTD is refused anyway
            salida += c;
            ++i;
            continue;
        case Estado::Comentario:
        case Estado::CData:
        case Estado::Instruccion: {
            const std::string_view fin = estado_ == Estado::Comentario ? "-->"
                                         : estado_ == Estado::CData    ? "]]>"
                                                                       : "?>";
            if (c == fin[0] && empieza(i, fin, incierto)) {
                salida.append(fin);
                i += fin.size();
                estado_ = Estado::Contenido;
                continue;
            }
            if (incierto) break;
            salida += c;
            ++i;
            continue;
        }
        }
        break;  // undecided: the rest waits for more input
    }
    espera_.assign(entrada.substr(i));
}

}  // namespace varnel
