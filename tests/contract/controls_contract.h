#pragma once

// What every toolkit's Controles does, the same for the controls in memory,
// the Qt window and the Win32 window. A toolkit's test binary includes this
// once and instantiates it with its bench:
//
//   struct Banco {
//       Banco();                                    // the main window, made and shown
//       logica::Controles& Controles();
//       std::filesystem::path Legible() const;      // a folder that can be listed
//       int LargoSeleccion(logica::NombreControl c) const;
//       bool ParadaTab(logica::NombreControl c) const;
//       std::string Ayuda(logica::NombreControl c) const;  // its tooltip
//   };
//   INSTANTIATE_TYPED_TEST_SUITE_P(Qt, ContratoControles, Banco);

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

#include "ui/logic/controls.h"

namespace varnel::prueba {

template <class Banco>
class ContratoControles : public ::testing::Test {
protected:
    Banco banco;
    logica::Controles& c = banco.Controles();
};

TYPED_TEST_SUITE_P(ContratoControles);

// A box's lines come back separated by CR LF, whatever separated them.
TYPED_TEST_P(ContratoControles, LasLineasVuelvenConCrLf) {
    auto& c = this->c;
    c.PonerTexto("txtPorta", "612345,4745678\r\n612346,4745679\r\n");
    EXPECT_EQ(c.Texto("txtPorta"), "612345,4745678\r\n612346,4745679\r\n");
    c.PonerTexto("txtPorta", "uno\ndos\ntres");
    EXPECT_EQ(c.Texto("txtPorta"), "uno\r\ndos\r\ntres");
    c.PonerTexto("txtPorta", "");
    EXPECT_EQ(c.Texto("txtPorta"), "");
    c.PonerTexto("txtMensajes", "Generados 1 Waypoints en /tmp/Sitna-OziWp.txt");
    EXPECT_EQ(c.Texto("txtMensajes"), "Generados 1 Waypoints en /tmp/Sitna-OziWp.txt");
}

// Start and length are each limited to the text, in both text boxes; the
// length never runs past the end, however large.
TYPED_TEST_P(ContratoControles, SeleccionarLimitaAlTexto) {
    struct Caso {
        int inicio, largo, inicioEsperado, largoEsperado;
    };
    const Caso casos[] = {
        {2, 3, 2, 3},
        {-4, 2, 0, 2},
        {4, 99, 4, 2},
        {99, 5, 6, 0},
        {3, -2, 3, 0},
        {0, INT_MAX, 0, 6},
        {INT_MAX, INT_MAX, 6, 0},
        {INT_MIN, 1, 0, 1},
        {6, 0, 6, 0},
    };
    for (logica::NombreControl caja : {logica::NombreControl("txtPorta"), logica::NombreControl("txtMensajes")}) {
        this->c.PonerTexto(caja, "abcdef");
        for (const Caso& k : casos) {
            this->c.Seleccionar(caja, k.inicio, k.largo);
            EXPECT_EQ(this->c.InicioSeleccion(caja), k.inicioEsperado)
                << caja.Ver() << " " << k.inicio << "," << k.largo;
            EXPECT_EQ(this->banco.LargoSeleccion(caja), k.largoEsperado)
                << caja.Ver() << " " << k.inicio << "," << k.largo;
        }
    }
}

TYPED_TEST_P(ContratoControles, MarcasYOpcionesPorGrupo) {
    auto& c = this->c;
    c.Marcar("ChkDescargar", false);
    EXPECT_FALSE(c.Marcado("ChkDescargar"));
    c.Marcar("ChkDescargar", true);
    EXPECT_TRUE(c.Marcado("ChkDescargar"));
    c.Marcar("Option1", true);
    c.Marcar("OptionED50", true);
    // Selecting an option clears the others of its frame only.
    c.Marcar("Option3", true);
    EXPECT_FALSE(c.Marcado("Option1"));
    EXPECT_FALSE(c.Marcado("Option2"));
    EXPECT_TRUE(c.Marcado("Option3"));
    EXPECT_TRUE(c.Marcado("OptionED50"));
    c.Marcar("OptionETRS89", true);
    EXPECT_FALSE(c.Marcado("OptionED50"));
    EXPECT_TRUE(c.Marcado("Option3"));
}

TYPED_TEST_P(ContratoControles, ParadasDeTab) {
    for (bool parada : {false, true, false}) {
        this->c.PonerParadaTab("Option2", parada);
        EXPECT_EQ(this->banco.ParadaTab("Option2"), parada);
    }
}

TYPED_TEST_P(ContratoControles, CabeEnteroSegunElAnchoDeLaCaja) {
    auto& c = this->c;
    c.PonerTexto("txtMensajes", "Generados 1 Waypoints");
    EXPECT_TRUE(c.CabeEntero("txtMensajes"));
    c.PonerTexto("txtMensajes", "Error:53 No se ha encontrado el archivo " + std::string(200, 'W'));
    EXPECT_FALSE(c.CabeEntero("txtMensajes"));
}

TYPED_TEST_P(ContratoControles, LaAyudaSePoneYSeQuita) {
    const std::string larga = "Error:53 No se ha encontrado el archivo /home/ana/mapas/Sitna-Mapsource.txt";
    this->c.PonerAyuda("txtMensajes", larga);
    EXPECT_EQ(this->banco.Ayuda("txtMensajes"), larga);
    this->c.PonerAyuda("txtMensajes", "");
    EXPECT_EQ(this->banco.Ayuda("txtMensajes"), "");
}

// A folder that cannot be listed (missing, or a file) changes nothing.
TYPED_TEST_P(ContratoControles, UnaCarpetaQueNoSeListaNoCambiaNada) {
    auto& c = this->c;
    const std::filesystem::path legible = this->banco.Legible();
    ASSERT_TRUE(c.PonerCarpetaActual(legible));
    EXPECT_EQ(c.CarpetaActual(), legible);
    EXPECT_EQ(c.CarpetaResaltada(), legible);
    const std::filesystem::path fichero = legible / "Sitna-Descargar.txt";
    std::ofstream(fichero) << "612345,4745678\r\n";
    for (const std::filesystem::path& mala : {legible / "no-existe", fichero}) {
        EXPECT_FALSE(c.PonerCarpetaActual(mala)) << mala;
        EXPECT_EQ(c.CarpetaActual(), legible);
        EXPECT_EQ(c.CarpetaResaltada(), legible);
    }
}

REGISTER_TYPED_TEST_SUITE_P(ContratoControles, LasLineasVuelvenConCrLf, SeleccionarLimitaAlTexto,
                            MarcasYOpcionesPorGrupo, ParadasDeTab, CabeEnteroSegunElAnchoDeLaCaja,
                            LaAyudaSePoneYSeQuita, UnaCarpetaQueNoSeListaNoCambiaNada);

}  // namespace varnel::prueba
