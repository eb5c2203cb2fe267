#include "ui/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/qt/link_label.h"

namespace varnel {
namespace {

class EnlaceAccesible : public QAccessibleWidget {
public:
    explicit EnlaceAccesible(EtiquetaEnlace* enlace) : QAccessibleWidget(enlace, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<EtiquetaEnlace*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& accion) override {
        if (accion == pressAction()) emit static_cast<EtiquetaEnlace*>(widget())->pulsada();
    }
};

QAccessibleInterface* Fabrica(const QString& clase, QObject* objeto) {
    if (!objeto || !objeto->isWidgetType()) return nullptr;
    if (clase == QLatin1String("varnel::EtiquetaEnlace"))
        return new EnlaceAccesible(static_cast<EtiquetaEnlace*>(objeto));
    if (clase == QLatin1String("varnel::FrmVarnel"))
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Window);
    return nullptr;
}

}  // namespace

void InstalarAccesibilidad() {
    static const bool hecho = [] {
        QAccessible::installFactory(Fabrica);
        return true;
    }();
    (void)hecho;
}

}  // namespace varnel
