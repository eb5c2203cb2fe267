#include <QDialog>
#include <QLabel>
#include <QTimer>

#include "tests/ui/window_fixture.h"
#include "ui/qt/help_window.h"

namespace varnel::prueba {
namespace {

struct Vista {
    bool visible = false;
    bool modal = false;
    QString titulo;
    QSize tamano;
    QString foco;
    QStringList textos;
};

// Clicks the help button; while the help window is up, notes what it shows
// and presses `tecla` on it.
Vista AbrirAyuda(QPushButton* boton, Qt::Key tecla) {
    Vista v;
    QTimer::singleShot(0, [&] {
        auto* ayuda = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!ayuda) return;
        v.visible = ayuda->isVisible();
        v.modal = ayuda->isModal();
        v.titulo = ayuda->windowTitle();
        v.tamano = ayuda->size();
        v.foco = ayuda->focusWidget() ? ayuda->focusWidget()->objectName() : QString();
        for (const char* n : {"LblDescargar2", "lblOzi2", "lblMapsource2", "lblVarnel2"})
            v.textos << ayuda->findChild<QLabel*>(n)->text();
        QTest::keyClick(ayuda->focusWidget(), tecla);
        if (ayuda->isVisible()) ayuda->hide();
    });
    boton->click();
    return v;
}

TEST_F(VentanaTest, AyudaMuestraSusCuatroTextosYSeCierraConIntroOEspacio) {
    const Vista primera = AbrirAyuda(Boton("cmdAyuda"), Qt::Key_Return);
    EXPECT_TRUE(primera.visible);
    EXPECT_TRUE(primera.modal);
    EXPECT_EQ(primera.titulo, "Varnel Ayuda");
    EXPECT_EQ(primera.tamano, QSize(745, 594));
    EXPECT_EQ(primera.foco, "OKButton");
    ASSERT_EQ(primera.textos.size(), 4);
    EXPECT_TRUE(primera.textos[0].startsWith(" Es un fichero de texto que se obtiene directamente"));
    EXPECT_EQ(primera.textos[0].count('\n'), 1);
    EXPECT_TRUE(primera.textos[0].contains("con ese nombre.\n Se usa también"));
    EXPECT_TRUE(primera.textos[1].contains("con esos nombres.\n Se usan también"));
    EXPECT_TRUE(primera.textos[2].contains("con ese nombre.\n El programa lee todas las líneas de track"));
    EXPECT_EQ(primera.textos[3].count('\n'), 5);
    EXPECT_TRUE(primera.textos[3].contains("Todos los datos están en Datum European 1950 y Zona UTM 30T.\n Elija"));
    EXPECT_TRUE(primera.textos[3].contains("(Búsquedas; Por ruta de GPS). \n Este programa"));
    ASSERT_NE(w.Ayuda(), nullptr);
    EXPECT_FALSE(w.Ayuda()->isVisible());  // Enter hid it

    const Vista segunda = AbrirAyuda(Boton("cmdAyuda"), Qt::Key_Space);
    EXPECT_EQ(segunda.textos, primera.textos);  // never appended
    EXPECT_FALSE(w.Ayuda()->isVisible());
}

TEST_F(VentanaTest, AyudaDejaLaVentanaPrincipalSinEntrada) {
    bool bloqueada = false;
    QTimer::singleShot(0, [&] {
        // While the help window is up, the main window takes no clicks.
        bloqueada = QApplication::activeModalWidget() != nullptr && QApplication::activeModalWidget() != &w;
        // Through the window system, as a real click comes.
        QPushButton* b = Boton("cmdMapsourceSitna");
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, b->mapTo(&w, b->rect().center()));
        if (auto* a = QApplication::activeModalWidget()) a->close();
    });
    Boton("cmdAyuda")->click();
    EXPECT_TRUE(bloqueada);
    EXPECT_TRUE(Mensajes().isEmpty()) << Mensajes().toStdString();  // the click ran nothing
    // The same click with the help window gone does run the conversion.
    QPushButton* b = Boton("cmdMapsourceSitna");
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, b->mapTo(&w, b->rect().center()));
    EXPECT_TRUE(Mensajes().startsWith("Error:53")) << Mensajes().toStdString();
}

// Runs the application's event loop until the program ends, or five seconds.
int HastaQueTermine() {
    QTimer guardia;
    guardia.setSingleShot(true);
    QObject::connect(&guardia, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guardia.start(5000);
    return QApplication::exec();
}

TEST_F(VentanaTest, SalirTrasVerLaAyudaTerminaElPrograma) {
    AbrirAyuda(Boton("cmdAyuda"), Qt::Key_Return);
    QTimer::singleShot(0, [&] { Boton("cmdSalir")->click(); });
    EXPECT_EQ(HastaQueTermine(), 0);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(VentanaTest, CerrarLaPrincipalConLaAyudaAbiertaCierraAmbas) {
    bool ayudaVisible = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            ayudaVisible = w.Ayuda() && w.Ayuda()->isVisible();
            w.close();  // the window system's close, as from the title bar or at logout
        });
        Boton("cmdAyuda")->click();
    });
    EXPECT_EQ(HastaQueTermine(), 0);
    EXPECT_TRUE(ayudaVisible);
    EXPECT_FALSE(w.isVisible());
    ASSERT_NE(w.Ayuda(), nullptr);
    EXPECT_FALSE(w.Ayuda()->isVisible());
}

}  // namespace
}  // namespace varnel::prueba
