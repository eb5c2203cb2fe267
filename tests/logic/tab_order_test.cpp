#include <gtest/gtest.h>

#include <array>

#include "ui/forms/help_form.h"
#include "ui/forms/main_form.h"
#include "ui/logic/tab_order.h"

namespace varnel::logica {
namespace {

using formularios::Control;
using formularios::Tipo;

std::vector<std::string_view> Nombres(std::span<const Control> tabla) {
    std::vector<std::string_view> nombres;
    for (NombreControl n : OrdenTab(tabla)) nombres.push_back(n);
    return nombres;
}

// Created back to front, not in Tab order: a frame before what it frames, a
// label between, the indexes with a gap.
TEST(OrdenTabTest, PorIndicesNoPorOrdenDeCreacion) {
    constexpr std::array<Control, 5> tabla{
        Control{"Marco", Tipo::Marco, {}, {}, {0, 0, 10, 10}},
        Control{"Tercero", Tipo::Boton, {}, {}, {0, 0, 10, 10}, formularios::kNormal, {}, 7},
        Control{"Rotulo", Tipo::Etiqueta, {}, {}, {0, 0, 10, 10}},
        Control{"Primero", Tipo::Casilla, {}, {}, {0, 0, 10, 10}, formularios::kNormal, {}, 0},
        Control{"Segundo", Tipo::Opcion, {}, {}, {0, 0, 10, 10}, formularios::kNormal, "Marco", 3},
    };
    EXPECT_EQ(Nombres(tabla), (std::vector<std::string_view>{"Primero", "Segundo", "Tercero"}));
}

TEST(OrdenTabTest, VentanaPrincipalYAyuda) {
    // The check box (14) comes after the Cuadro Descargar box (12): index 13
    // is a link, which takes no focus.
    const std::vector<std::string_view> esperado = {
        "cmdSitnaWpOzi", "cmdSitnaTrackOzi", "cmdWpOziSitna", "cmdTrackOziSitna", "cmdMapsourceSitna",
        "mnuCopiar",     "mnuPegar",         "cmdAyuda",      "cmdSalir",         "DrvList",
        "dirList",       "txtMensajes",      "txtPorta",      "ChkDescargar",     "Option1",
        "Option2",       "Option3",          "OptionED50",    "OptionETRS89"};
    EXPECT_EQ(Nombres(formularios::kControlesPrincipal), esperado);
    EXPECT_EQ(Nombres(formularios::kControlesAyuda), std::vector<std::string_view>{"OKButton"});
}

}  // namespace
}  // namespace varnel::logica
