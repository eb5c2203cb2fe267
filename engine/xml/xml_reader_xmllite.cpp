// LectorXml over XmlLite, the parser every Windows ships (xmllite.dll).

#include <objidl.h>
#include <windows.h>
#include <xmllite.h>

#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <vector>

#include "engine/core/run_error.h"
#include "engine/text/text_decoding.h"
#include "engine/xml/xml_reader.h"
#include "engine/xml/xml_text_splitter.h"
#include "engine/xml/xml_utf8_stream.h"

namespace varnel {
namespace {

using CrearLectorXmlFn = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

// mingw-w64 has no import library for xmllite.dll: the one function needed
// is taken from the system's copy, never from a DLL beside the program.
CrearLectorXmlFn CrearLectorXml() {
    static const CrearLectorXmlFn fn = []() -> CrearLectorXmlFn {
        HMODULE m = ::LoadLibraryExW(L"xmllite.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!m) return nullptr;
        // Through void(*)(): the one function pointer type GCC lets any other become.
        return reinterpret_cast<CrearLectorXmlFn>(reinterpret_cast<void (*)()>(::GetProcAddress(m, "CreateXmlReader")));
    }();
    return fn;
}

std::u16string_view Unidades(const WCHAR* p, std::size_t n) {
    static_assert(sizeof(WCHAR) == sizeof(char16_t));
    return {reinterpret_cast<const char16_t*>(p), n};
}

// A whole UTF-16 text to UTF-8; a lone surrogate becomes U+FFFD.
void AnadirUtf8(const WCHAR* p, std::size_t n, std::string& s) {
    DecodificadorUtf16 d;
    d.DecodificarUnidades(Unidades(p, n), s);
    d.Terminar(s);
}

// Faults that are the document's own wherever they are found; any other
// found right at the file's end is the file being cut short.
bool EsFalloDeEstructura(HRESULT hr) {
    switch (static_cast<unsigned long>(hr)) {
    case WC_E_ELEMENTMATCH:
    case WC_E_UNIQUEATTRIBUTE:
    case WC_E_UNDECLAREDENTITY:
    case WC_E_DTDPROHIBITED:
    case WC_E_MOREDATA:
    case NC_E_UNDECLAREDPREFIX:
    case MX_E_ENCODING:
    case MX_E_ENCODINGSWITCH:
    case MX_E_ENCODINGSIGNATURE:
    case WC_E_ENCNAME: return true;
    default: return false;
    }
}

// XmlLite gives a code only: worded as Expat words the same faults, its
// catch-all for a character where none may be included.
std::string MensajeXmlLite(HRESULT hr) {
    const auto c = static_cast<unsigned long>(hr);
    switch (c) {
    case MX_E_INPUTEND: return "unexpected end of input";
    case MX_E_ENCODING:
    case WC_E_ENCNAME: return "unknown encoding";
    case MX_E_ENCODINGSWITCH:
    case MX_E_ENCODINGSIGNATURE: return "encoding specified in XML declaration is incorrect";
    case WC_E_ELEMENTMATCH: return "mismatched tag";
    case WC_E_UNIQUEATTRIBUTE: return "duplicate attribute";
    case WC_E_UNDECLAREDENTITY: return "undefined entity";
    case WC_E_CDSECTEND: return "unclosed CDATA section";
    case WC_E_MOREDATA: return "junk after document element";
    case WC_E_DTDPROHIBITED: return "DTD is prohibited";
    case WC_E_XMLDECL: return "XML declaration not well-formed";
    case WC_E_LEADINGXML: return "XML or text declaration not at start of entity";
    case NC_E_UNDECLAREDPREFIX: return "unbound prefix";
    default: break;
    }
    if (c >= WC_E_WC && c < SC_E_SC) return "not well-formed (invalid token)";  // well-formedness, namespaces
    char texto[48];
    std::snprintf(texto, sizeof texto, "XmlLite error 0x%08lX", c);
    return texto;
}

// The file as the stream XmlLite reads, a chunk at a time, in UTF-8.
class FlujoFichero final : public ISequentialStream {
public:
    explicit FlujoFichero(FuenteBytes& bytes) : utf8_(bytes) {}
    FlujoFichero(const FlujoFichero&) = delete;
    FlujoFichero& operator=(const FlujoFichero&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** objeto) override {
        if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(ISequentialStream))) {
            *objeto = static_cast<ISequentialStream*>(this);
            AddRef();
            return S_OK;
        }
        *objeto = nullptr;
        return E_NOINTERFACE;
    }
    // Owned by the reader's state, which outlives XmlLite's references.
    ULONG STDMETHODCALLTYPE AddRef() override { return ++referencias_; }
    ULONG STDMETHODCALLTYPE Release() override { return --referencias_; }

