#include "ui/qt/accessibility.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/qt/drive_list.h"
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

// Qt names a combo box by its text on Linux ("/"), unless a label is its
// buddy: the drive list has no label, so it says its own name.
class UnidadesAccesible : public QAccessibleWidget {
public:
    explicit UnidadesAccesible(ListaUnidades* lista) : QAccessibleWidget(lista, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !Lista()->accessibleName().isEmpty()) return Lista()->accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value) return Lista()->currentText();
        return QAccessibleWidget::text(t);
    }
    // Its one child is the list that drops down, as for any combo box.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int i) const override {
        return i == 0 ? QAccessible::queryAccessibleInterface(Lista()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* hijo) const override {
        return hijo && hijo->object() == Lista()->view() ? 0 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& accion) override {
        if (accion != showMenuAction() && accion != pressAction()) return;
        if (Lista()->view()->isVisible())
            Lista()->hidePopup();
        else
            Lista()->showPopup();
    }

private:
    ListaUnidades* Lista() const { return static_cast<ListaUnidades*>(widget()); }
};

QAccessibleInterface* Fabrica(const QString& clase, QObject* objeto) {
    if (!objeto || !objeto->isWidgetType()) return nullptr;
    if (clase == QLatin1String("varnel::EtiquetaEnlace"))
        return new EnlaceAccesible(static_cast<EtiquetaEnlace*>(objeto));
    if (clase == QLatin1String("varnel::ListaUnidades"))
        return new UnidadesAccesible(static_cast<ListaUnidades*>(objeto));
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
