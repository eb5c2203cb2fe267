#include "ui/qt/fonts.h"

#include <QFontDatabase>

#include "ui/qt/qt_text.h"

namespace varnel {

QFont Fuente(const QString& familia, double puntos, bool negrita) {
    QString elegida = familia;
    if (!QFontDatabase::hasFamily(familia)) {
        const bool mono = familia.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0;
        elegida = mono ? QStringLiteral("Liberation Mono") : QStringLiteral("Liberation Sans");
    }
    QFont f(elegida);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    f.setStyleHint(familia.contains(QLatin1String("Courier")) ? QFont::TypeWriter : QFont::SansSerif);
    return f;
}

QFont Fuente(const formularios::Fuente& fuente) {
    QFont f = Fuente(Q(fuente.familia), fuente.puntos, fuente.negrita);
    f.setUnderline(fuente.subrayada);
    return f;
}

}  // namespace varnel
