#pragma once

#include <QLabel>

namespace varnel {

// A label shown as a link (blue, underlined) that reports a click.
class EtiquetaEnlace : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaEnlace(const QString& texto, QWidget* padre = nullptr);

signals:
    void pulsada();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

}  // namespace varnel
