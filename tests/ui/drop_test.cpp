// Files dropped on the Qt main window, as a file manager drops them: file:
// URLs, anywhere on the window, the text boxes included.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <memory>

#include "tests/ui/window_fixture.h"

namespace varnel::prueba {
namespace {

class SoltarQtTest : public VentanaTest {
protected:
    SoltarQtTest() {
        EscribirBytes(origen / "pista.gpx", DatoDePrueba("gpx/navarra-track-1.1.gpx"));
        EscribirBytes(origen / "lista.txt", DatoDePrueba("sitna-3.txt"));
    }

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

    std::unique_ptr<QMimeData> Ficheros(std::initializer_list<const char*> nombres) const {
        auto datos = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const char* n : nombres) urls << QUrl::fromLocalFile(QString::fromStdString((origen / n).string()));
        datos->setUrls(urls);
        return datos;
    }

    CarpetaTemporal origen;
};

TEST_F(SoltarQtTest, SobreLaVentanaLlenaLaListaEnElOrdenSoltado) {
    // On ETRS89 the GPX's WGS 84 positions are only projected.
    QTest::mouseClick(Control<QRadioButton>("OptionETRS89"), Qt::LeftButton);
    const auto datos = Ficheros({"pista.gpx", "lista.txt"});
    ASSERT_TRUE(Soltar(&w, *datos));
    EXPECT_EQ(Mensajes(), "Generados 11 Puntos en " + RutaQ("Sitna-Descargar.txt"));
    const std::string lista = DatoDePrueba("gpx/navarra.expected.txt") + DatoDePrueba("descargar-3.txt");
    EXPECT_EQ(LeerBytes(dir / "Sitna-Descargar.txt"), lista);
    // The box starts with the same line.
    EXPECT_TRUE(Porta()->toPlainText().startsWith(QString::fromStdString(lista.substr(0, lista.find('\r')) + "\n")));
    EXPECT_TRUE(modales.empty());
}

TEST_F(SoltarQtTest, SobreElCuadroEsUnFicheroNoTexto) {
    Porta()->setPlainText("anterior");
    const auto datos = Ficheros({"lista.txt"});
    ASSERT_TRUE(Soltar(Porta()->viewport(), *datos));
    EXPECT_EQ(Porta()->toPlainText(), "612345,4745678\n612400,4745700\n99999,4700001");
    EXPECT_EQ(Mensajes(), "Generados 3 Puntos en " + RutaQ("Sitna-Descargar.txt"));
}

TEST_F(SoltarQtTest, UnFormatoDesconocidoEsElInformeDeError) {
    EscribirBytes(origen / "foto.jpg", "\xFF\xD8\xFF\xE0");
    const auto datos = Ficheros({"foto.jpg"});
    ASSERT_TRUE(Soltar(&w, *datos));
    const QString t = "Error:13 No coinciden los tipos (línea 1 de " +
                      QString::fromStdString((origen / "foto.jpg").string()) + ": formato no reconocido)";
    EXPECT_EQ(Mensajes(), t);
    EXPECT_EQ(modales, std::vector<QString>{t});
    EXPECT_EQ(pitidos, 1);
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
