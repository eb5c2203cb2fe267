#include <gtest/gtest.h>

#include "ui/forms/help_form.h"
#include "ui/forms/main_form.h"
#include "ui/logic/tab_order.h"

namespace varnel::logica {
namespace {

TEST(OrdenTabTest, VentanaPrincipalPorIndicesDeTabulacion) {
    // The check box (14) comes after the Cuadro Descargar box (12): index 13
    // is a link, which takes no focus.
    const std::vector<std::string_view> esperado = {
        "cmdSitnaWpOzi", "cmdSitnaTrackOzi", "cmdWpOziSitna", "cmdTrackOziSitna", "cmdMapsourceSitna",
        "mnuCopiar",     "mnuPegar",         "cmdAyuda",      "cmdSalir",         "DrvList",
        "dirList",       "txtMensajes",      "txtPorta",      "ChkDescargar",     "Option1",
        "Option2",       "Option3",          "OptionED50",    "OptionETRS89"};
    EXPECT_EQ(OrdenTab(formularios::kControlesPrincipal), esperado);
}

TEST(OrdenTabTest, AyudaSoloElBotonAceptar) {
    EXPECT_EQ(OrdenTab(formularios::kControlesAyuda), std::vector<std::string_view>{"OKButton"});
}

}  // namespace
}  // namespace varnel::logica
