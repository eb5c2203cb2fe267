// The windows as people meet them: messages read from their start, Qt's own
// texts in Spanish, the keypad's Enter, a bad display.

#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include "window_fixture.h"

namespace varnel::prueba {
namespace {

TEST_F(VentanaTest, UnMensajeLargoSeLeeDesdeSuPrincipioYEnteroEnLaAyuda) {
    const QString carpeta =
        RutaQ("una carpeta con un nombre muy largo para que la ruta no quepa en la caja de mensajes");
    ASSERT_TRUE(QDir().mkpath(carpeta));
    ASSERT_TRUE(Carpetas()->PonerCarpeta(carpeta));
    QTest::mouseClick(Boton("cmdMapsourceSitna"), Qt::LeftButton);
    auto* mensajes = Control<QLineEdit>("txtMensajes");
    EXPECT_TRUE(mensajes->text().startsWith("Error:53 No se ha encontrado el archivo "));
    EXPECT_EQ(mensajes->cursorPosition(), 0);
    EXPECT_EQ(mensajes->toolTip(), mensajes->text());

    // A text that fits needs no tooltip.
    Porta()->setPlainText("612345,4745678");
    ASSERT_TRUE(Carpetas()->PonerCarpeta(RutaQ("")));
    w.PonerTextoMensajes("Generados 1 Waypoints");
    EXPECT_EQ(mensajes->cursorPosition(), 0);
    EXPECT_TRUE(mensajes->toolTip().isEmpty());
}

TEST_F(VentanaTest, CopiarSigueLlevandoElCursorDeMensajesAlFinal) {
    w.PonerTextoMensajes("Generados 3 Puntos en /tmp/Sitna-Descargar.txt");
    QTest::mouseClick(Boton("mnuCopiar"), Qt::LeftButton);
    EXPECT_EQ(Control<QLineEdit>("txtMensajes")->cursorPosition(), Mensajes().size());
}

QStringList TextosDelMenu(QMenu* menu) {
    QStringList textos;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) textos << a->text().remove('&').section('\t', 0, 0);
    delete menu;
    return textos;
}

TEST_F(VentanaTest, LosMenusDeLasCajasEstanEnEspanol) {
    const QStringList linea = TextosDelMenu(Control<QLineEdit>("txtMensajes")->createStandardContextMenu());
    EXPECT_TRUE(linea.contains("Copiar")) << linea.join('|').toStdString();
    EXPECT_TRUE(linea.contains("Seleccionar todo")) << linea.join('|').toStdString();
    const QStringList cuadro = TextosDelMenu(Porta()->createStandardContextMenu());
    for (const char* t : {"Deshacer", "Copiar", "Pegar", "Seleccionar todo"})
        EXPECT_TRUE(cuadro.contains(t)) << t << ": " << cuadro.join('|').toStdString();
}

TEST(CajaModalTest, ElBotonDiceAceptarSinDibujo) {
    CarpetaTemporal dir;
    FrmVarnel w;
    w.PonerPitido([] {});
    w.show();
    w.findChild<ListaCarpetas*>("dirList")->PonerCarpeta(QString::fromStdString(Utf8(dir.Ruta())));
    QString texto;
    bool conDibujo = true;
    QTimer::singleShot(0, [&] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(caja, nullptr);
        QAbstractButton* ok = caja->button(QMessageBox::Ok);
        ASSERT_NE(ok, nullptr);
        texto = ok->text().remove('&');
        conDibujo = !ok->icon().isNull();
        caja->accept();
    });
    w.findChild<QPushButton*>("cmdTrackOziSitna")->click();
    EXPECT_EQ(texto, "Aceptar");
    EXPECT_FALSE(conDibujo);
}

TEST_F(VentanaTest, IntroDelTecladoNumericoPulsaElBoton) {
    Porta()->setPlainText("612345,4745678");
    QTest::keyClick(Boton("cmdSitnaWpOzi"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Mensajes(), "Generados 1 Waypoints en " + RutaQ("Sitna-OziWp.txt"));
}

TEST_F(VentanaTest, IntroDelTecladoNumericoEntraEnLaCarpeta) {
    ASSERT_TRUE(QDir().mkpath(RutaQ("sub")));
    ASSERT_TRUE(Carpetas()->PonerCarpeta(RutaQ("")));
    Carpetas()->setFocus();
    QTest::keyClick(Carpetas(), Qt::Key_Down);
    QTest::keyClick(Carpetas(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QDir(Carpetas()->Carpeta()), QDir(RutaQ("sub")));
}

TEST_F(VentanaTest, IntroDelTecladoNumericoCierraLaAyuda) {
    bool visible = false;
    bool oculta = false;
    QTimer::singleShot(0, [&] {
        auto* ayuda = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(ayuda, nullptr);
        visible = ayuda->isVisible();
        QTest::keyClick(ayuda->focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        oculta = !ayuda->isVisible();
        if (!oculta) ayuda->hide();
    });
    QTest::mouseClick(Boton("cmdAyuda"), Qt::LeftButton);
    EXPECT_TRUE(visible);
    EXPECT_TRUE(oculta);
}

TEST(ProgramaTest, UnaPantallaQueNoRespondeEsLaMismaLineaQueNinguna) {
    const auto ejecutar = [](const QString& display) {
        QProcess p;
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.remove("QT_QPA_PLATFORM");
        entorno.remove("WAYLAND_DISPLAY");
        if (display.isEmpty())
            entorno.remove("DISPLAY");
        else
            entorno.insert("DISPLAY", display);
        p.setProcessEnvironment(entorno);
        p.start(VARNEL_PROGRAMA, {});
        EXPECT_TRUE(p.waitForFinished(20000));
        return std::make_pair(p.exitCode(), QString::fromUtf8(p.readAllStandardError()));
    };
    const auto sin = ejecutar(QString());
    const auto muda = ejecutar(":97");  // nothing listens there
    EXPECT_EQ(sin.first, 1);
    EXPECT_EQ(muda.first, 1);
    EXPECT_TRUE(sin.second.startsWith("Varnel: no hay pantalla gráfica")) << sin.second.toStdString();
    EXPECT_EQ(muda.second, sin.second);
}

}  // namespace
}  // namespace varnel::prueba
