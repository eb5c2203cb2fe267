#pragma once

#include <QPoint>
#include <functional>

#include "engine/run/run_request.h"

class QMenu;
class QPlainTextEdit;

namespace varnel {

// The Cuadro Descargar's context menu: the box's own entries (undo, redo,
// cut, copy, paste, delete, select all), a separator, then saving the list as
// GPX or KML and its drawing. A right click and the menu key open it through
// the platform; Shift+F10 opens it here, at the caret.
void PrepararMenuCuadro(QPlainTextEdit* caja, std::function<void(FormatoTraza)> guardar,
                        std::function<void()> verDibujo);

// The menu as it shows at `posicion` (the box's viewport coordinates); its
// entries of ours are named "GuardarGpx", "GuardarKml" and "VerDibujo".
QMenu* CrearMenuCuadro(QPlainTextEdit* caja, QPoint posicion);

}  // namespace varnel
