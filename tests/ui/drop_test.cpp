// Files dropped on the Qt main window, as a file manager drops them: file:
// URLs, anywhere on the window, the text boxes included. What a drop makes of
// them is the logic's (tests/logic/window_logic_drop_test.cpp).
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <memory>

#include "tests/ui/window_fixture.h"

namespace varnel::prueba {
namespace {

class SoltarQtTest : public VentanaTest {
protected:
    // Drags `datos` over `destino` and drops it there; whether the drag was taken.
    bool Soltar(QWidget* destino, const QMimeData& datos) {
        const QPoint punto = destino->rect().center();
        QDragEnterEvent entrar(punto, Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(destino, &entrar);
        if (!entrar.isAccepted()) return false;
        QDropEvent soltar(QPointF(punto), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(destino, &soltar);
        return soltar.isAccepted();
    }

    // The test data files, copied under the source folder in this order.
    std::unique_ptr<QMimeData> Ficheros(std::initializer_list<const char*> datosDePrueba) const {
        auto datos = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const char* n : datosDePrueba) {
            const auto ruta = origen / std::filesystem::path(n).filename();
            EscribirBytes(ruta, DatoDePrueba(n));
            urls << QUrl::fromLocalFile(QString::fromStdString(ruta.string()));
        }
        datos->setUrls(urls);
        return datos;
    }

    CarpetaTemporal origen;
};

TEST_F(SoltarQtTest, SobreLaVentanaLlegaALaLogicaEnElOrdenSoltado) {
    // On ETRS89 the GPX's WGS 84 positions are only projected.
    QTest::mouseClick(Control<QRadioButton>("OptionETRS89"), Qt::LeftButton);
    const auto datos = Ficheros({"gpx/navarra-track-1.1.gpx", "sitna-3.txt"});
    ASSERT_TRUE(Soltar(&w, *datos));
    EXPECT_EQ(LeerBytes(dir / "Sitna-Descargar.txt"),
              DatoDePrueba("gpx/navarra.expected.txt") + DatoDePrueba("descargar-3.txt"));
}

TEST_F(SoltarQtTest, SobreElCuadroEsUnFicheroNoTexto) {
    Porta()->setPlainText("anterior");
    const auto datos = Ficheros({"sitna-3.txt"});
    ASSERT_TRUE(Soltar(Porta()->viewport(), *datos));
    EXPECT_EQ(Porta()->toPlainText(), "612345,4745678\n612400,4745700\n99999,4700001");
    EXPECT_EQ(Mensajes(), "Generados 3 Puntos en " + RutaQ("Sitna-Descargar.txt"));
}

TEST_F(SoltarQtTest, TextoOEnlacesWebNoSonFicheros) {
    QMimeData texto;
    texto.setText("612345,4745678");
    EXPECT_FALSE(Soltar(&w, texto));
    QMimeData web;
    web.setUrls({QUrl("https://example.org/pista.gpx")});
    EXPECT_FALSE(Soltar(&w, web));
    EXPECT_EQ(Mensajes(), "");
}

}  // namespace
}  // namespace varnel::prueba
