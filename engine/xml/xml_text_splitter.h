#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnel {

// Cuts long stretches of character data into several text nodes, for a
// parser that holds a whole text node in memory (Wine's XmlLite does): an
// empty element of its own namespace (kCorteXml) goes into a long text,
// for the reader to leave out. It goes in inside the root element only, at
// a blank (never inside a tuple, a reference or a character, nor between CR
// and LF), so no line moves. Not a comment: Wine's XmlLite can miss the end
// of one that straddles its buffer and swallow the text after it. A line
// feed written as a character reference ("&#10;") becomes a blank one
// ("&#32;"), so a text's line feeds are the file's line ends. Everything
// else passes as it is. Input is UTF-8.
class TroceadorXml {
public:
    explicit TroceadorXml(std::size_t tramoMaximo = std::size_t{64} * 1024) : tramoMaximo_(tramoMaximo) {}

    // The next bytes of the file; what can be told already goes to `salida`
    // (a few bytes of an unfinished delimiter wait for the next call), all
    // of it when `ultimo`.
    void Procesar(std::string_view entrada, bool ultimo, std::string& salida);

private:
    enum class Estado { Contenido, Etiqueta, Comentario, CData, Instruccion, Declaracion };

    std::size_t tramoMaximo_;
    Estado estado_ = Estado::Contenido;
    char comilla_ = 0;  // the quote of an attribute value being read
    bool etiquetaDeCierre_ = false;
    char anterior_ = 0;          // in a tag, the character before this one
    long long profundidad_ = 0;  // elements open
    std::size_t tramo_ = 0;      // bytes of text since the last markup or cut
    bool trasCr_ = false;
    std::string espera_;  // an unfinished delimiter from the last call
};

// The namespace of the cuts; the element is "<_ xmlns=\"...\"/>".
inline constexpr std::string_view kEspacioCorteXml = "urn:x-varnel:corte";
inline constexpr std::string_view kCorteXml = "<_ xmlns=\"urn:x-varnel:corte\"/>";

}  // namespace varnel
