#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "tests/test_support.h"
#include "ui/qt/spanish_qt.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const auto ejecucion = varnel::prueba::CarpetaDeEjecucionPropia();
    // The windows' settings go to a folder of this run, never the user's
    // ~/.config; a death test's child keeps its parent's. Before any QSettings.
    std::unique_ptr<varnel::prueba::CarpetaTemporal> configuracion;
    if (qgetenv("VARNEL_CONFIGURACION_DE_PRUEBA").isEmpty() ||
        qgetenv("VARNEL_CONFIGURACION_DE_PRUEBA") != qgetenv("XDG_CONFIG_HOME")) {
        configuracion = std::make_unique<varnel::prueba::CarpetaTemporal>();
        const QByteArray ruta = QByteArray::fromStdString(varnel::prueba::Utf8(configuracion->Ruta()));
        qputenv("XDG_CONFIG_HOME", ruta);
        qputenv("VARNEL_CONFIGURACION_DE_PRUEBA", ruta);
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    varnel::CargarTextosQtEnEspanol(app);  // as the program does
    return RUN_ALL_TESTS();
}