    HRESULT STDMETHODCALLTYPE Read(void* destino, ULONG cuantos, ULONG* leidos) override {
        const std::size_t n = utf8_.Leer(static_cast<char*>(destino), cuantos);
        if (leidos) *leidos = static_cast<ULONG>(n);
        if (utf8_.Fallo()) return STG_E_READFAULT;
        return n < cuantos ? S_FALSE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG*) override { return STG_E_ACCESSDENIED; }

    const FlujoXmlUtf8& Utf8() const { return utf8_; }

private:
    FlujoXmlUtf8 utf8_;
    ULONG referencias_ = 1;
};

}  // namespace

struct LectorXml::Impl : LectorXml::Estado {
    Impl(FuenteBytes& b, ReceptorXml& rec) : Estado{b, rec}, flujo(b) {
        const CrearLectorXmlFn crear = CrearLectorXml();
        if (!crear) throw ErrorEjecucion(codigo::ErrorEs);
        HRESULT hr = crear(__uuidof(IXmlReader), reinterpret_cast<void**>(&lector), nullptr);
        if (hr == E_OUTOFMEMORY) throw std::bad_alloc();
        if (FAILED(hr)) throw ErrorEjecucion(codigo::ErrorEs);
        lector->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
        lector->SetProperty(XmlReaderProperty_MaxElementDepth, 0);  // Expat has no limit either
        hr = lector->SetInput(&flujo);
        if (FAILED(hr)) {
            lector->Release();
            throw ErrorEjecucion(codigo::ErrorEs);
        }
    }
    ~Impl() { lector->Release(); }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    std::int64_t LineaDelNodo() const {
        UINT n = 0;
        lector->GetLineNumber(&n);
        return n;
    }
    std::int64_t ColumnaDelNodo() const {
        UINT n = 0;
        lector->GetLinePosition(&n);
        return n;
    }

    [[noreturn]] void Fallar(HRESULT hr) {
        terminado = true;
        const FlujoXmlUtf8& utf8 = flujo.Utf8();
        if (utf8.Fallo()) std::rethrow_exception(utf8.Fallo());
        if (hr == E_OUTOFMEMORY) throw std::bad_alloc();
        const std::int64_t linea = LineaDelNodo();
        const bool alFinal = utf8.Agotado() && linea == utf8.LineaFinal() && ColumnaDelNodo() >= utf8.ColumnaFinal();
        throw ErrorXml(linea, MensajeXmlLite(hr),
                       static_cast<unsigned long>(hr) == MX_E_INPUTEND || (alFinal && !EsFalloDeEstructura(hr)));
    }

    [[noreturn]] void FinPrematuro() {
        terminado = true;
        throw ErrorXml(flujo.Utf8().LineaFinal(), raizVista ? "unclosed token" : "no element found", true);
    }

    // Text where markup should start is refused where it is, as Expat does
    // (XmlLite under Wine reads on to the file's end first).
    void ComprobarInicio() {
        const FlujoXmlUtf8& utf8 = flujo.Utf8();
        if (inicioComprobado || !(utf8.PrimeroVisto() || utf8.Agotado())) return;
        inicioComprobado = true;
        if (utf8.EmpiezaSinMarcado()) {
            terminado = true;
            throw ErrorXml(utf8.LineaPrimero(), "syntax error", false);
        }
    }

    // Wine's XmlLite, cut short inside an element (or a comment, a CDATA
    // section...), gives the last node again and again: a node where the
    // last one was, once the whole file is read, is the file's end.
    bool SinAvanzar(XmlNodeType tipo) {
        const std::int64_t linea = LineaDelNodo();
        const std::int64_t columna = ColumnaDelNodo();
        const bool repetido = tipo == tipoAnterior && linea == lineaAnterior && columna == columnaAnterior;
        tipoAnterior = tipo;
        lineaAnterior = linea;
        columnaAnterior = columna;
        return repetido && flujo.Utf8().Agotado();
    }

    void Comprobar(HRESULT hr) {
        if (FAILED(hr)) Fallar(hr);
    }

    void LeerNombre(std::string& nombre, std::string& espacio) {
        const WCHAR* p = nullptr;
        UINT n = 0;
        nombre.clear();
        espacio.clear();
        Comprobar(lector->GetLocalName(&p, &n));
        AnadirUtf8(p, n, nombre);
        Comprobar(lector->GetNamespaceUri(&p, &n));
        AnadirUtf8(p, n, espacio);
    }

