#pragma once

#include <windows.h>

#include "ui/forms/form.h"

// Twips to pixels at a window's DPI (15 twips to the pixel at 96 dpi).
namespace varnel::win {

UINT DpiDe(HWND ventana);
int Pixeles(int twips, UINT dpi);
RECT Rectangulo(const formularios::RectTwips& r, UINT dpi);

// The outer size of a window whose client area is ancho × alto pixels.
SIZE TamanoExterior(int ancho, int alto, DWORD estilo, DWORD estiloEx, UINT dpi);

// The window, frame included, centred on a rectangle (a work area, another
// window) and kept inside the work area of the monitor it lands on.
void CentrarSobre(HWND ventana, const RECT& sobre);
RECT AreaDeTrabajo(HWND ventana);

}  // namespace varnel::win
