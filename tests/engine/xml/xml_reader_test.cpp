// The XML reader over the platform's parser: the same events, lines and
// refusals from Expat (Linux) and XmlLite (Windows).

#include "engine/xml/xml_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/run_error.h"
#include "tests/test_support.h"
#include "tests/text_encodings.h"

namespace varnel {
namespace {

using prueba::CarpetaTemporal;

// Writes every event as "line:<{ns}name attr=value>", "</name>" or "text"
// (the pieces of one text joined). Only start tags have a line every parser
// agrees on.
class Grabadora : public ReceptorXml {
public:
    LectorXml* xml = nullptr;
    std::vector<std::string> eventos;
    int trozos = 0;
    bool pausarEnCadaInicio = false;
    std::string_view textoSoloEn;  // when set, text is wanted only inside these elements
    std::string ultimoInicio;
    int inicios = 0;

    void InicioElemento(std::string_view nombre, std::string_view espacio,
                        std::span<const AtributoXml> atributos) override {
        CerrarTexto();
        std::string e = std::to_string(xml->Linea()) + ":<" + Nombre(nombre, espacio);
        for (const auto& a : atributos) {
            e += ' ';
            e += Nombre(a.nombre, a.espacio);
            e += '=';
            e += a.valor;
        }
        eventos.push_back(e + ">");
        ultimoInicio = eventos.back();
        ++inicios;
        if (pausarEnCadaInicio) xml->Pausar();
        if (nombre == textoSoloEn) xml->QuererTexto(true);
    }
    void FinElemento(std::string_view nombre, std::string_view espacio) override {
        CerrarTexto();
        std::string e = "</";
        e += Nombre(nombre, espacio);
        e += '>';
        eventos.push_back(e);
        if (nombre == textoSoloEn) xml->QuererTexto(false);
    }
    void Texto(std::string_view texto) override {
        enTexto_ = true;
        ++trozos;
        texto_ += texto;
    }
    void CerrarTexto() {
        if (enTexto_) eventos.push_back(texto_);
        enTexto_ = false;
        texto_.clear();
    }

private:
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "literal" + string.
    static std::string Nombre(std::string_view nombre, std::string_view espacio) {
        std::string s;
        if (!espacio.empty()) {
            s += '{';
            s += espacio;
            s += '}';
        }
        s += nombre;
        return s;
    }
    bool enTexto_ = false;
    std::string texto_;
};

void LeerTodo(const std::filesystem::path& ruta, Grabadora& g) {
    LectorXml xml(ruta, g);
    g.xml = &xml;
    if (!g.textoSoloEn.empty()) xml.QuererTexto(false);
    while (xml.Leer()) {}
    g.CerrarTexto();
}

std::vector<std::string> Eventos(const std::filesystem::path& ruta) {
    Grabadora g;
    LeerTodo(ruta, g);
    return g.eventos;
}

using prueba::Codificacion;

struct CasoEventos {
    const char* nombre;
    Codificacion codificacion;
    std::string documento;  // UTF-8, re-encoded as the case says
    std::vector<std::string> eventos;
};

void PrintTo(const CasoEventos& c, std::ostream* os) { *os << c.nombre; }

const std::string kNs = "{http://www.topografix.com/GPX/1/1}";

const CasoEventos kCasosEventos[] = {
    {"espacio_por_defecto_y_lineas",
     Codificacion::Utf8,
     "<?xml version=\"1.0\"?>\n<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\">\n"
     "<wpt lat=\"42.5\" lon=\"-1.5\"/>\n</gpx>\n",
     {"2:<" + kNs + "gpx version=1.1>", "\n", "3:<" + kNs + "wpt lat=42.5 lon=-1.5>", "</" + kNs + "wpt>", "\n",
      "</" + kNs + "gpx>"}},
    {"prefijo_y_atributo_con_espacio",
     Codificacion::Utf8,
     "<g:gpx xmlns:g=\"urn:g\" xmlns:x=\"urn:x\"><g:trk x:a=\"1\" b=\"2\"></g:trk></g:gpx>",
     {"1:<{urn:g}gpx>", "1:<{urn:g}trk {urn:x}a=1 b=2>", "</{urn:g}trk>", "</{urn:g}gpx>"}},
    {"cdata_entidades_y_comentarios",
     Codificacion::Utf8,
     "<a><!-- <b/> -->x &amp; &#233;<![CDATA[<y> & \"z\"]]><?pi algo?>w</a>",
     {"1:<a>", "x & é<y> & \"z\"w", "</a>"}},
    {"fin_de_linea_crlf",
     Codificacion::Utf8,
     "<a>\r\n<b>uno\r\ndos</b>\r\n</a>",
     {"1:<a>", "\n", "2:<b>", "uno\ndos", "</b>", "\n", "</a>"}},
    {"utf8_con_marca",
     Codificacion::Utf8ConMarca,
     "<?xml version=\"1.0\"?>\n<a n=\"Sangüesa\">ñ</a>",
     {"2:<a n=Sangüesa>", "ñ", "</a>"}},
    {"utf16le_con_marca",
     Codificacion::Utf16Le,
     "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<a n=\"Sangüesa\">€ 𝄞</a>",
     {"2:<a n=Sangüesa>", "€ 𝄞", "</a>"}},
    {"utf16be_con_marca",
     Codificacion::Utf16Be,
     "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n<a n=\"Sangüesa\">ñ</a>",
     {"2:<a n=Sangüesa>", "ñ", "</a>"}},
    {"iso_8859_1_declarado",
     Codificacion::Latin1,
     "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<a n=\"Sangüesa\">Año ñ</a>",
     {"2:<a n=Sangüesa>", "Año ñ", "</a>"}},
    {"etiqueta_en_varias_lineas",
     Codificacion::Utf8,
     "<a>\n<b\n  x=\"1\"\n  y=\"2\"\n/><c/></a>",
     {"1:<a>", "\n", "2:<b x=1 y=2>", "</b>", "5:<c>", "</c>", "</a>"}},
    {"us_ascii_declarado",
     Codificacion::Utf8,
     "<?xml version=\"1.0\" encoding=\"US-ASCII\"?>\n<a>&#241;</a>",
     {"2:<a>", "ñ", "</a>"}},
};

class EventosXmlTest : public ::testing::TestWithParam<CasoEventos> {};

TEST_P(EventosXmlTest, MismosEventosEnCadaPlataforma) {
    const auto& c = GetParam();
    CarpetaTemporal dir;
    prueba::EscribirBytes(dir / "f.xml", prueba::Codificar(c.codificacion, c.documento));
    EXPECT_EQ(Eventos(dir / "f.xml"), c.eventos);
}

INSTANTIATE_TEST_SUITE_P(Documentos, EventosXmlTest, ::testing::ValuesIn(kCasosEventos),
                         [](const auto& info) { return std::string(info.param.nombre); });

struct CasoMalFormado {
    const char* nombre;
    std::string documento;
    std::int64_t linea;
    bool incompleto;
};

void PrintTo(const CasoMalFormado& c, std::ostream* os) { *os << c.nombre; }

const CasoMalFormado kCasosMalFormados[] = {
    {"etiqueta_cruzada", "<a>\n<b>\n</a>\n</b>\n", 3, false},
    {"atributo_sin_comillas", "<a>\n\n<b x=1/>\n</a>", 3, false},
    {"texto_tras_la_raiz", "<a/>\n<b/>\n", 2, false},
    {"declaracion_de_tipo", "<?xml version=\"1.0\"?>\n<!DOCTYPE a [<!ENTITY e \"x\">]>\n<a>&e;</a>", 2, false},
    {"cortado_entre_elementos", "<a>\n<b/>\n<b/>\n", 4, true},
    {"cortado_dentro_de_etiqueta", "<a>\n<b/>\n<b x=\"1", 3, true},
    // Cut on the last line: parsers differ on the line of a cut that spans
    // lines (where it starts, or where the file ends).
    {"cortado_en_un_comentario", "<a>\n<b>\n<!-- x", 3, true},
    {"cortado_en_cdata", "<a>\n<![CDATA[x y", 2, true},
    {"cortado_en_un_texto", "<a>\n<b>uno &amp; dos", 2, true},
    {"cortado_en_una_instruccion", "<a>\n<?pi x", 2, true},
    {"vacio", "", 1, true},
};

class MalFormadoTest : public ::testing::TestWithParam<CasoMalFormado> {};

TEST_P(MalFormadoTest, ErrorConLineaDelParser) {
    const auto& c = GetParam();
    CarpetaTemporal dir;
    prueba::EscribirBytes(dir / "f.xml", c.documento);
    try {
        Eventos(dir / "f.xml");
        FAIL() << "se esperaba un error";
    } catch (const ErrorXml& e) {
        EXPECT_EQ(e.Linea(), c.linea) << e.Mensaje();
        EXPECT_EQ(e.Incompleto(), c.incompleto) << e.Mensaje();
        EXPECT_FALSE(e.Mensaje().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Documentos, MalFormadoTest, ::testing::ValuesIn(kCasosMalFormados),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(LectorXmlTest, PausaTrasCadaElementoYSigueDondeSeQuedo) {
    CarpetaTemporal dir;
    std::string doc = "<a>";
    for (int i = 0; i < 3000; ++i) doc += "<p i=\"" + std::to_string(i) + "\"/>\n";
    doc += "</a>";
    prueba::EscribirBytes(dir / "f.xml", doc);
    Grabadora g;
    g.pausarEnCadaInicio = true;
    LectorXml xml(dir / "f.xml", g);
    g.xml = &xml;
    int pausas = 0;
    while (xml.Leer()) {
        ++pausas;
        // Each pause comes right after one start tag, in file order (the end
        // of an empty element may come with it).
        ASSERT_EQ(g.inicios, pausas);
        ASSERT_EQ(g.ultimoInicio,
                  pausas == 1 ? "1:<a>" : std::to_string(pausas - 1) + ":<p i=" + std::to_string(pausas - 2) + ">");
    }
    EXPECT_EQ(pausas, 3001);
}

TEST(LectorXmlTest, TextoLargoEnTrozos) {
    // A text far larger than a read chunk, many lines long.
    CarpetaTemporal dir;
    std::string texto;
    for (int i = 0; i < 100000; ++i) texto += "-1.643200,42.816900,450.00\n";
    prueba::EscribirBytes(dir / "f.xml", "<a>\n<c>" + texto + "</c></a>");
    Grabadora g;
    LeerTodo(dir / "f.xml", g);
    ASSERT_EQ(g.eventos.size(), 6u);
    EXPECT_EQ(g.eventos[2], "2:<c>");
    // Not EXPECT_EQ: a failure would print both texts whole.
    EXPECT_TRUE(g.eventos[3] == texto) << g.eventos[3].size() << " bytes en vez de " << texto.size();
    EXPECT_GT(g.trozos, 2);
}

TEST(LectorXmlTest, TextoSoloDondeSePide) {
    // Switched on and off from inside the handlers, across read chunks; a
    // file cut in a text that is not wanted is refused all the same.
    CarpetaTemporal dir;
    const auto eventos = [&](const std::string& documento) {
        prueba::EscribirBytes(dir / "f.xml", documento);
        Grabadora g;
        g.textoSoloEn = "b";
        LeerTodo(dir / "f.xml", g);
        return g.eventos;
    };
    const std::vector<std::string> esperados = {"1:<a>", "1:<b>", "uno",   "1:<c>", "dos",  "</c>",
                                                "tres",  "</b>",  "2:<b>", " <4>",  "</b>", "</a>"};
    EXPECT_EQ(eventos("<a>x<b>uno<c>dos</c>tres</b>\n" + std::string(70000, ' ') + "<b>&#10;<![CDATA[<4>]]></b>y</a>"),
              esperados);
    try {
        eventos("<a>\n<b>1</b>\n<c>uno &amp; dos");
        FAIL() << "se esperaba un error";
    } catch (const ErrorXml& e) {
        EXPECT_EQ(e.Linea(), 3) << e.Mensaje();
        EXPECT_TRUE(e.Incompleto()) << e.Mensaje();
    }
}

TEST(LectorXmlTest, AbrirFallaConElCodigoDeSiempre) {
    CarpetaTemporal dir;
    Grabadora g;
    const auto codigo = [&](const std::filesystem::path& p) {
        try {
            LectorXml xml(p, g);
        } catch (const ErrorEjecucion& e) {
            return e.Codigo();
        }
        return 0;
    };
    EXPECT_EQ(codigo(dir / "no-existe.gpx"), 53);
    EXPECT_EQ(codigo(dir / "no-carpeta" / "f.gpx"), 76);
    std::filesystem::create_directory(dir / "carpeta.gpx");
    EXPECT_EQ(codigo(dir / "carpeta.gpx"), 75);
    if (prueba::CrearTuberia(dir / "tuberia.gpx")) {
        EXPECT_EQ(codigo(dir / "tuberia.gpx"), 75);
    }
}

}  // namespace
}  // namespace varnel
