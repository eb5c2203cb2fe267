#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "tests/ui/window_fixture.h"

namespace varnel::prueba {
namespace {

// What each conversion does is the logic's (tests/logic); here, that the
// real controls carry it: the check box, the option buttons, the box's lines.
TEST_F(VentanaTest, LosControlesLlevanLaConversion) {
    EscribirBytes(dir / "Sitna-OziWp.txt", DatoDePrueba("oziwp-3-N.txt"));
    QTest::mouseClick(Boton("cmdWpOziSitna"), Qt::LeftButton);
    EXPECT_EQ(Mensajes(), "Generados 3 Puntos en " + RutaQ("Sitna-Descargar.txt"));
    // The box shows one point per line; the engine saw CR LF between them.
    EXPECT_EQ(Porta()->toPlainText(), "612345,4745678\n612400,4745700\n99999,4700001");
    EXPECT_EQ(w.Logica().TextoPorta(), "612345,4745678\r\n612400,4745700\r\n99999,4700001");

    QTest::mouseClick(Control<QRadioButton>("Option3"), Qt::LeftButton);
    QTest::mouseClick(Boton("cmdSitnaWpOzi"), Qt::LeftButton);
    std::string esperado = DatoDePrueba("oziwp-3-N.txt");
    for (std::size_t p = esperado.find(",N\r\n"); p != std::string::npos; p = esperado.find(",N\r\n", p))
        esperado[p + 1] = 'C';
    EXPECT_EQ(LeerBytes(dir / "Sitna-OziWp.txt"), esperado);

    QTest::mouseClick(Control<QCheckBox>("ChkDescargar"), Qt::LeftButton);
    EXPECT_FALSE(Control<QCheckBox>("ChkDescargar")->isChecked());
    QTest::mouseClick(Boton("cmdSitnaTrackOzi"), Qt::LeftButton);
    EXPECT_EQ(Mensajes(), "Generados 3 Puntos de Track en " + RutaQ("Sitna-OziTrack.txt"));
    EXPECT_TRUE(Porta()->toPlainText().isEmpty());  // file mode empties the box
}

TEST(CajaModalTest, SinIconoSoloAceptarYTituloVarnel) {
    CarpetaTemporal dir;
    FrmVarnel w;
    w.PonerPitido([] {});
    w.show();
    w.findChild<ListaCarpetas*>("dirList")->PonerCarpeta(QString::fromStdString(dir.Ruta().string()));
    QString titulo;
    QString texto;
    int botones = -1;
    QMessageBox::Icon icono = QMessageBox::Warning;
    QTimer::singleShot(0, [&] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(caja, nullptr);
        titulo = caja->windowTitle();
        texto = caja->text();
        icono = caja->icon();
        botones = static_cast<int>(caja->buttons().size());
        caja->accept();
    });
    w.findChild<QPushButton*>("cmdTrackOziSitna")->click();
    EXPECT_EQ(titulo, "Varnel");
    EXPECT_EQ(texto, "Error:53 No se ha encontrado el archivo");
    EXPECT_EQ(icono, QMessageBox::NoIcon);
    EXPECT_EQ(botones, 1);
}

TEST_F(VentanaTest, PegarSustituyeElCuadroEntero) {
    Porta()->setPlainText("viejo\ntexto");
    QApplication::clipboard()->setText("612345,4745678\r\n612400,4745700\r\n");
    QTest::mouseClick(Boton("mnuPegar"), Qt::LeftButton);
    EXPECT_EQ(Porta()->toPlainText(), "612345,4745678\n612400,4745700\n");
    EXPECT_EQ(Porta()->textCursor().position(), Porta()->toPlainText().size());

    QApplication::clipboard()->clear();
    QTest::mouseClick(Boton("mnuPegar"), Qt::LeftButton);
    EXPECT_TRUE(Porta()->toPlainText().isEmpty());
}

TEST_F(VentanaTest, CopiarLlevaTodoElCuadroAunqueHayaSeleccionParcial) {
    Porta()->setPlainText("612345,4745678\n612400,4745700");
    QTextCursor c = Porta()->textCursor();
    c.setPosition(3);
    c.setPosition(6, QTextCursor::KeepAnchor);
    Porta()->setTextCursor(c);
    QTest::mouseClick(Boton("mnuCopiar"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), "612345,4745678\n612400,4745700");

    QApplication::clipboard()->setText("anterior");
    Porta()->clear();
    QTest::mouseClick(Boton("mnuCopiar"), Qt::LeftButton);
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
}

TEST_F(VentanaTest, CarpetaResaltadaConUnClicEsLaDeLaConversion) {
    ASSERT_TRUE(QDir().mkpath(RutaQ("destino")));
    ASSERT_TRUE(QDir().mkpath(RutaQ(".oculta")));
    ASSERT_TRUE(Carpetas()->PonerCarpeta(RutaQ("")));
    // Hidden folders are left out.
    EXPECT_TRUE(Carpetas()->findItems(".oculta", Qt::MatchExactly).isEmpty());
    const auto items = Carpetas()->findItems("destino", Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    Carpetas()->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(Carpetas()->viewport(), Qt::LeftButton, {}, Carpetas()->visualItemRect(items[0]).center());
    EXPECT_EQ(Carpetas()->Resaltada(), RutaQ("destino"));
    EXPECT_EQ(Carpetas()->Carpeta(), QDir::cleanPath(RutaQ("")));  // a click only highlights

    QTest::mouseClick(Boton("cmdSitnaTrackOzi"), Qt::LeftButton);
    EXPECT_EQ(Mensajes(), "Generados 0 Puntos de Track en " + RutaQ("destino/Sitna-OziTrack.txt"));
    EXPECT_EQ(Carpetas()->Carpeta(), RutaQ("destino"));
}

TEST_F(VentanaTest, AltMConCarpetaResaltadaConvierteEnEsaCarpeta) {
    ASSERT_TRUE(QDir().mkpath(RutaQ("gps")));
    EscribirBytes(dir / "gps" / "Sitna-Mapsource.txt", DatoDePrueba("mapsource-gpsbabel-60.txt"));
    ASSERT_TRUE(Carpetas()->PonerCarpeta(RutaQ("")));
    Carpetas()->setFocus(Qt::TabFocusReason);
    Carpetas()->setCurrentItem(Carpetas()->findItems("gps", Qt::MatchExactly).value(0));
    QTest::keyClick(Carpetas(), Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(Mensajes(), "Generados 60 Puntos en " + RutaQ("gps/Sitna-Descargar.txt"));
}

TEST_F(VentanaTest, TeclasEnLaListaDeCarpetas) {
    ASSERT_TRUE(QDir().mkpath(RutaQ("a")));
    ASSERT_TRUE(QDir().mkpath(RutaQ("b")));
    ASSERT_TRUE(Carpetas()->PonerCarpeta(RutaQ("")));
    Carpetas()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Carpetas(), Qt::Key_Down);
    QTest::keyClick(Carpetas(), Qt::Key_Down);
    EXPECT_EQ(Carpetas()->Carpeta(), QDir::cleanPath(RutaQ("")));  // arrows only move the highlight
    // Tab takes the focus away and so commits the highlight.
    QTest::keyClick(Carpetas(), Qt::Key_Tab);
    EXPECT_EQ(Carpetas()->Carpeta(), RutaQ("b"));
    EXPECT_EQ(w.Logica().CarpetaIntercambio(), dir / "b");
    // Enter enters the highlighted folder as a double click does.
    Carpetas()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Carpetas(), Qt::Key_Up);
    QTest::keyClick(Carpetas(), Qt::Key_Return);
    EXPECT_EQ(Carpetas()->Carpeta(), QDir::cleanPath(RutaQ("")));
}

TEST_F(VentanaTest, UnidadesSonSistemasQueSePuedenRecorrer) {
    auto* unidades = Control<ListaUnidades>("DrvList");
    ASSERT_GT(unidades->count(), 0);
    EXPECT_GE(unidades->findData(QDir::rootPath()), 0);
    for (int i = 0; i < unidades->count(); ++i) {
        const QString raiz = unidades->itemData(i).toString();
        EXPECT_FALSE(raiz.startsWith("/proc") || raiz.startsWith("/sys") || raiz.startsWith("/dev"))
            << raiz.toStdString();
        EXPECT_TRUE(QFileInfo(raiz).isDir()) << raiz.toStdString();
    }
}

TEST_F(VentanaTest, OtraUnidadLlevaLaListaASuRaiz) {
    auto* unidades = Control<ListaUnidades>("DrvList");
    unidades->addItem("prueba", RutaQ(""));
    unidades->setCurrentIndex(unidades->count() - 1);
    EXPECT_EQ(Carpetas()->Carpeta(), QDir::cleanPath(RutaQ("")));
}

// The drive list follows the folder list, on the mount point that holds the
// folder, not merely "/".
TEST_F(VentanaTest, LaListaDeUnidadesSigueALaDeCarpetas) {
    ASSERT_TRUE(QDir().mkpath(RutaQ("sub")));
    auto* unidades = Control<ListaUnidades>("DrvList");
    const QString montaje = QDir::cleanPath(RutaQ(""));
    unidades->PonerFuente([montaje] { return QStringList{"/", montaje}; });
    ASSERT_TRUE(Carpetas()->PonerCarpeta(RutaQ("sub")));
    EXPECT_EQ(unidades->Unidad(), montaje);
    ASSERT_TRUE(Carpetas()->PonerCarpeta("/"));
    EXPECT_EQ(unidades->Unidad(), "/");
}

TEST_F(VentanaTest, EnlacesAbrenCorreoYWeb) {
    QTest::mouseClick(Control("lblLink_0"), Qt::LeftButton);
    QTest::mouseClick(Control("lblLink_1"), Qt::LeftButton);
    ASSERT_EQ(enlaces.size(), 2u);
    EXPECT_EQ(enlaces[0].toString(), "mailto:" + Control<QLabel>("lblLink_0")->text());
    EXPECT_EQ(enlaces[1].toString(), Control<QLabel>("lblLink_1")->text());
    EXPECT_EQ(enlaces[0].scheme(), "mailto");
    EXPECT_TRUE(enlaces[0].query().isEmpty());
}

}  // namespace
}  // namespace varnel::prueba
