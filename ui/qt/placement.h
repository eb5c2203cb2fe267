#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

namespace varnel {

// Gives a control its designed name, rectangle (already in pixels) and font.
template <class W>
W* Colocar(W* w, const char* nombre, QRect rect, const QFont& fuente) {
    w->setObjectName(QLatin1String(nombre));
    w->setGeometry(rect);
    w->setFont(fuente);
    return w;
}

// A label of plain text, never rich text, whatever its characters.
inline QLabel* Etiqueta(QWidget* padre, const char* nombre, const QString& texto, QRect rect, const QFont& fuente) {
    auto* l = Colocar(new QLabel(texto, padre), nombre, rect, fuente);
    l->setTextFormat(Qt::PlainText);
    return l;
}

}  // namespace varnel
