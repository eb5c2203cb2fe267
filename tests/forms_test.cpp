// The window description both toolkits render: consistent as data, and the
// help texts joined as designed.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "ui/forms/help_form.h"
#include "ui/forms/main_form.h"

namespace varnel::formularios {
namespace {

template <class Tabla>
void ComprobarTabla(const Tabla& controles, const Ventana& ventana) {
    std::set<std::string_view> nombres;
    std::set<int> indices;
    for (const Control& c : controles) {
        EXPECT_TRUE(nombres.insert(c.nombre).second) << c.nombre << " twice";
        if (c.indiceTab >= 0) {
            EXPECT_TRUE(indices.insert(c.indiceTab).second) << c.nombre;
        }
        // A frame holds its controls: it comes first and they fit inside it.
        int ancho = ventana.anchoTwips;
        int alto = ventana.altoTwips;
        if (!c.marco.empty()) {
            const auto marco =
                std::find_if(controles.begin(), controles.end(), [&](const Control& m) { return m.nombre == c.marco; });
            ASSERT_NE(marco, controles.end()) << c.nombre;
            EXPECT_EQ(marco->tipo, Tipo::Marco) << c.nombre;
            EXPECT_TRUE(nombres.count(c.marco)) << c.nombre << " before its frame";
            ancho = marco->rect.ancho;
            alto = marco->rect.alto;
        }
        EXPECT_LE(c.rect.izquierda + c.rect.ancho, ancho) << c.nombre;
        EXPECT_LE(c.rect.arriba + c.rect.alto, alto) << c.nombre;
        const bool tomaFoco = c.tipo != Tipo::Etiqueta && c.tipo != Tipo::Marco && c.tipo != Tipo::Enlace;
        EXPECT_EQ(c.indiceTab >= 0, tomaFoco) << c.nombre;
        EXPECT_EQ(c.tipo == Tipo::BotonDibujo, !c.dibujo.empty()) << c.nombre;
    }
}

TEST(FormulariosTest, VentanaPrincipalCoherente) {
    ComprobarTabla(kControlesPrincipal, kPrincipal);
    // Frame3 lies behind what it frames: it is created before them.
    EXPECT_EQ(kControlesPrincipal.front().nombre, "Frame3");
}

TEST(FormulariosTest, AyudaCoherente) { ComprobarTabla(kControlesAyuda, kAyuda); }

TEST(FormulariosTest, TextosDeAyudaUnidosConCrLf) {
    const auto piezas = [](const std::string& t) {
        std::size_t n = 1;
        for (std::size_t p = t.find("\r\n"); p != std::string::npos; p = t.find("\r\n", p + 2)) ++n;
        return n;
    };
    EXPECT_EQ(piezas(textos::TextoAyudaDescargar()), 2u);
    EXPECT_EQ(piezas(textos::TextoAyudaOzi()), 2u);
    EXPECT_EQ(piezas(textos::TextoAyudaMapsource()), 2u);
    EXPECT_EQ(piezas(textos::TextoAyudaVarnel()), 4u);
    // H8 keeps its closing space before the break.
    EXPECT_NE(textos::TextoAyudaVarnel().find("(Búsquedas; Por ruta de GPS). \r\n Este programa"), std::string::npos);
    EXPECT_EQ(textos::TextoAyudaMapsource().substr(0, 14), " Es un fichero");
}

}  // namespace
}  // namespace varnel::formularios
