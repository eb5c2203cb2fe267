// The Qt drawing window: the model's primitives as pixels on a QImage, and the
// window as the user reaches it (Ctrl+D, following the box, a click on a
// point, Esc, the picture saved). The model's rules are the logic's
// (tests/logic/list_drawing_test.cpp).
#include <QImage>
#include <QLabel>

#include "tests/ui/window_fixture.h"
#include "ui/qt/drawing_painter.h"
#include "ui/qt/drawing_window.h"

namespace varnel::prueba {
namespace {

constexpr const char* kLista = "610000,4740000\n612000,4741000\nx\n614000,4740000";

QColor En(const QImage& imagen, logica::PuntoPx p) { return imagen.pixelColor(qRound(p.x), qRound(p.y)); }

TEST(PintorDibujoQtTest, MarcasYLineaDondeDiceElModelo) {
    logica::LogicaDibujo logica([](std::int64_t) {});
    logica.Tamano(320, 220);
    logica.Leer(kLista, DatumLista::Ed50);
    const logica::Primitivas d = logica.Dibujo();
    const QImage imagen = ImagenDibujo(d);
    ASSERT_EQ(imagen.size(), QSize(320, 220));
    EXPECT_EQ(En(imagen, *d.inicio), QColor(0, 170, 0));
    EXPECT_EQ(En(imagen, *d.fin), QColor(220, 0, 0));
    // Halfway along each leg, beyond the markers: the line's blue.
    const auto& t = d.traza;
    for (std::size_t i = 1; i < t.size(); ++i) {
        const QColor c = En(imagen, {(t[i - 1].x + t[i].x) / 2, (t[i - 1].y + t[i].y) / 2});
        EXPECT_LT(c.red(), 80) << i;
        EXPECT_GT(c.blue(), 150) << i;
    }
    EXPECT_EQ(imagen.pixelColor(318, 110), QColor(255, 255, 255));  // away from everything
}

class DibujoQtTest : public VentanaTest {
protected:
    FrmDibujo* Abrir() {
        Porta()->setFocus();
        QTest::keyClick(Porta(), Qt::Key_D, Qt::ControlModifier);
        FrmDibujo* f = w.VentanaDibujo();
        EXPECT_TRUE(f && f->isVisible());
        return f;
    }
};

TEST_F(DibujoQtTest, CtrlDLoAbreYSigueALaCaja) {
    Porta()->setPlainText(QString::fromLatin1(kLista));
    FrmDibujo* f = Abrir();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->Resumen()->text().toStdString(),
              "3 puntos · 4,5 km · E 610000–614000 · N 4740000–4741000 · ED50 · Línea 3: no es un punto");
    EXPECT_EQ(f->Lienzo()->accessibleDescription(), f->Resumen()->text());
    // Typing in the box: the drawing follows without being asked.
    Porta()->moveCursor(QTextCursor::End);
    QTest::keyClick(Porta(), Qt::Key_Return);
    QTest::keyClicks(Porta(), QStringLiteral("616000,4740000"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return f->Resumen()->text().startsWith(QStringLiteral("4 puntos")); }, 2000));
}

TEST_F(DibujoQtTest, UnClicSeleccionaLaLineaYEscCierraRecordandoDonde) {
    Porta()->setPlainText(QString::fromLatin1(kLista));
    FrmDibujo* f = Abrir();
    ASSERT_TRUE(f);
    const logica::PuntoPx p = f->Logica().Vista().APixel(614000, 4740000);
    QTest::mouseClick(f->Lienzo(), Qt::LeftButton, {}, QPoint(qRound(p.x), qRound(p.y)));
    EXPECT_EQ(Porta()->textCursor().selectedText(), QStringLiteral("614000,4740000"));
    EXPECT_EQ(Porta()->textCursor().blockNumber(), 3);

    f->setGeometry(40, 50, 500, 400);
    QTest::keyClick(f->Lienzo(), Qt::Key_Escape);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(logica::LeerGeometria(AjustesQt()), (logica::Geometria{40, 50, 500, 400}));
}

TEST_F(DibujoQtTest, GuardarImagenEsUnPngDelTamanoDelDibujo) {
    Porta()->setPlainText(QString::fromLatin1(kLista));
    std::vector<logica::DialogoGuardado> pedidos;
    w.PonerPedirRuta([&](const logica::DialogoGuardado& d) {
        pedidos.push_back(d);
        return std::optional(dir / "dibujo.png");
    });
    FrmDibujo* f = Abrir();
    ASSERT_TRUE(f);
    f->findChild<QPushButton*>(QStringLiteral("guardarImagen"))->click();
    ASSERT_EQ(pedidos.size(), 1U);
    EXPECT_EQ(pedidos[0].nombre, "Sitna.png");
    EXPECT_EQ(pedidos[0].carpeta, dir.Ruta());
    const QImage guardada(RutaQ("dibujo.png"), "PNG");
    ASSERT_EQ(guardada.size(), f->Lienzo()->size());
    EXPECT_EQ(En(guardada, *f->Logica().Dibujo().inicio), QColor(0, 170, 0));
}

}  // namespace
}  // namespace varnel::prueba
