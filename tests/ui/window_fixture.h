#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QUrl>
#include <vector>

#include "tests/test_support.h"
#include "ui/qt/drive_list.h"
#include "ui/qt/folder_list.h"
#include "ui/qt/main_window.h"

namespace varnel::prueba {

// QSettings' user folder a fresh temporary folder for as long as this lives,
// then the test run's own again (ui_test_main.cpp): never the user's.
class AjustesDePrueba {
public:
    AjustesDePrueba() { PonerCarpeta(Utf8(carpeta.Ruta())); }
    ~AjustesDePrueba() { PonerCarpeta(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()); }
    AjustesDePrueba(const AjustesDePrueba&) = delete;
    AjustesDePrueba& operator=(const AjustesDePrueba&) = delete;

    // Where the program keeps its settings, under that folder.
    std::filesystem::path Fichero() const { return carpeta / "Varnel" / "varnel.conf"; }

    CarpetaTemporal carpeta;

private:
    static void PonerCarpeta(const std::string& carpeta) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(carpeta));
    }
};

// The real main window, shown and active, its exchange folder a fresh
// temporary folder, its settings in another, the message box and the beep
// recorded.
class VentanaTest : public ::testing::Test {
protected:
    VentanaTest() {
        w.PonerMostrarMensaje([this](const QString& t) { modales.push_back(t); });
        w.PonerPitido([this] { ++pitidos; });
        w.PonerAbrirEnlace([this](const QUrl& u) { enlaces.push_back(u); });
        w.show();
        w.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        EXPECT_TRUE(Carpetas()->PonerCarpeta(QString::fromStdString(dir.Ruta().string())));
    }

    template <class T = QWidget>
    T* Control(const char* nombre) const {
        T* c = w.findChild<T*>(QLatin1String(nombre));
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    QPushButton* Boton(const char* nombre) const { return Control<QPushButton>(nombre); }
    ListaCarpetas* Carpetas() const { return Control<ListaCarpetas>("dirList"); }
    QString Mensajes() const { return Control<QLineEdit>("txtMensajes")->text(); }
    QPlainTextEdit* Porta() const { return Control<QPlainTextEdit>("txtPorta"); }
    QString RutaQ(const char* nombre) const { return QString::fromStdString((dir / nombre).string()); }

    AjustesDePrueba ajustes;  // before the window, which reads them
    CarpetaTemporal dir;
    FrmVarnel w;
    std::vector<QString> modales;
    int pitidos = 0;
    std::vector<QUrl> enlaces;
};

}  // namespace varnel::prueba
