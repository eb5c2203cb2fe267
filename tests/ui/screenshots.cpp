// Saves pictures of both windows as a person sees them: run under Xvfb by
// scripts/screenshots.sh. Takes the output folder as its only argument.
// First as the program starts (ED50), then with ETRS89 chosen by a click:
// frmVarnel.png, frmAyuda.png, frmVarnel-etrs89.png, frmAyuda-etrs89.png.
// The settings go to a temporary folder, never the user's.

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "ui/qt/help_window.h"
#include "ui/qt/main_window.h"

int main(int argc, char* argv[]) {
    int argcQt = 1;
    QApplication app(argcQt, argv);
    const QString salida = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const QTemporaryDir ajustes;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path());

    varnel::FrmVarnel w;
    w.PonerMostrarMensaje([](const QString&) {});
    w.PonerPitido([] {});
    w.CentrarEnPantalla();
    w.show();
    w.Logica().PonerTextoPorta("612345,4745678\r\n612400,4745700\r\n612480,4745760\r\n612530,4745801");
    w.Logica().PonerTextoMensajes("Generados 4 Waypoints en " + w.Logica().CarpetaIntercambio().string() +
                                  "/Sitna-OziWp.txt");

    // The main window, then the help window over it, saved under `sufijo`;
    // `luego` runs once the help window is closed.
    const auto fotos = [&](const QString& sufijo, const std::function<void()>& luego) {
        w.grab().save(salida + "/frmVarnel" + sufijo + ".png");
        QTimer::singleShot(1500, [&, sufijo] {
            if (QWidget* ayuda = QApplication::activeModalWidget()) {
                ayuda->grab().save(salida + "/frmAyuda" + sufijo + ".png");
                ayuda->close();
            }
        });
        w.findChild<QPushButton*>("cmdAyuda")->click();  // returns once the help window is closed
        luego();
    };
    QTimer::singleShot(500, [&] {
        fotos(QString(), [&] {
            w.findChild<QRadioButton*>("OptionETRS89")->click();
            QTimer::singleShot(300, [&] { fotos("-etrs89", [&] { app.quit(); }); });
        });
    });
    return app.exec();
}
