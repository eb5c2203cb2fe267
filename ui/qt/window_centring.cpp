#include "ui/qt/window_centring.h"

#include <QTimer>
#include <QWidget>

namespace varnel {

QMargins MargenesMarco(const QWidget* ventana) {
    const QRect marco = ventana->frameGeometry();
    const QRect cliente = ventana->geometry();
    return {cliente.left() - marco.left(), cliente.top() - marco.top(), marco.right() - cliente.right(),
            marco.bottom() - cliente.bottom()};
}

void CentrarOtraVezConMarco(QWidget* ventana, std::function<void()> centrar) {
    auto* espera = new QTimer(ventana);
    espera->setInterval(20);
    const QPoint inicial = ventana->pos();
    QObject::connect(espera, &QTimer::timeout, ventana,
                     [ventana, espera, inicial, centrar = std::move(centrar), intentos = 0]() mutable {
                         const bool conMarco = !MargenesMarco(ventana).isNull();
                         const bool movida = ventana->pos() != inicial;
                         if (conMarco && !movida) centrar();
                         if (conMarco || movida || ++intentos == 25) espera->deleteLater();
                     });
    espera->start();
}

}  // namespace varnel
