// Saves pictures of both windows as a person sees them: run under Xvfb by
// scripts/screenshots.sh. Takes the output folder as its only argument.

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "ui/qt/help_window.h"
#include "ui/qt/main_window.h"

int main(int argc, char* argv[]) {
    int argcQt = 1;
    QApplication app(argcQt, argv);
    const QString salida = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();

    varnel::FrmVarnel w;
    w.PonerMostrarMensaje([](const QString&) {});
    w.PonerPitido([] {});
    w.CentrarEnPantalla();
    w.show();
    w.Logica().PonerTextoPorta("612345,4745678\r\n612400,4745700\r\n612480,4745760\r\n612530,4745801");
    w.Logica().PonerTextoMensajes("Generados 4 Waypoints en " + w.Logica().CarpetaIntercambio().string() +
                                  "/Sitna-OziWp.txt");

    QTimer::singleShot(500, [&] {
        w.grab().save(salida + "/frmVarnel.png");
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(1500, [&] {
                if (QWidget* ayuda = QApplication::activeModalWidget()) {
                    ayuda->grab().save(salida + "/frmAyuda.png");
                    ayuda->close();
                }
            });
            w.findChild<QPushButton*>("cmdAyuda")->click();
            app.quit();
        });
    });
    return app.exec();
}
