#pragma once

#include <QImage>

#include "ui/logic/drawing_view.h"

class QPainter;

namespace varnel {

// The drawing's primitives as pixels, antialiased; nothing decided here.
void PintarDibujo(QPainter& p, const logica::Primitivas& d);

// The same on a picture of the drawing's size (the saved PNG, the tests).
QImage ImagenDibujo(const logica::Primitivas& d);

}  // namespace varnel
