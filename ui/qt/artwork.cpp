#include "ui/qt/artwork.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The pictures live in a static library: their resources must be pulled in by hand.
static void IniciarDibujos() {
    static const bool hecho = [] {
        Q_INIT_RESOURCE(artwork);
        return true;
    }();
    (void)hecho;
}

namespace varnel {

QIcon Dibujo(const QString& nombre) {
    IniciarDibujos();
    QSvgRenderer svg(QStringLiteral(":/varnel/%1.svg").arg(nombre));
    QIcon icono;
    for (int lado : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(lado, lado);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        svg.render(&p);
        p.end();
        icono.addPixmap(pixmap);
    }
    return icono;
}

}  // namespace varnel
