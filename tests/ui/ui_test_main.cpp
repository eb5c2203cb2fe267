#include <gtest/gtest.h>

#include <QApplication>

#include "tests/test_support.h"
#include "ui/qt/spanish_qt.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    const auto ejecucion = varnel::prueba::CarpetaDeEjecucionPropia();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    varnel::CargarTextosQtEnEspanol(app);  // as the program does
    return RUN_ALL_TESTS();
}
