#pragma once

#include <array>

#include "ui/forms/form.h"
#include "ui/forms/texts.h"

// The main window frmVarnel as designed. Controls are listed in the order
// they are created, back to front: Frame3 first, so that it lies behind the
// two buttons and the check box it frames.
namespace varnel::formularios {

inline constexpr Ventana kPrincipal{"frmVarnel", textos::kTituloVentana, 6720, 6510, {"MS Sans Serif", 9.75}, "varnel"};

// clang-format off
inline constexpr std::array kControlesPrincipal{
    Control{"Frame3", Tipo::Marco, textos::kUsarCuadro, {}, {120, 0, 3375, 1215}},
    Control{"cmdSitnaWpOzi", Tipo::Boton, textos::kCmdSitnaWpOzi, textos::kAyudaT1, {240, 240, 1815, 375}, kNormal, {}, 0},
    Control{"cmdSitnaTrackOzi", Tipo::Boton, textos::kCmdSitnaTrackOzi, textos::kAyudaT2, {240, 720, 1815, 375}, kNormal, {}, 1},
    Control{"cmdWpOziSitna", Tipo::Boton, textos::kCmdWpOziSitna, textos::kAyudaT3, {240, 1320, 1815, 375}, kNormal, {}, 2},
    Control{"cmdTrackOziSitna", Tipo::Boton, textos::kCmdTrackOziSitna, textos::kAyudaT4, {240, 1800, 1815, 375}, kNormal, {}, 3},
    Control{"cmdMapsourceSitna", Tipo::Boton, textos::kCmdMapsourceSitna, textos::kAyudaT5, {240, 2280, 1815, 375}, kNormal, {}, 4},
    Control{"mnuCopiar", Tipo::BotonDibujo, {}, textos::kAyudaCopiar, {480, 5880, 495, 495}, kNormal, {}, 5, "copy", 16},
    Control{"mnuPegar", Tipo::BotonDibujo, {}, textos::kAyudaPegar, {1200, 5880, 495, 495}, kNormal, {}, 6, "paste", 16},
    Control{"cmdAyuda", Tipo::BotonDibujo, {}, textos::kAyudaAyuda, {2400, 5880, 495, 495}, kNormal, {}, 7, "help", 16},
    Control{"cmdSalir", Tipo::BotonDibujo, {}, textos::kAyudaSalir, {5760, 5880, 615, 615}, kNormal, {}, 8, "exit", 32},
    NombreAccesible(Control{"DrvList", Tipo::ListaUnidades, {}, {}, {3840, 240, 2775, 315}, kNormal, {}, 9}, textos::kUnidad),
    NombreAccesible(Control{"dirList", Tipo::ListaCarpetas, {}, {}, {3840, 600, 2775, 2010}, {"Arial", 8.25}, {}, 10},
                    textos::kCarpetaIntercambio),
    NombreAccesible(SoloLectura(Control{"txtMensajes", Tipo::TextoLinea, {}, {}, {120, 2760, 6495, 375}, kNormal, {}, 11}),
                    textos::kMensajes),
    NombreAccesible(TabSale(Control{"txtPorta", Tipo::TextoVarias, {}, {}, {120, 3480, 2175, 2295}, {"Courier New", 9.75}, {}, 12}),
                    textos::kCuadroDescargar),
    Control{"ChkDescargar", Tipo::Casilla, {}, textos::kUsarCuadro, {2280, 480, 255, 375}, kNormal, {}, 14},
    Control{"Frame1", Tipo::Marco, textos::kFormatoGarmin, {}, {2400, 3480, 2295, 1335}},
    Control{"Option1", Tipo::Opcion, textos::kOption1, {}, {120, 360, 1695, 255}, kNormal, "Frame1", 16},
    Control{"Option2", Tipo::Opcion, textos::kOption2, {}, {120, 660, 1695, 255}, kNormal, "Frame1", 17},
    Control{"Option3", Tipo::Opcion, textos::kOption3, {}, {120, 960, 2055, 255}, kNormal, "Frame1", 18},
    Control{"Frame4", Tipo::Marco, textos::kDatumSitna, {}, {4800, 3480, 1815, 1215}},
    Control{"OptionED50", Tipo::Opcion, textos::kOptionEd50, textos::kAyudaEd50, {120, 360, 1455, 255}, kNormal, "Frame4", 19},
    Control{"OptionETRS89", Tipo::Opcion, textos::kOptionEtrs89, textos::kAyudaEtrs89, {120, 660, 1455, 255}, kNormal, "Frame4", 20},
    Control{"Label4", Tipo::Etiqueta, textos::kCarpetaIntercambio, {}, {4080, 0, 2415, 255}, kNegrita},
    Control{"Label5", Tipo::Etiqueta, textos::kCuadroDescargar, {}, {360, 3240, 2055, 255}, kNegrita},
    Control{"Label6", Tipo::Etiqueta, textos::kMensajes, {}, {2520, 2520, 1455, 255}, kNegrita},
    Control{"Frame2", Tipo::Marco, textos::kEnlaces, {}, {2400, 4800, 3975, 975}},
    Control{"Label1_0", Tipo::Etiqueta, textos::kEmailAutor, {}, {120, 240, 975, 255}, kNormal, "Frame2"},
    Control{"Label1_1", Tipo::Etiqueta, textos::kSitna, {}, {480, 600, 615, 255}, kNormal, "Frame2"},
    Control{"lblLink_0", Tipo::Enlace, textos::kCorreoAutor, {}, {1080, 240, 2055, 255}, kSubrayada, "Frame2", -1, {}, 0, true},
    Control{"lblLink_1", Tipo::Enlace, textos::kWebSitna, {}, {1080, 600, 2655, 255}, kSubrayada, "Frame2", -1, {}, 0, true},
};
// clang-format on

}  // namespace varnel::formularios
