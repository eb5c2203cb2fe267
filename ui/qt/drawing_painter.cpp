#include "ui/qt/drawing_painter.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/qt/qt_text.h"

namespace varnel {
namespace {

QColor Qc(logica::Color c) { return {c.r, c.g, c.b}; }
QPointF Qp(logica::PuntoPx p) { return {p.x, p.y}; }

void Marca(QPainter& p, logica::PuntoPx en, logica::Color color) {
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qc(color));
    p.drawEllipse(Qp(en), logica::kRadioMarca, logica::kRadioMarca);
}

}  // namespace

void PintarDibujo(QPainter& p, const logica::Primitivas& d) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, d.ancho, d.alto), Qc(logica::kColorFondo));

    const QFontMetrics medidas(p.font());
    for (const logica::LineaRejilla& l : d.rejilla) {
        p.setPen(QPen(Qc(logica::kColorRejilla), 1));
        if (l.vertical)
            p.drawLine(QPointF(l.pos, 0), QPointF(l.pos, d.alto));
        else
            p.drawLine(QPointF(0, l.pos), QPointF(d.ancho, l.pos));
        p.setPen(Qc(logica::kColorRotulo));
        if (l.vertical)
            p.drawText(QPointF(l.pos + 3, medidas.ascent() + 2), Q(l.rotulo));
        else
            p.drawText(QPointF(3, l.pos - 3), Q(l.rotulo));
    }

    if (d.traza.size() > 1) {
        QPainterPath camino(Qp(d.traza.front()));
        for (std::size_t i = 1; i < d.traza.size(); ++i) camino.lineTo(Qp(d.traza[i]));
        p.setPen(QPen(Qc(logica::kColorTraza), logica::kGrosorTraza, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(camino);
    }
    // The end under the start: a closed walk shows where it began.
    if (d.fin) Marca(p, *d.fin, logica::kColorFin);
    if (d.inicio) Marca(p, *d.inicio, logica::kColorInicio);
    if (d.resaltado) {
        p.setPen(QPen(Qc(logica::kColorResaltado), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(Qp(*d.resaltado), logica::kRadioMarca + 2, logica::kRadioMarca + 2);
    }

    const logica::BarraEscala& e = d.escala;
    p.setPen(QPen(Qc(logica::kColorEscala), 2));
    p.drawLine(Qp(e.desde), QPointF(e.desde.x + e.largo, e.desde.y));
    p.drawLine(Qp(e.desde), QPointF(e.desde.x, e.desde.y - 5));
    p.drawLine(QPointF(e.desde.x + e.largo, e.desde.y), QPointF(e.desde.x + e.largo, e.desde.y - 5));
    p.drawText(QPointF(e.desde.x + e.largo + 6, e.desde.y), Q(e.rotulo));

    if (!d.rotulo.empty()) {
        const QString t = Q(d.rotulo);
        const QRectF caja(6, 6, medidas.horizontalAdvance(t) + 10, medidas.height() + 6);
        p.setPen(Qc(logica::kColorRotulo));
        p.setBrush(QColor(255, 255, 225));
        p.drawRect(caja);
        p.setPen(Qt::black);
        p.drawText(caja, Qt::AlignCenter, t);
    }
    if (!d.aviso.empty()) {
        p.setPen(Qc(logica::kColorRotulo));
        p.drawText(QRectF(0, 0, d.ancho, d.alto), Qt::AlignCenter, Q(d.aviso));
    }
}

QImage ImagenDibujo(const logica::Primitivas& d) {
    QImage imagen(std::max(d.ancho, 1), std::max(d.alto, 1), QImage::Format_RGB32);
    QPainter p(&imagen);
    PintarDibujo(p, d);
    return imagen;
}

}  // namespace varnel
