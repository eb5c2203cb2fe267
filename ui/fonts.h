#pragma once

#include <QFont>
#include <QString>

namespace varnel {

// The designed font family at its point size, or its metric-compatible free
// stand-in where the designed one is missing ("MS Sans Serif" and "Arial":
// Liberation Sans; "Courier New": Liberation Mono).
QFont Fuente(const QString& familia, double puntos, bool negrita = false);

inline QFont FuenteNormal() { return Fuente(QStringLiteral("MS Sans Serif"), 8.25); }
inline QFont FuenteNegrita() { return Fuente(QStringLiteral("MS Sans Serif"), 8.25, true); }

}  // namespace varnel
