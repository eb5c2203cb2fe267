#include "ui/qt/group_frame.h"

#include <QPainter>
#include <QStyle>

namespace varnel {
namespace {

constexpr int kMargenTitulo = 6;  // pixels from the left edge to the caption

}  // namespace

MarcoVarnel::MarcoVarnel(const QString& titulo, QWidget* padre) : QGroupBox(titulo, padre) {}

int MarcoVarnel::BordeSuperior() const { return fontMetrics().height() / 2; }

void MarcoVarnel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // An etched line, drawn by hand: styles' own group box frames move
    // themselves below the caption.
    const QRect borde = rect().adjusted(0, BordeSuperior(), -2, -2);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(borde);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(borde.translated(1, 1));
    if (title().isEmpty()) return;
    // The caption interrupts the border, on the window's own background.
    const QFontMetrics fm = fontMetrics();
    const QRect texto(kMargenTitulo, 0, fm.horizontalAdvance(title()) + 4, fm.height());
    p.fillRect(texto, palette().brush(backgroundRole()));
    style()->drawItemText(&p, texto, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

}  // namespace varnel
