#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/run_error.h"
#include "engine/text/line_reader.h"
#include "engine/text/text_lines.h"
#include "engine/text/text_writer.h"
#include "tests/test_support.h"

namespace varnel {
namespace {

using prueba::CarpetaTemporal;

std::vector<std::string> TodasLasLineas(FuenteLineas& f) {
    std::vector<std::string> v;
    std::string l;
    while (f.SiguienteLinea(l)) v.push_back(l);
    return v;
}

struct CasoLineas {
    const char* nombre;
    std::string texto;
    std::vector<std::string> lineas;
};

void PrintTo(const CasoLineas& c, std::ostream* os) { *os << ::testing::PrintToString(c.texto); }

class FinesDeLineaTest : public ::testing::TestWithParam<CasoLineas> {};

TEST_P(FinesDeLineaTest, FicheroYCuadroCortanIgual) {
    const auto& c = GetParam();
    CarpetaTemporal dir;
    prueba::EscribirBytes(dir / "f.txt", c.texto);
    LectorLineas fichero(dir / "f.txt");
    EXPECT_EQ(TodasLasLineas(fichero), c.lineas);
    LineasTexto caja(c.texto);
    EXPECT_EQ(TodasLasLineas(caja), c.lineas);
}

INSTANTIATE_TEST_SUITE_P(Casos, FinesDeLineaTest,
                         ::testing::Values(CasoLineas{"vacio", "", {}}, CasoLineas{"una_sin_fin", "a", {"a"}},
                                           CasoLineas{"crlf", "a\r\nb\r\n", {"a", "b"}},
                                           CasoLineas{"lf", "a\nb\n", {"a", "b"}},
                                           CasoLineas{"cr_solo", "a\rb\r", {"a", "b"}},
                                           CasoLineas{"crlf_linea_vacia", "a\r\n\r\nb", {"a", "", "b"}},
                                           CasoLineas{"lf_cr_linea_vacia", "a\n\rb", {"a", "", "b"}},
                                           CasoLineas{"solo_crlf", "\r\n", {""}},
                                           CasoLineas{"cr_antes_de_crlf", "a\r\r\nb", {"a", "", "b"}}),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST(LectorLineasTest, UnCrAlFinalDelBuferSeJuntaConSuLf) {
    CarpetaTemporal dir;
    // The CR LF straddles the reader's 64 KiB buffer.
    const std::string largo(64 * 1024 - 1, 'x');
    prueba::EscribirBytes(dir / "f.txt", largo + "\r\nfin\r\n");
    LectorLineas f(dir / "f.txt");
    const auto v = TodasLasLineas(f);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0], largo);
    EXPECT_EQ(v[1], "fin");
}

TEST(LectorLineasTest, DecodificaWindows1252YNumeraLineas) {
    CarpetaTemporal dir;
    prueba::EscribirBytes(dir / "f.txt", "uno\n65\xB0\n");
    LectorLineas f(dir / "f.txt");
    std::string l;
    ASSERT_TRUE(f.SiguienteLinea(l));
    ASSERT_TRUE(f.SiguienteLinea(l));
    EXPECT_EQ(l, "65\u00B0");
    EXPECT_EQ(f.Ubicacion().numero, 2);
    EXPECT_EQ(f.Ubicacion().fichero, dir / "f.txt");
}

int CodigoAlAbrirLectura(const std::filesystem::path& p) {
    try {
        LectorLineas f(p);
    } catch (const ErrorEjecucion& e) {
        return e.Codigo();
    }
    return 0;
}

int CodigoAlEscribir(const std::filesystem::path& p) {
    try {
        EscritorTexto f(p);
        f.EscribirBytes("612345,4745678\r\n");
        f.Cerrar();
    } catch (const ErrorEjecucion& e) {
        return e.Codigo();
    }
    return 0;
}

TEST(ErroresDeFicheroTest, CadaFalloDelSistemaTieneSuCodigo) {
    CarpetaTemporal dir;
    EXPECT_EQ(CodigoAlAbrirLectura(dir / "no-existe.txt"), 53);
    EXPECT_EQ(CodigoAlAbrirLectura(dir / "no-carpeta" / "f.txt"), 76);
    std::filesystem::create_directory(dir / "carpeta.txt");
    EXPECT_EQ(CodigoAlAbrirLectura(dir / "carpeta.txt"), 75);
    EXPECT_EQ(CodigoAlEscribir(dir / "carpeta.txt"), 75);
    EXPECT_EQ(CodigoAlEscribir(dir / "no-carpeta" / "f.txt"), 76);
    if (prueba::CrearTuberia(dir / "tuberia.txt")) {
        EXPECT_EQ(CodigoAlAbrirLectura(dir / "tuberia.txt"), 75);
        EXPECT_EQ(CodigoAlEscribir(dir / "tuberia.txt"), 75);
    }
    if (prueba::CrearEnlaceADiscoLleno(dir / "lleno.txt")) {
        EXPECT_EQ(CodigoAlEscribir(dir / "lleno.txt"), 61);
    }
    if (prueba::CrearEnlaceSimbolico(dir / "nada" / "x.txt", dir / "colgante.txt")) {
        EXPECT_EQ(CodigoAlAbrirLectura(dir / "colgante.txt"), 53);
        EXPECT_EQ(CodigoAlEscribir(dir / "colgante.txt"), 76);
    }
}

}  // namespace
}  // namespace varnel