    void Elemento() {
        const bool vacio = lector->IsEmptyElement();
        LeerNombre(nombre, espacio);
        if (espacio == kEspacioCorteXml) return;  // a cut of a long text, not the file's
        std::size_t cuantos = 0;
        for (HRESULT hr = lector->MoveToFirstAttribute(); hr == S_OK; hr = lector->MoveToNextAttribute()) {
            if (textosAtributos.size() < 3 * (cuantos + 1)) textosAtributos.resize(3 * (cuantos + 1));
            std::string& n = textosAtributos[3 * cuantos];
            std::string& e = textosAtributos[3 * cuantos + 1];
            std::string& v = textosAtributos[3 * cuantos + 2];
            LeerNombre(n, e);
            if (e == "http://www.w3.org/2000/xmlns/") continue;  // a namespace declaration
            const WCHAR* p = nullptr;
            UINT largo = 0;
            Comprobar(lector->GetValue(&p, &largo));
            v.clear();
            AnadirUtf8(p, largo, v);
            ++cuantos;
        }
        lector->MoveToElement();
        // Views only once every text is in place: the vector may have grown.
        atributos.clear();
        for (std::size_t i = 0; i < cuantos; ++i)
            atributos.push_back({textosAtributos[3 * i], textosAtributos[3 * i + 1], textosAtributos[3 * i + 2]});
        raizVista = true;
        receptor.InicioElemento(nombre, espacio, atributos);
        if (vacio)
            receptor.FinElemento(nombre, espacio);  // XmlLite gives no end for <a/>
        else
            ++profundidad;
    }

    void FinDeElemento() {
        LeerNombre(nombre, espacio);
        --profundidad;
        receptor.FinElemento(nombre, espacio);
    }

    // The node's value a chunk at a time: a long text never sits whole in
    // memory. Read all the same when not wanted: its faults are found here.
    void Texto() {
        if (profundidad == 0) return;  // Expat gives no text outside the root either
        WCHAR trozo[4096];
        DecodificadorUtf16 utf16;  // keeps half a surrogate pair for the next chunk
        std::int64_t linea = lineaActual;
        while (true) {
            UINT leidos = 0;
            Comprobar(lector->ReadValueChunk(trozo, 4096, &leidos));
            const bool fin = leidos == 0;
            if (!conTexto) {
                if (fin) break;
                continue;
            }
            texto.clear();
            utf16.DecodificarUnidades(Unidades(trozo, leidos), texto);
            if (fin) utf16.Terminar(texto);
            if (!texto.empty()) {
                lineaActual = linea;
                receptor.Texto(texto);
                for (char c : texto)
                    if (c == '\n') ++linea;
            }
            if (fin) break;
        }
    }

    FlujoFichero flujo;
    IXmlReader* lector = nullptr;
    std::string nombre;
    std::string espacio;
    std::string texto;
    std::vector<std::string> textosAtributos;  // name, namespace and value of each
    std::int64_t profundidad = 0;
    std::int64_t lineaActual = 0;
    XmlNodeType tipoAnterior = XmlNodeType_None;
    std::int64_t lineaAnterior = 0;
    std::int64_t columnaAnterior = 0;
    bool raizVista = false;
    bool inicioComprobado = false;
    bool conTexto = true;
};

LectorXml::ImplPropio LectorXml::CrearImpl(FuenteBytes& bytes, ReceptorXml& receptor) {
    return {new Impl(bytes, receptor), [](Impl* i) { delete i; }};
}

bool LectorXml::Leer() {
    Impl& yo = *impl_;
    yo.pausaPedida = false;
    while (!yo.terminado && !yo.pausaPedida) {
        XmlNodeType tipo = XmlNodeType_None;
        const HRESULT hr = yo.lector->Read(&tipo);
        yo.ComprobarInicio();
        if (hr == S_FALSE) {
            // XmlLite may end quietly where the file is cut short.
            if (yo.profundidad > 0 || !yo.raizVista) yo.FinPrematuro();
            yo.terminado = true;
            break;
        }
        yo.Comprobar(hr);
        if (yo.SinAvanzar(tipo)) yo.FinPrematuro();
        yo.lineaActual = yo.LineaDelNodo();
        switch (tipo) {
        case XmlNodeType_Element: yo.Elemento(); break;
        case XmlNodeType_EndElement: yo.FinDeElemento(); break;
        case XmlNodeType_Text:
        case XmlNodeType_CDATA:
        case XmlNodeType_Whitespace: yo.Texto(); break;
        default: break;
        }
    }
    return !yo.terminado;
}

void LectorXml::Pausar() { impl_->pausaPedida = true; }

void LectorXml::QuererTexto(bool quiere) { impl_->conTexto = quiere; }

std::int64_t LectorXml::Linea() const { return impl_->lineaActual; }

}  // namespace varnel
