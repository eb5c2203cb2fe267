#include "ui/qt/link_label.h"

#include <QMouseEvent>

namespace varnel {

EtiquetaEnlace::EtiquetaEnlace(const QString& texto, QWidget* padre) : QLabel(texto, padre) {
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(p);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
}

void EtiquetaEnlace::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit pulsada();
    QLabel::mouseReleaseEvent(e);
}

}  // namespace varnel
