#pragma once

#include <QRect>

#include "ui/forms/form.h"

namespace varnel {

// Positions are designed in twips; at 96 dpi a pixel is 15 twips. Qt's
// high-dpi scaling takes it from there.
constexpr QRect RectTwips(int izquierda, int arriba, int ancho, int alto) {
    using formularios::kTwipsPorPixel;
    return {izquierda / kTwipsPorPixel, arriba / kTwipsPorPixel, ancho / kTwipsPorPixel, alto / kTwipsPorPixel};
}

constexpr QRect RectTwips(const formularios::RectTwips& r) { return RectTwips(r.izquierda, r.arriba, r.ancho, r.alto); }

}  // namespace varnel
