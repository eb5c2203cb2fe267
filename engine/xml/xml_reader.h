#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/platform/byte_source.h"

namespace varnel {

// One attribute of a start tag; namespace declarations are not attributes
// here. The views live as long as the call that hands them over.
struct AtributoXml {
    std::string_view nombre;   // local name
    std::string_view espacio;  // namespace URI, empty for none
    std::string_view valor;
};

// What a document holds, in order, as the parser meets it. Every text is
// UTF-8 whatever the file's encoding; names come without their prefix.
class ReceptorXml {
public:
    virtual ~ReceptorXml() = default;
    virtual void InicioElemento(std::string_view nombre, std::string_view espacio,
                                std::span<const AtributoXml> atributos) = 0;
    virtual void FinElemento(std::string_view nombre, std::string_view espacio) = 0;
    // Character data, CDATA sections included. One run of text may come in
    // several pieces. A line feed in it is one of the file's line ends: one
    // written as a character reference ("&#10;") comes as a blank.
    virtual void Texto(std::string_view texto) = 0;
};

// A file that is not well-formed XML: the parser's line (1 for the first,
// and for an empty file) and its own words for what is wrong.
class ErrorXml : public std::runtime_error {
public:
    ErrorXml(std::int64_t linea, const std::string& mensaje, bool incompleto);
    std::int64_t Linea() const noexcept { return linea_; }
    const std::string& Mensaje() const noexcept { return mensaje_; }
    // The file ended before its document did (a cut download, say).
    bool Incompleto() const noexcept { return incompleto_; }

private:
    std::int64_t linea_;
    std::string mensaje_;
    bool incompleto_;
};

// Reads an XML file as a stream of events with the platform's own parser
// (Expat, or XmlLite on Windows), a chunk at a time, so memory stays flat
// whatever the file's size. Declared encodings the parser knows are decoded
// (UTF-8, UTF-16 with its mark, ISO-8859-1, US-ASCII); a document type
// declaration is refused on every platform, as XmlLite does by default.
class LectorXml {
public:
    // Opens the file as every input is opened (FicheroEntrada).
    LectorXml(const std::filesystem::path& ruta, ReceptorXml& receptor);
    // Reads from where `bytes` stands; the caller keeps it alive.
    LectorXml(FuenteBytes& bytes, ReceptorXml& receptor);
    ~LectorXml();
    LectorXml(const LectorXml&) = delete;
    LectorXml& operator=(const LectorXml&) = delete;

    // Hands events to the receiver until it calls Pausar or the document
    // ends; true while something is left to read. Throws ErrorXml for a
    // malformed file, ErrorEjecucion for a failed read, and whatever the
    // receiver throws.
    bool Leer();
    // From inside a receiver call: Leer returns once that call is over.
    void Pausar();
    // Before the first Leer or from inside a receiver call: whether the
    // receiver wants the text that follows (it does at first). Text nobody
    // wants is not handed over, and a parser that can skips its work.
    void QuererTexto(bool quiere);
    // In InicioElemento, the line where that start tag begins. Elsewhere
    // parsers disagree (XmlLite under Wine gives where a text ends, and an
    // end tag's start tag's line): count from a start tag instead.
    std::int64_t Linea() const;

    // What every parser's state holds besides the parser's own.
    struct Estado {
        Estado(FuenteBytes& b, ReceptorXml& r) : bytes(b), receptor(r) {}
        FuenteBytes& bytes;
        ReceptorXml& receptor;
        std::vector<AtributoXml> atributos;  // of the start tag being handed over
        bool pausaPedida = false;
        bool terminado = false;
    };

private:
    struct Impl;  // the parser's state, in the platform's file
    using ImplPropio = std::unique_ptr<Impl, void (*)(Impl*)>;
    static ImplPropio CrearImpl(FuenteBytes& bytes, ReceptorXml& receptor);  // the platform's
    std::unique_ptr<FuenteBytes> propia_;                                    // the file, when opened here
    ImplPropio impl_;
};

// Chunk size the parsers read a file in.
inline constexpr std::size_t kTrozoXml = std::size_t{64} * 1024;

}  // namespace varnel
