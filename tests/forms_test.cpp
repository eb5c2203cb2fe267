// The window description both toolkits render: consistent as data, and the
// help texts joined as designed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

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
    EXPECT_EQ(piezas(textos::TextoAyudaMapsource()), 2u);
    for (DatumLista d : {DatumLista::Ed50, DatumLista::Etrs89}) {
        EXPECT_EQ(piezas(textos::TextoAyudaOzi(d)), 2u);
        EXPECT_EQ(piezas(textos::TextoAyudaVarnel(d)), 6u);
        // H8 keeps its closing space before the break.
        EXPECT_NE(textos::TextoAyudaVarnel(d).find("(Búsquedas; Por ruta de GPS). \r\n Este programa"),
                  std::string::npos);
    }
    EXPECT_EQ(textos::TextoAyudaMapsource().substr(0, 14), " Es un fichero");
}

// Options form one group per frame: the datum's two options are a group of
// their own, apart from the Garmin options, and each has an access key no
// other control of the window has.
TEST(FormulariosTest, OpcionesDelDatumEnSuMarcoConTeclasPropias) {
    std::vector<std::string_view> enFrame4;
    std::set<char> teclas;
    for (const Control& c : kControlesPrincipal) {
        if (c.tipo == Tipo::Opcion && c.marco == "Frame4") enFrame4.push_back(c.nombre);
        const std::size_t amp = c.texto.find('&');
        if (amp == std::string_view::npos) continue;
        ASSERT_LT(amp + 1, c.texto.size()) << c.nombre;
        const char tecla = static_cast<char>(std::toupper(static_cast<unsigned char>(c.texto[amp + 1])));
        EXPECT_TRUE(teclas.insert(tecla).second) << c.nombre << ": Alt+" << tecla << " twice";
    }
    EXPECT_EQ(enFrame4, (std::vector<std::string_view>{"OptionED50", "OptionETRS89"}));
    EXPECT_EQ(teclas, (std::set<char>{'S', 'I', 'W', 'T', 'M', 'E', 'R'}));
    const Control& marco = kControlesPrincipal[static_cast<std::size_t>(Indice(kControlesPrincipal, "Frame4"))];
    EXPECT_EQ(marco.texto, "Datum SITNA");
    // In the free space right of the Garmin frame, overlapping nothing else.
    for (const Control& c : kControlesPrincipal) {
        if (c.nombre == "Frame4" || c.marco == "Frame4") continue;
        const RectTwips a = EnVentana(kControlesPrincipal, c);
        const RectTwips b = marco.rect;
        const bool separados = a.izquierda + a.ancho <= b.izquierda || b.izquierda + b.ancho <= a.izquierda ||
                               a.arriba + a.alto <= b.arriba || b.arriba + b.alto <= a.arriba;
        EXPECT_TRUE(separados) << c.nombre;
    }
}

}  // namespace
}  // namespace varnel::formularios
