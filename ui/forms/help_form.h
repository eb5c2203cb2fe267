#pragma once

#include <array>

#include "ui/forms/form.h"
#include "ui/forms/texts.h"

// The help window frmAyuda as designed; the four text labels get their texts
// (textos::TextoAyuda...) each time the window is shown. lblVarnel2 is two
// lines taller than at first, for the datum shift's attribution, and what
// lies below it 480 twips lower.
namespace varnel::formularios {

inline constexpr Ventana kAyuda{"frmAyuda", textos::kTituloAyuda, 11175, 8910, kNormal, "globe"};

inline constexpr Fuente kTextoAyuda{"MS Sans Serif", 9.75};

// clang-format off
inline constexpr std::array kControlesAyuda{
    Control{"OKButton", Tipo::Boton, textos::kAceptar, {}, {5040, 8400, 1215, 375}, kNormal, {}, 0},
    Control{"lblVarnel", Tipo::Etiqueta, textos::kProgramaVersion, {}, {1920, 120, 2415, 255}, kNegrita},
    Control{"lblMapsource2", Tipo::Etiqueta, {}, {}, {240, 7320, 10680, 915}, kTextoAyuda, {}, -1, {}, 0, false, true},
    Control{"lblMapsource", Tipo::Etiqueta, textos::kCabeceraMapsource, {}, {240, 7080, 1935, 255}, kNegrita},
    Control{"lblOzi2", Tipo::Etiqueta, {}, {}, {240, 5640, 10680, 1275}, kTextoAyuda, {}, -1, {}, 0, false, true},
    Control{"lblOzi", Tipo::Etiqueta, textos::kCabeceraOzi, {}, {240, 5400, 6015, 255}, kNegrita},
    Control{"Lbldescargar1", Tipo::Etiqueta, textos::kCabeceraDescargar, {}, {240, 3480, 1695, 255}, kNegrita},
    Control{"lblVarnel2", Tipo::Etiqueta, {}, {}, {240, 480, 10695, 2895}, kTextoAyuda, {}, -1, {}, 0, false, true},
    Control{"LblDescargar2", Tipo::Etiqueta, {}, {}, {240, 3720, 10680, 1515}, kTextoAyuda, {}, -1, {}, 0, false, true},
    Control{"Label1", Tipo::Etiqueta, textos::kCreditoAutor, {}, {4440, 120, 2655, 255}},
};
// clang-format on

}  // namespace varnel::formularios
