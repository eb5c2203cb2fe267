#pragma once

#include <QFont>
#include <QString>

#include "ui/forms/form.h"

namespace varnel {

// The designed font family at its point size, or its metric-compatible free
// stand-in where the designed one is missing ("MS Sans Serif" and "Arial":
// Liberation Sans; "Courier New": Liberation Mono).
QFont Fuente(const QString& familia, double puntos, bool negrita = false);

// A font of the window description, underline included.
QFont Fuente(const formularios::Fuente& fuente);

}  // namespace varnel
