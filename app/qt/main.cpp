#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

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
    // The program takes no options: every argument is a file to open ("Abrir
    // con", a double click), and Qt sees the program name only.
    std::vector<std::filesystem::path> ficheros;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        std::filesystem::path ruta = std::filesystem::absolute(argv[i], ec);
        ficheros.push_back(ec ? std::filesystem::path(argv[i]) : std::move(ruta));
    }
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
    // Files given to the program are a drop on the window, once it shows.
    if (!ficheros.empty())
        QTimer::singleShot(0, &ventana, [&ventana, &ficheros] { ventana.Logica().Soltados(ficheros); });
    return app.exec();
}
