// The windows as people meet them: Qt's own texts in Spanish, the keypad's
// Enter, a bad display, screen readers.

#include <QAbstractItemView>
#include <QAccessible>
#include <QFocusEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "tests/ui/window_fixture.h"
#include "ui/qt/group_frame.h"

namespace varnel::prueba {
namespace {

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

// Where a frame's drawn border starts: the first row, from the top, where its
// left edge is not the background (inside, at the bottom left).
int FilaDelBorde(QWidget* marco) {
    const QImage imagen = marco->grab().toImage();
    const QRgb fondo = imagen.pixel(4, imagen.height() - 5);
    for (int y = 0; y < imagen.height(); ++y)
        if (imagen.pixel(0, y) != fondo) return y;
    return -1;
}

TEST_F(VentanaTest, ElTituloDeCadaMarcoEstaSobreSuBorde) {
    for (const char* nombre : {"Frame1", "Frame2", "Frame3", "Frame4"}) {
        auto* marco = Control<MarcoVarnel>(nombre);
        ASSERT_NE(marco, nullptr);
        const int borde = FilaDelBorde(marco);
        const int alto = marco->fontMetrics().height();
        EXPECT_GT(borde, 0) << nombre;
        EXPECT_LT(borde, alto) << nombre << ": the border runs behind the caption";
    }
    // Frame3 frames its two buttons and the check box; "Enlaces" frames its rows.
    const int borde3 = Control("Frame3")->y() + FilaDelBorde(Control("Frame3"));
    EXPECT_LT(borde3, Boton("cmdSitnaWpOzi")->y());
    EXPECT_LT(FilaDelBorde(Control("Frame2")), Control<QLabel>("Label1_0")->y());
}

TEST_F(VentanaTest, LaAyudaSeCentraSobreLaPrincipalDesdeLaPrimeraVez) {
    w.move(40, 30);
    QPoint centroAyuda;
    QTimer::singleShot(0, [&] {
        QWidget* ayuda = QApplication::activeModalWidget();
        ASSERT_NE(ayuda, nullptr);
        centroAyuda = ayuda->frameGeometry().center();
        ayuda->hide();
    });
    QTest::mouseClick(Boton("cmdAyuda"), Qt::LeftButton);
    EXPECT_LE((centroAyuda - w.frameGeometry().center()).manhattanLength(), 2);
}

void PerderFoco(QWidget* w, Qt::FocusReason razon) {
    QFocusEvent fuera(QEvent::FocusOut, razon);
    QApplication::sendEvent(w, &fuera);
}

TEST_F(VentanaTest, OtroProgramaOUnMenuNoEligenLaCarpetaResaltada) {
    ASSERT_TRUE(QDir().mkpath(RutaQ("sub")));
    ASSERT_TRUE(Carpetas()->PonerCarpeta(RutaQ("")));
    const QString antes = Carpetas()->Carpeta();
    Carpetas()->setCurrentRow(Carpetas()->count() - 1);  // "sub", only highlighted
    for (Qt::FocusReason r : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason, Qt::MenuBarFocusReason}) {
        PerderFoco(Carpetas(), r);
        EXPECT_EQ(Carpetas()->Carpeta(), antes) << r;
    }
    PerderFoco(Carpetas(), Qt::TabFocusReason);
    EXPECT_EQ(QDir(Carpetas()->Carpeta()), QDir(RutaQ("sub")));
}

TEST_F(VentanaTest, CarpetasAbiertasYCerradasSeDistinguen) {
    ASSERT_TRUE(QDir().mkpath(RutaQ("sub")));
    ASSERT_TRUE(Carpetas()->PonerCarpeta(RutaQ("")));
    const int ultima = Carpetas()->count() - 1;
    const QImage actual = Carpetas()->item(ultima - 1)->icon().pixmap(16, 16).toImage();
    const QImage sub = Carpetas()->item(ultima)->icon().pixmap(16, 16).toImage();
    const QImage raiz = Carpetas()->item(0)->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(Carpetas()->item(ultima)->text(), "sub");
    EXPECT_EQ(actual, raiz);  // the current folder and the path above it: open
    int distintos = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) distintos += actual.pixel(x, y) != sub.pixel(x, y);
    EXPECT_GT(distintos, 40);  // clearly different at 16 px
}

