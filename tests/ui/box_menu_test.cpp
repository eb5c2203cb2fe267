// The Cuadro Descargar's context menu in the Qt window: Qt's own entries, a
// separator and ours, opened by the mouse, the menu key and Shift+F10; "Guardar
// como GPX…" through Qt's real save dialog. What a save makes of the box is
// the logic's (tests/logic/window_logic_save_test.cpp).
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QTimer>
#include <functional>

#include "tests/ui/window_fixture.h"

namespace varnel::prueba {
namespace {

class MenuCuadroQtTest : public VentanaTest {
protected:
    MenuCuadroQtTest() {
        Porta()->setPlainText(QStringLiteral("611026,4741584\n579525,4724978\n608996,4709452"));
        Porta()->setFocus();
    }

    // Runs `paso` on every popup or modal window that shows until it says it
    // is done; `abrir` is what opens the first.
    void Mientras(const std::function<void()>& abrir, const std::function<bool(QWidget*)>& paso) {
        QTimer reloj;
        bool hecho = false;
        QObject::connect(&reloj, &QTimer::timeout, [&] {
            QWidget* arriba = QApplication::activePopupWidget();
            if (!arriba) arriba = QApplication::activeModalWidget();
            if (arriba && !hecho) hecho = paso(arriba);
        });
        reloj.start(20);
        abrir();
        EXPECT_TRUE(QTest::qWaitFor([&] { return hecho && !QApplication::activePopupWidget(); }, 5000));
    }

    // Shift+F10, then the menu entry `accion`; `enDialogo` handles the save
    // dialog that follows.
    void Elegir(const char* accion, const std::function<void(QFileDialog*)>& enDialogo) {
        Mientras([&] { QTest::keyClick(Porta(), Qt::Key_F10, Qt::ShiftModifier); },
                 [&](QWidget* arriba) {
                     if (auto* menu = qobject_cast<QMenu*>(arriba)) {
                         menu->setActiveAction(menu->findChild<QAction*>(QLatin1String(accion)));
                         QTest::keyClick(menu, Qt::Key_Return);
                         return false;
                     }
                     auto* dialogo = qobject_cast<QFileDialog*>(arriba);
                     if (!dialogo) return false;
                     enDialogo(dialogo);
                     return true;
                 });
    }

    // The entries of the menu that opens, by object name ("-": a separator).
    QStringList Entradas(const std::function<void()>& abrir) {
        QStringList nombres;
        Mientras(abrir, [&](QWidget* arriba) {
            auto* menu = qobject_cast<QMenu*>(arriba);
            if (!menu) return false;
            for (const QAction* a : menu->actions())
                nombres << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
            menu->close();
            return true;
        });
        return nombres;
    }
};

TEST_F(MenuCuadroQtTest, LasEntradasDeQtYLuegoLasNuestras) {
    const QStringList esperadas = {
        QStringLiteral("edit-undo"),   QStringLiteral("edit-redo"),  QStringLiteral("-"),
        QStringLiteral("edit-cut"),    QStringLiteral("edit-copy"),  QStringLiteral("edit-paste"),
        QStringLiteral("edit-delete"), QStringLiteral("-"),          QStringLiteral("select-all"),
        QStringLiteral("-"),           QStringLiteral("GuardarGpx"), QStringLiteral("GuardarKml"),
        QStringLiteral("GuardarKmz"),  QStringLiteral("VerDibujo")};
    // Shift+F10, the menu key (the platform turns it into a keyboard context
    // menu event) and the right button.
    EXPECT_EQ(Entradas([&] { QTest::keyClick(Porta(), Qt::Key_F10, Qt::ShiftModifier); }), esperadas);
    EXPECT_EQ(Entradas([&] {
                  const QPoint p = Porta()->cursorRect().center();
                  QContextMenuEvent e(QContextMenuEvent::Keyboard, p, Porta()->viewport()->mapToGlobal(p));
                  QApplication::sendEvent(Porta()->viewport(), &e);
              }),
              esperadas);
    EXPECT_EQ(Entradas([&] {
                  const QPoint p(10, 10);
                  QContextMenuEvent e(QContextMenuEvent::Mouse, p, Porta()->viewport()->mapToGlobal(p));
                  QApplication::sendEvent(Porta()->viewport(), &e);
              }),
              esperadas);
}

TEST_F(MenuCuadroQtTest, GuardarComoGpxPorElDialogoDeQt) {
    QString carpeta;
    QStringList propuesto;
    QStringList filtros;
    bool pregunta = false;
    Elegir("GuardarGpx", [&](QFileDialog* dialogo) {
        carpeta = dialogo->directory().absolutePath();
        propuesto = dialogo->selectedFiles();
        filtros = dialogo->nameFilters();
        pregunta =
            dialogo->acceptMode() == QFileDialog::AcceptSave && !dialogo->testOption(QFileDialog::DontConfirmOverwrite);
        QMetaObject::invokeMethod(dialogo, "accept", Qt::QueuedConnection);
    });
    EXPECT_EQ(carpeta, QString::fromStdString(dir.Ruta().string()));
    EXPECT_EQ(propuesto, QStringList{RutaQ("Sitna.gpx")});
    EXPECT_EQ(filtros, QStringList{QStringLiteral("Ficheros GPX (*.gpx)")});
    EXPECT_TRUE(pregunta);
    EXPECT_EQ(Mensajes(), QStringLiteral("Generados 3 Puntos en ") + RutaQ("Sitna.gpx"));
    EXPECT_NE(LeerBytes(dir / "Sitna.gpx").find("<trkpt "), std::string::npos);
}

TEST_F(MenuCuadroQtTest, CancelarElDialogoNoEscribeNada) {
    const QString antes = Mensajes();
    Elegir("GuardarKml",
           [](QFileDialog* dialogo) { QMetaObject::invokeMethod(dialogo, "reject", Qt::QueuedConnection); });
    EXPECT_EQ(Mensajes(), antes);
    EXPECT_FALSE(std::filesystem::exists(dir / "Sitna.kml"));
}

}  // namespace
}  // namespace varnel::prueba
