#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "engine/platform/byte_source.h"
#include "engine/text/text_decoding.h"
#include "engine/xml/xml_text_splitter.h"

namespace varnel {

// An XML file as UTF-8, for a parser that knows fewer encodings than Expat
// (Wine's XmlLite reads UTF-8 and little-endian UTF-16 only). What Expat
// reads is decoded here: UTF-16 of either byte order (with its mark, or told
// by its first '<') and ISO-8859-1 declared; the declaration then says
// UTF-8. UTF-8 (its mark dropped) and every other declared encoding pass
// unchanged, for the parser to accept or refuse. Line ends stay where they
// were, so the parser's lines are the file's. Long texts come cut into
// several text nodes (TroceadorXml), so memory stays flat in the parser too.
class FlujoXmlUtf8 {
public:
    explicit FlujoXmlUtf8(FuenteBytes& bytes) : bytes_(bytes) {}

    // Up to `n` bytes into `destino`; fewer only at the end of the file or
    // after a read failure, kept for the caller to throw (the parser's C
    // frames must not see it).
    std::size_t Leer(char* destino, std::size_t n);
    const std::exception_ptr& Fallo() const { return fallo_; }

    // Everything is handed over: the parser has seen the file's end.
    bool Agotado() const { return terminado_ && entregado_ == salida_.size(); }
    // Where what was handed over ends, as XmlLite counts (CR LF, CR and LF
    // end a line; columns in UTF-16 units from 1), so an error there can be
    // told to be the file's end.
    std::int64_t LineaFinal() const { return lineaFinal_; }
    std::int64_t ColumnaFinal() const { return unidadesFinal_ + 1; }
    // The first character that is not blank, once handed over, is not '<':
    // no XML at all (Expat stops there; XmlLite would read on to the end).
    bool EmpiezaSinMarcado() const { return primero_ >= 0 && primero_ != '<'; }
    bool PrimeroVisto() const { return primero_ >= 0; }
    std::int64_t LineaPrimero() const { return lineaPrimero_; }

private:
    enum class Origen { PorDecidir, Utf8, Utf16Le, Utf16Be, Latin1 };

    bool Rellenar();
    void Decidir();
    void Decodificar();
    void DecirUtf8(std::string& texto) const;
    void Contar(const char* p, std::size_t n);

    FuenteBytes& bytes_;
    Origen origen_ = Origen::PorDecidir;
    DecodificadorUtf16 utf16_;
    std::vector<char> crudo_;   // bytes read, not yet decoded
    std::string decodificado_;  // UTF-8, not yet through the splitter
    TroceadorXml troceador_;
    std::string salida_;  // ready, not yet handed over
    std::size_t entregado_ = 0;
    bool fin_ = false;        // the file has no more bytes
    bool terminado_ = false;  // and all of them are in salida_
    std::exception_ptr fallo_;
    std::int64_t lineaFinal_ = 1;
    std::int64_t unidadesFinal_ = 0;
    bool trasCr_ = false;
    int primero_ = -1;
    std::int64_t lineaPrimero_ = 0;
};

}  // namespace varnel