TEST_F(VentanaTest, CarpetasEnOrdenEspanol) {
    for (const char* n : {"zeta", "Ávila", "alba", "Bosque", "Ñandú", "nube", "oso"})
        ASSERT_TRUE(QDir().mkpath(RutaQ(n)));
    ASSERT_TRUE(Carpetas()->PonerCarpeta(RutaQ("")));
    QStringList nombres;
    for (int i = Carpetas()->count() - 7; i < Carpetas()->count(); ++i) nombres << Carpetas()->item(i)->text();
    EXPECT_EQ(nombres, QStringList({"alba", "Ávila", "Bosque", "nube", "Ñandú", "oso", "zeta"}));
}

TEST_F(VentanaTest, UnNombreLargoLlevaSuNombreEnteroEnLaAyuda) {
    const QString largo = "Excursiones de primavera por la sierra de Aralar y el valle de Larraun";
    ASSERT_TRUE(QDir().mkpath(RutaQ(largo.toUtf8().constData())));
    ASSERT_TRUE(QDir().mkpath(RutaQ("corta")));
    ASSERT_TRUE(Carpetas()->PonerCarpeta(RutaQ("")));
    const auto conLargo = Carpetas()->findItems(largo, Qt::MatchExactly);
    const auto conCorta = Carpetas()->findItems("corta", Qt::MatchExactly);
    ASSERT_EQ(conLargo.size(), 1);
    ASSERT_EQ(conCorta.size(), 1);
    EXPECT_EQ(conLargo[0]->toolTip(), largo);
    EXPECT_TRUE(conCorta[0]->toolTip().isEmpty());
}

#ifndef _WIN32
// Root reads every folder: the unreadable start runs as an unprivileged user
// in a child process; its exit code says what held.
void ArrancarEnCarpetaIlegible(const std::string& carpeta) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(200);
    if (::chdir(carpeta.c_str()) != 0) std::_Exit(201);
    FrmVarnel w;
    w.PonerMostrarMensaje([](const QString&) {});
    w.PonerPitido([] {});
    const auto* lista = w.findChild<ListaCarpetas*>("dirList");
    const auto* unidades = w.findChild<ListaUnidades*>("DrvList");
    const bool carpetaBien = QDir(lista->Carpeta()) == QDir(QString::fromStdString(carpeta)) && lista->count() > 0;
    const bool unidadBien = unidades->currentIndex() >= 0;
    w.findChild<QPushButton*>("cmdWpOziSitna")->click();
    const bool rutaAbsoluta = w.Texto("txtMensajes") ==
                              "Error:53 No se ha encontrado el archivo " +
                                  QDir::cleanPath(QString::fromStdString(carpeta)).toStdString() + "/Sitna-OziWp.txt";
    std::_Exit(carpetaBien && unidadBien && rutaAbsoluta ? 42 : 1);
}

TEST(CarpetaInicialTest, UnaCarpetaDeTrabajoIlegibleSigueSiendoLaCarpeta) {
    const CarpetaTemporalCompartida dir;  // the child's run of this test takes it too
    const auto carpeta = dir / "sin-lectura";
    std::filesystem::create_directory(carpeta);
    std::filesystem::permissions(dir.Ruta(), std::filesystem::perms::all);
    std::filesystem::permissions(carpeta, std::filesystem::perms::owner_exec | std::filesystem::perms::others_exec |
                                              std::filesystem::perms::group_exec);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ArrancarEnCarpetaIlegible(Utf8(carpeta)), ::testing::ExitedWithCode(42), "");
}
#endif

