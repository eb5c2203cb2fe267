#pragma once

#include <QIcon>
#include <QString>

namespace varnel {

// One of the program's pictures (":/varnel/<nombre>.svg"), drawn at the
// sizes a window or button asks for.
QIcon Dibujo(const QString& nombre);

}  // namespace varnel
