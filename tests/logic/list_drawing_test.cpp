// The drawing of the Cuadro Descargar's list, over the box's text: the summary
// line, the view's transform, the grid, the decimated line, the pointer.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "tests/logic/fake_settings_store.h"
#include "ui/logic/drawing_logic.h"

namespace varnel::prueba {
namespace {

using logica::PuntoPx;

struct CasoResumen {
    const char* nombre;
    const char* caja;
    DatumLista datum;
    const char* resumen;
};
void PrintTo(const CasoResumen& c, std::ostream* os) { *os << c.nombre; }

class ResumenTest : public ::testing::TestWithParam<CasoResumen> {};

TEST_P(ResumenTest, LineaBajoElDibujo) {
    logica::ListaDibujo lista;
    lista.Leer(GetParam().caja);
    EXPECT_EQ(lista.Resumen(GetParam().datum), GetParam().resumen);
}

INSTANTIATE_TEST_SUITE_P(
    Cajas, ResumenTest,
    ::testing::Values(CasoResumen{"vacia", "", DatumLista::Ed50, "Cuadro Descargar sin puntos"},
                      CasoResumen{"soloBlancos", "\r\n  \r\n", DatumLista::Ed50, "Cuadro Descargar sin puntos"},
                      CasoResumen{"unPunto", "610000,4740000", DatumLista::Etrs89,
                                  "1 punto · 0,0 km · E 610000–610000 · N 4740000–4740000 · ETRS89"},
                      // 3-4-5: five kilometres along, the ranges from both ends.
                      CasoResumen{"dos", "613000,4744000\r\n610000,4740000\r\n", DatumLista::Ed50,
                                  "2 puntos · 5,0 km · E 610000–613000 · N 4740000–4744000 · ED50"},
                      CasoResumen{"comaDecimal", "610000,4740000\n610000,4741260\n610000,4740000", DatumLista::Ed50,
                                  "3 puntos · 2,5 km · E 610000–610000 · N 4740000–4741260 · ED50"},
                      CasoResumen{
                          "lineasMalas", "610000,4740000\nx\n\n611000,4740000\nabc,1\n7\n;\n,", DatumLista::Ed50,
                          "2 puntos · 1,0 km · E 610000–611000 · N 4740000–4740000 · ED50 · Línea 2: no es un punto; "
                          "Línea 5: no es un punto; Línea 6: no es un punto y 2 más"},
                      CasoResumen{"nadaBueno", "hola\r\nadiós", DatumLista::Ed50,
                                  "Cuadro Descargar sin puntos · Línea 1: no es un punto; Línea 2: no es un punto"}),
    [](const auto& i) { return std::string(i.param.nombre); });

// A view fitted to an extent: every point inside the margins, the limiting
// side touching them; zoom keeps the metre under the pointer; a pan moves
// every point by the pointer's move.
TEST(VistaDibujoTest, AjusteZoomYDesplazamiento) {
    struct Caso {
        int ancho, alto;
        double minE, maxE, minN, maxN;
    };
    for (const Caso& c : {Caso{640, 480, 610000, 615000, 4740000, 4741000}, Caso{300, 700, 0, 100, 0, 3000},
                          Caso{500, 500, 612000, 612000, 4741000, 4741000}}) {
        logica::VistaDibujo v;
        v.Tamano(c.ancho, c.alto);
        v.Ajustar(c.minE, c.maxE, c.minN, c.maxN);
        const PuntoPx a = v.APixel(c.minE, c.maxN);
        const PuntoPx b = v.APixel(c.maxE, c.minN);
        const float m = logica::VistaDibujo::kMargen;
        EXPECT_GE(a.x, m - 0.01F);
        EXPECT_GE(a.y, m - 0.01F);
        EXPECT_LE(b.x, c.ancho - m + 0.01F);
        EXPECT_LE(b.y, c.alto - m + 0.01F);
        if (c.maxE > c.minE) {
            EXPECT_TRUE(std::abs(a.x - m) < 0.01F || std::abs(a.y - m) < 0.01F) << c.ancho;
        }
        EXPECT_NEAR((a.x + b.x) / 2, c.ancho / 2.0, 0.01);  // centred

        const PuntoPx puntero{100, 80};
        const double e = v.EsteDe(puntero.x);
        const double n = v.NorteDe(puntero.y);
        v.Zoom(1.25 * 1.25, puntero);
        EXPECT_NEAR(v.EsteDe(puntero.x), e, 1e-6);
        EXPECT_NEAR(v.NorteDe(puntero.y), n, 1e-6);
        const PuntoPx antes = v.APixel(c.minE, c.minN);
        v.Desplazar(15, -7);
        EXPECT_NEAR(v.APixel(c.minE, c.minN).x, antes.x + 15, 1e-3);
        EXPECT_NEAR(v.APixel(c.minE, c.minN).y, antes.y - 7, 1e-3);
    }
}

// The step is the smallest power of ten whose lines stand 70 pixels apart;
// every line sits on a multiple of it and is labelled with its value.
TEST(VistaDibujoTest, RejillaYRotulos) {
    for (const auto& [metrosPorAncho, paso] :
         {std::pair{1000.0, 100.0}, std::pair{10000.0, 1000.0}, std::pair{20000.0, 10000.0}, std::pair{100.0, 10.0},
          std::pair{1400.0, 100.0}, std::pair{1500.0, 1000.0}}) {
        logica::ListaDibujo lista;
        lista.Leer("610000,4740000\n" + std::to_string(610000 + static_cast<int>(metrosPorAncho)) + ",4740000");
        logica::VistaDibujo v;
        v.Tamano(1000 + 2 * static_cast<int>(logica::VistaDibujo::kMargen), 2000);  // the width decides
        v.Ajustar(lista.MinEste(), lista.MaxEste(), lista.MinNorte(), lista.MaxNorte());
        EXPECT_DOUBLE_EQ(v.PasoRejilla(), paso) << metrosPorAncho;
        const logica::Primitivas d = logica::Dibujar(lista, v);
        int verticales = 0;
        for (const logica::LineaRejilla& l : d.rejilla) {
            const double valor = std::stod(l.rotulo);
            EXPECT_EQ(std::fmod(valor, paso), 0) << l.rotulo;
            const PuntoPx p = v.APixel(valor, valor);
            EXPECT_NEAR(l.pos, l.vertical ? p.x : p.y, 1e-3) << l.rotulo;
            verticales += l.vertical;
        }
        EXPECT_EQ(verticales, static_cast<int>(std::floor(v.EsteDe(static_cast<float>(d.ancho)) / paso) -
                                               std::ceil(v.EsteDe(0) / paso)) +
                                  1);
    }
}

// The longest list a run makes: every point read, one vertex per pixel
// reached, the markers on the first and last points.
TEST(DibujoTest, TreintaYDosMilPuntosUnoPorPixel) {
    std::string caja;
    for (int i = 0; i < 32767; ++i) {
        if (i) caja += "\r\n";
        caja += std::to_string(610000 + (i % 400) * 3) + "," + std::to_string(4740000 + i / 4);
    }
    logica::LogicaDibujo logica([](std::int64_t) {});
    logica.Tamano(400, 300);
    logica.Leer(caja, DatumLista::Ed50);
    ASSERT_EQ(logica.Lista().Puntos().size(), 32767U);
    const logica::Primitivas d = logica.Dibujo();
    std::set<std::pair<long, long>> pixeles;
    for (const logica::PuntoLista& p : logica.Lista().Puntos()) {
        const PuntoPx q = logica.Vista().APixel(p.este, p.norte);
        pixeles.emplace(std::lround(q.x), std::lround(q.y));
    }
    EXPECT_LE(d.traza.size(), pixeles.size() + 1);
    EXPECT_LT(d.traza.size(), 32767U / 4);
    for (std::size_t i = 1; i + 1 < d.traza.size(); ++i)
        EXPECT_FALSE(std::lround(d.traza[i].x) == std::lround(d.traza[i - 1].x) &&
                     std::lround(d.traza[i].y) == std::lround(d.traza[i - 1].y))
            << i;
    const auto& puntos = logica.Lista().Puntos();
    EXPECT_EQ(d.inicio, logica.Vista().APixel(puntos.front().este, puntos.front().norte));
    EXPECT_EQ(d.fin, logica.Vista().APixel(puntos.back().este, puntos.back().norte));
}

// Hovering names the point and its box line; a click selects that line, a
// drag moves the drawing instead; the keys zoom, pan, fit and close.
TEST(LogicaDibujoTest, PunteroClicArrastreYTeclas) {
    std::vector<std::int64_t> seleccionadas;
    logica::LogicaDibujo logica([&](std::int64_t l) { seleccionadas.push_back(l); });
    logica.Tamano(400, 300);
    logica.Leer("610000,4740000\r\n\r\nno\r\n611000,4741000\r\n612000,4740000", DatumLista::Ed50);
    const PuntoPx segundo = logica.Vista().APixel(611000, 4741000);

    EXPECT_TRUE(logica.Mover({segundo.x + 3, segundo.y - 2}, false));
    EXPECT_EQ(logica.Dibujo().rotulo, "Punto 2 (línea 4): 611000,4741000");
    EXPECT_EQ(logica.Dibujo().resaltado, segundo);
    EXPECT_TRUE(logica.Mover({segundo.x + 40, segundo.y}, false));
    EXPECT_EQ(logica.Dibujo().rotulo, "");

    logica.Pulsar(segundo);
    logica.Soltar(segundo);
    EXPECT_EQ(seleccionadas, std::vector<std::int64_t>{4});
    logica.Pulsar(segundo);
    EXPECT_TRUE(logica.Mover({segundo.x + 30, segundo.y + 10}, true));
    logica.Soltar({segundo.x + 30, segundo.y + 10});
    EXPECT_EQ(seleccionadas.size(), 1U);
    EXPECT_NEAR(logica.Vista().APixel(611000, 4741000).x, segundo.x + 30, 1e-3);

    // A new text keeps a view the user moved; "0" (or Ajustar, a double click) fits again.
    logica.Leer("610000,4740000\r\n611000,4741000", DatumLista::Ed50);
    EXPECT_NEAR(logica.Vista().APixel(611000, 4741000).x, segundo.x + 30, 1e-3);
    EXPECT_TRUE(logica.Pulsada(logica::Tecla::Cero));
    const PuntoPx ajustado = logica.Vista().APixel(610000, 4740000);
    const double escala = logica.Vista().Escala();
    EXPECT_TRUE(logica.Pulsada(logica::Tecla::Mas));
    EXPECT_NEAR(logica.Vista().Escala(), escala * 1.25, 1e-9);
    EXPECT_TRUE(logica.Pulsada(logica::Tecla::Menos));
    EXPECT_TRUE(logica.Pulsada(logica::Tecla::Derecha));
    EXPECT_NEAR(logica.Vista().APixel(610000, 4740000).x, ajustado.x - 40, 1e-3);
    EXPECT_TRUE(logica.Pulsada(logica::Tecla::Arriba));
    EXPECT_NEAR(logica.Vista().APixel(610000, 4740000).y, ajustado.y + 40, 1e-3);
    EXPECT_TRUE(logica.DobleClic());
    EXPECT_EQ(logica.Vista().APixel(610000, 4740000), ajustado);
    EXPECT_FALSE(logica.Pulsada(logica::Tecla::Escape));
}

TEST(GeometriaDibujoTest, GuardadaConLosAjustesYLeidaSoloSiValida) {
    AjustesFalsos ajustes;
    EXPECT_FALSE(logica::LeerGeometria(ajustes));
    logica::GuardarGeometria(ajustes, {-8, 30, 700, 500});
    EXPECT_EQ(ajustes.valores["dibujo"], "-8,30,700,500");
    EXPECT_EQ(logica::LeerGeometria(ajustes), (logica::Geometria{-8, 30, 700, 500}));
    for (const char* malo : {"", "1,2,700", "1,2,700,500,", "1;2;700;500", "1,2,100,500", "a,2,700,500"}) {
        ajustes.valores["dibujo"] = malo;
        EXPECT_FALSE(logica::LeerGeometria(ajustes)) << malo;
    }
}

}  // namespace
}  // namespace varnel::prueba
