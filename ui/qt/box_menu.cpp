#include "ui/qt/box_menu.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <memory>

#include "ui/forms/texts.h"
#include "ui/qt/qt_text.h"

namespace varnel {
namespace {

// Shift+F10, which Qt leaves to the widget on Linux.
class TeclaMenu final : public QObject {
public:
    TeclaMenu(QPlainTextEdit* caja, std::function<void(QPoint)> mostrar)
        : QObject(caja), mostrar_(std::move(mostrar)) {}

    bool eventFilter(QObject* objeto, QEvent* e) override {
        if (e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_F10 && k->modifiers() == Qt::ShiftModifier) {
                auto* caja = static_cast<QPlainTextEdit*>(parent());
                mostrar_(caja->cursorRect().bottomLeft());
                return true;
            }
        }
        return QObject::eventFilter(objeto, e);
    }

private:
    std::function<void(QPoint)> mostrar_;
};

}  // namespace

QMenu* CrearMenuCuadro(QPlainTextEdit* caja, QPoint posicion) {
    QMenu* menu = caja->createStandardContextMenu(posicion);
    menu->addSeparator();
    menu->addAction(Q(textos::kGuardarGpx))->setObjectName(QStringLiteral("GuardarGpx"));
    menu->addAction(Q(textos::kGuardarKml))->setObjectName(QStringLiteral("GuardarKml"));
    menu->addAction(Q(textos::kGuardarKmz))->setObjectName(QStringLiteral("GuardarKmz"));
    menu->addAction(Q(textos::kVerDibujo))->setObjectName(QStringLiteral("VerDibujo"));
    return menu;
}

void PrepararMenuCuadro(QPlainTextEdit* caja, std::function<void(FormatoTraza)> guardar,
                        std::function<void()> verDibujo) {
    // `posicion` in the viewport's coordinates, as a scroll area reports them.
    auto mostrar = [caja, guardar = std::move(guardar), verDibujo = std::move(verDibujo)](QPoint posicion) {
        const std::unique_ptr<QMenu> menu(CrearMenuCuadro(caja, posicion));
        const QAction* elegida = menu->exec(caja->viewport()->mapToGlobal(posicion));
        // Saving runs once the menu is gone: its dialog and the summary follow.
        if (!elegida) return;
        if (elegida->objectName() == QLatin1String("GuardarGpx")) guardar(FormatoTraza::Gpx);
        if (elegida->objectName() == QLatin1String("GuardarKml")) guardar(FormatoTraza::Kml);
        if (elegida->objectName() == QLatin1String("GuardarKmz")) guardar(FormatoTraza::Kmz);
        if (elegida->objectName() == QLatin1String("VerDibujo")) verDibujo();
    };
    caja->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(caja, &QWidget::customContextMenuRequested, caja, mostrar);
    caja->installEventFilter(new TeclaMenu(caja, mostrar));
}

}  // namespace varnel
