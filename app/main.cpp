#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "artwork.h"
#include "main_window.h"
#include "texts.h"

int main(int argc, char* argv[]) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto definida = [](const char* v) { return std::getenv(v) && *std::getenv(v); };
    if (!definida("DISPLAY") && !definida("WAYLAND_DISPLAY") && !definida("QT_QPA_PLATFORM")) {
        std::fputs("Varnel: no hay pantalla gráfica (ni DISPLAY ni WAYLAND_DISPLAY); no se puede abrir la ventana.\n",
                   stderr);
        return 1;
    }
#endif
    // The program takes no command-line options: Qt sees the program name only.
    int argcQt = argc > 0 ? 1 : 0;
    QApplication app(argcQt, argv);
    QApplication::setApplicationName(varnel::textos::kTituloPrograma);
    QApplication::setApplicationVersion(varnel::textos::kVersion);
    QApplication::setDesktopFileName(QStringLiteral("varnel"));
    QApplication::setWindowIcon(varnel::Dibujo(QStringLiteral("varnel")));

    varnel::FrmVarnel ventana;
    ventana.CentrarEnPantalla();
    ventana.show();
    return app.exec();
}
