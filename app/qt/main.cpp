#include <QApplication>
#include <cstdio>

#include "app/qt/display_check.h"
#include "ui/forms/texts.h"
#include "ui/qt/artwork.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/spanish_qt.h"

int main(int argc, char* argv[]) {
    if (!varnel::HayPantalla()) {
        std::fputs("Varnel: no hay pantalla gráfica (ni DISPLAY ni WAYLAND_DISPLAY); no se puede abrir la ventana.\n",
                   stderr);
        return 1;
    }
    // The program takes no command-line options: Qt sees the program name only.
    int argcQt = argc > 0 ? 1 : 0;
    QApplication app(argcQt, argv);
    varnel::CargarTextosQtEnEspanol(app);
    QApplication::setApplicationName(varnel::Q(varnel::textos::kTituloPrograma));
    QApplication::setApplicationVersion(varnel::Q(varnel::textos::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("org.example.varnel"));
    QApplication::setWindowIcon(varnel::Dibujo(QStringLiteral("varnel")));

    varnel::FrmVarnel ventana;
    ventana.CentrarEnPantalla();
    ventana.show();
    return app.exec();
}
