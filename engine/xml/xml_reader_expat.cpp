// LectorXml over Expat, the parser of the Linux build.

#include <expat.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>
#include <vector>

#include "engine/core/run_error.h"
#include "engine/xml/xml_reader.h"

namespace varnel {
namespace {

// Expat joins a namespace URI and a local name with this; local names never
// hold one, so the last one splits them (searched from the end: the local
// name is the short part).
constexpr char kSeparador = '\n';

void PartirNombre(const XML_Char* completo, std::string_view& nombre, std::string_view& espacio) {
    const std::size_t largo = std::strlen(completo);
    const auto* corte = static_cast<const char*>(memrchr(completo, kSeparador, largo));
    if (!corte) {
        nombre = std::string_view(completo, largo);
        espacio = {};
    } else {
        nombre = std::string_view(corte + 1, static_cast<std::size_t>(completo + largo - corte - 1));
        espacio = std::string_view(completo, static_cast<std::size_t>(corte - completo));
    }
}

// Errors Expat only finds when the input runs out.
bool EsFinPrematuro(XML_Error e) {
    return e == XML_ERROR_NO_ELEMENTS || e == XML_ERROR_UNCLOSED_TOKEN || e == XML_ERROR_PARTIAL_CHAR ||
           e == XML_ERROR_UNCLOSED_CDATA_SECTION;
}

}  // namespace

struct LectorXml::Impl : LectorXml::Estado {
    Impl(FuenteBytes& b, ReceptorXml& rec) : Estado{b, rec} {
        parser = XML_ParserCreateNS(nullptr, kSeparador);
        if (!parser) throw std::bad_alloc();
        XML_SetUserData(parser, this);
        XML_SetElementHandler(parser, &Impl::Inicio, &Impl::Fin);
        XML_SetCharacterDataHandler(parser, &Impl::Caracteres);
        XML_SetStartDoctypeDeclHandler(parser, &Impl::TipoDocumento);
    }
    ~Impl() { XML_ParserFree(parser); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    // Nothing may be thrown through Expat's C frames: a callback keeps what
    // it threw and stops the parser, and Leer throws it again.
    template <typename F>
    static void Proteger(void* datos, F&& f) {
        auto* yo = static_cast<Impl*>(datos);
        try {
            f(*yo);
        } catch (...) {
            yo->excepcion = std::current_exception();
            XML_StopParser(yo->parser, XML_FALSE);
        }
    }

    static void XMLCALL Inicio(void* datos, const XML_Char* nombre, const XML_Char** atributos) {
        Proteger(datos, [&](Impl& yo) {
            yo.atributos.clear();
            for (const XML_Char** a = atributos; *a; a += 2) {
                AtributoXml at;
                PartirNombre(a[0], at.nombre, at.espacio);
                at.valor = a[1];
                yo.atributos.push_back(at);
            }
            std::string_view local;
            std::string_view espacio;
            PartirNombre(nombre, local, espacio);
            yo.receptor.InicioElemento(local, espacio, yo.atributos);
        });
    }

    static void XMLCALL Fin(void* datos, const XML_Char* nombre) {
        Proteger(datos, [&](Impl& yo) {
            std::string_view local;
            std::string_view espacio;
            PartirNombre(nombre, local, espacio);
            yo.receptor.FinElemento(local, espacio);
        });
    }

    static void XMLCALL Caracteres(void* datos, const XML_Char* texto, int largo) {
        Proteger(datos, [&](Impl& yo) {
            // Expat hands each line end, and each reference, on its own; a
            // line feed from more bytes than CR LF takes is a reference.
            if (largo == 1 && texto[0] == '\n' && XML_GetCurrentByteCount(yo.parser) > 4)
                yo.receptor.Texto(" ");
            else
                yo.receptor.Texto(std::string_view(texto, static_cast<std::size_t>(largo)));
        });
    }

    static void XMLCALL TipoDocumento(void* datos, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        Proteger(datos, [](Impl& yo) {
            throw ErrorXml(static_cast<std::int64_t>(XML_GetCurrentLineNumber(yo.parser)), "DTD is prohibited", false);
        });
    }

    // Parses the next chunk of the file, or the rest of a paused one.
    XML_Status Avanzar() {
        if (suspendido) {
            suspendido = false;
            return XML_ResumeParser(parser);
        }
        const std::size_t trozo = std::min(kTrozoXml, bytes.TrozoLectura());
        void* bufer = XML_GetBuffer(parser, static_cast<int>(trozo));
        if (!bufer) throw std::bad_alloc();
        const std::size_t n = bytes.Leer(static_cast<char*>(bufer), trozo);
        ultimoTrozo = n < trozo;
        return XML_ParseBuffer(parser, static_cast<int>(n), ultimoTrozo ? XML_TRUE : XML_FALSE);
    }

    XML_Parser parser = nullptr;
    std::exception_ptr excepcion;
    bool suspendido = false;
    bool ultimoTrozo = false;
};

LectorXml::ImplPropio LectorXml::CrearImpl(FuenteBytes& bytes, ReceptorXml& receptor) {
    return {new Impl(bytes, receptor), [](Impl* i) { delete i; }};
}

bool LectorXml::Leer() {
    Impl& yo = *impl_;
    while (!yo.terminado) {
        yo.pausaPedida = false;
        const XML_Status estado = yo.Avanzar();
        if (yo.excepcion) {
            yo.terminado = true;
            std::rethrow_exception(yo.excepcion);
        }
        if (estado == XML_STATUS_ERROR) {
            yo.terminado = true;
            const XML_Error e = XML_GetErrorCode(yo.parser);
            if (e == XML_ERROR_NO_MEMORY) throw std::bad_alloc();
            throw ErrorXml(static_cast<std::int64_t>(XML_GetCurrentLineNumber(yo.parser)), XML_ErrorString(e),
                           yo.ultimoTrozo && EsFinPrematuro(e));
        }
        if (estado == XML_STATUS_SUSPENDED) {
            yo.suspendido = true;
            return true;
        }
        if (yo.ultimoTrozo) yo.terminado = true;
    }
    return false;
}

void LectorXml::QuererTexto(bool quiere) {
    // Expat takes this from inside its handlers too, and without one it
    // skips reporting whitespace and text altogether.
    XML_SetCharacterDataHandler(impl_->parser, quiere ? &Impl::Caracteres : nullptr);
}

void LectorXml::Pausar() {
    if (!impl_->pausaPedida) {
        impl_->pausaPedida = true;
        XML_StopParser(impl_->parser, XML_TRUE);
    }
}

std::int64_t LectorXml::Linea() const { return static_cast<std::int64_t>(XML_GetCurrentLineNumber(impl_->parser)); }

}  // namespace varnel