TEST(UnidadesTest, SoloLasQueUnUsuarioExplora) {
    EXPECT_TRUE(EsUnidadDeUsuario("/", "ext4"));
    EXPECT_TRUE(EsUnidadDeUsuario("/media/usb", "vfat"));
    EXPECT_TRUE(EsUnidadDeUsuario("/run/media/ana/USB", "exfat"));
    EXPECT_FALSE(EsUnidadDeUsuario("/snap/core22/1234", "squashfs"));
    EXPECT_FALSE(EsUnidadDeUsuario("/opt/imagen", "squashfs"));
    EXPECT_FALSE(EsUnidadDeUsuario("/proc", "proc"));
    EXPECT_FALSE(EsUnidadDeUsuario("/boot/efi", "vfat"));
    EXPECT_FALSE(EsUnidadDeUsuario("/run/user/1000", "tmpfs"));
    EXPECT_FALSE(EsUnidadDeUsuario("/var/lib/docker/overlay", "ext4"));
}

TEST_F(VentanaTest, LaListaDeUnidadesSeLeeAlAbrirse) {
    auto* unidades = Control<ListaUnidades>("DrvList");
    QStringList montadas = {"/"};
    unidades->PonerFuente([&montadas] { return montadas; });
    EXPECT_EQ(unidades->count(), 1);
    montadas << "/media/usb";  // a stick plugged in meanwhile
    unidades->showPopup();
    EXPECT_EQ(unidades->count(), 2);
    EXPECT_EQ(unidades->itemData(1).toString(), "/media/usb");
    unidades->hidePopup();
}

TEST_F(VentanaTest, CadaControlTieneNombreAccesible) {
    for (const char* nombre :
         {"cmdSitnaWpOzi", "cmdSitnaTrackOzi", "cmdWpOziSitna", "cmdTrackOziSitna", "cmdMapsourceSitna", "mnuCopiar",
          "mnuPegar",      "cmdAyuda",         "cmdSalir",      "DrvList",          "dirList",           "txtMensajes",
          "txtPorta",      "ChkDescargar",     "Option1",       "Option2",          "Option3",           "OptionED50",
          "OptionETRS89",  "lblLink_0",        "lblLink_1"}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Control(nombre));
        ASSERT_NE(a, nullptr) << nombre;
        EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << nombre;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Carpetas())->text(QAccessible::Name), "Carpeta de Intercambio");
    // A combo box is named by its drive unless it says its own name.
    QAccessibleInterface* unidades = QAccessible::queryAccessibleInterface(Control("DrvList"));
    EXPECT_EQ(unidades->role(), QAccessible::ComboBox);
    EXPECT_EQ(unidades->text(QAccessible::Name), "Unidad");
    EXPECT_EQ(unidades->text(QAccessible::Value), Control<QComboBox>("DrvList")->currentText());
    EXPECT_FALSE(unidades->text(QAccessible::Value).isEmpty());
    ASSERT_EQ(unidades->childCount(), 1);
    EXPECT_EQ(unidades->child(0)->object(), Control<QComboBox>("DrvList")->view());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Control("mnuPegar"))->text(QAccessible::Name),
              "Pegar del Portapapeles");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&w)->role(), QAccessible::Window);
}

TEST_F(VentanaTest, LosEnlacesSonEnlacesQueSeAbren) {
    for (int i : {0, 1}) {
        QWidget* enlace = Control(i == 0 ? "lblLink_0" : "lblLink_1");
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(enlace);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::Link);
        ASSERT_NE(a->actionInterface(), nullptr);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    ASSERT_EQ(enlaces.size(), 2u);
    EXPECT_EQ(enlaces[0].scheme(), "mailto");
    EXPECT_EQ(enlaces[1].scheme(), "https");
}

}  // namespace
}  // namespace varnel::prueba
