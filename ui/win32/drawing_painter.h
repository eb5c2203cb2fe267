#pragma once

#include <windows.h>
// After windows.h.
#include <gdiplus.h>

#include <filesystem>
#include <memory>

#include "ui/logic/drawing_view.h"

// The drawing's primitives as pixels with GDI+, antialiased; nothing decided here.
namespace varnel::win {

// GDI+ started for the program's life, once; false when it cannot start.
bool IniciarGdiPlus();

void PintarDibujo(Gdiplus::Graphics& g, const logica::Primitivas& d);

// The same on a 32-bit picture of the drawing's size.
std::unique_ptr<Gdiplus::Bitmap> ImagenDibujo(const logica::Primitivas& d);

// That picture as a PNG file, written whole or not at all.
bool GuardarPng(const logica::Primitivas& d, const std::filesystem::path& ruta);

}  // namespace varnel::win
