// The SITNA list's datum in the Qt window: its own option group, reached by
// Tab after the Garmin options, by its access keys and the arrow keys; the
// choice kept in the real settings file (QSettings' INI, here under a
// temporary folder) and read back by the next window; the help that names it.
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <fstream>

#include "tests/ui/window_fixture.h"
#include "ui/forms/texts.h"

namespace varnel::prueba {
namespace {

// The lines of the settings file; none when there is no file.
std::vector<std::string> Lineas(const std::filesystem::path& fichero) {
    std::vector<std::string> lineas;
    std::ifstream f(fichero);
    for (std::string l; std::getline(f, l);) lineas.push_back(l);
    return lineas;
}

bool Contiene(const std::vector<std::string>& lineas, const std::string& linea) {
    return std::find(lineas.begin(), lineas.end(), linea) != lineas.end();
}

class DatumQtTest : public VentanaTest {
protected:
    QRadioButton* Ed50() const { return Control<QRadioButton>("OptionED50"); }
    QRadioButton* Etrs89() const { return Control<QRadioButton>("OptionETRS89"); }
    std::vector<std::string> Guardado() const { return Lineas(ajustes.Fichero()); }
    // Which datum option a window shows selected.
    static std::string Elegida(const FrmVarnel& v) {
        const bool ed50 = v.findChild<QRadioButton*>("OptionED50")->isChecked();
        const bool etrs89 = v.findChild<QRadioButton*>("OptionETRS89")->isChecked();
        return ed50 == etrs89 ? "ninguna o ambas" : ed50 ? "ED50" : "ETRS89";
    }
    QWidget* Foco() const { return QApplication::focusWidget(); }
};

TEST_F(DatumQtTest, UnClicLoGuardaYLaSiguienteVentanaLoLee) {
    EXPECT_EQ(Elegida(w), "ED50");
    EXPECT_FALSE(std::filesystem::exists(ajustes.Fichero())) << "nothing is written at the start";

    QTest::mouseClick(Etrs89(), Qt::LeftButton);
    EXPECT_EQ(Elegida(w), "ETRS89");
    EXPECT_EQ(w.Logica().DatumSitna(), DatumLista::Etrs89);
    EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked()) << "the Garmin group changed too";
    EXPECT_TRUE(Contiene(Guardado(), "datum=ETRS89"));
    {
        FrmVarnel otra;
        EXPECT_EQ(Elegida(otra), "ETRS89");
        EXPECT_EQ(otra.Logica().DatumSitna(), DatumLista::Etrs89);
        QTest::mouseClick(otra.findChild<QRadioButton*>("OptionED50"), Qt::LeftButton);
        EXPECT_TRUE(Contiene(Guardado(), "datum=ED50"));
        EXPECT_FALSE(Contiene(Guardado(), "datum=ETRS89"));
    }
    FrmVarnel tercera;
    EXPECT_EQ(Elegida(tercera), "ED50");
}

TEST_F(DatumQtTest, LaOpcionYaElegidaNoEscribe) {
    QTest::mouseClick(Etrs89(), Qt::LeftButton);
    ASSERT_TRUE(std::filesystem::remove(ajustes.Fichero()));
    QTest::mouseClick(Etrs89(), Qt::LeftButton);
    EXPECT_FALSE(std::filesystem::exists(ajustes.Fichero()));
    EXPECT_EQ(Elegida(w), "ETRS89");
}

TEST_F(DatumQtTest, TabLlegaTrasLasOpcionesGarminYLasFlechasCambianDentro) {
    Control("Option1")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Foco(), Qt::Key_Tab);
    EXPECT_EQ(Foco(), Ed50());
    QTest::keyClick(Foco(), Qt::Key_Down);
    EXPECT_EQ(Foco(), Etrs89());
    EXPECT_EQ(Elegida(w), "ETRS89");
    EXPECT_TRUE(Contiene(Guardado(), "datum=ETRS89"));
    // The Garmin group is untouched, and the datum group is still one stop,
    // now on ETRS89: Tab goes on to the first button, Shift+Tab comes back.
    EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked());
    QTest::keyClick(Foco(), Qt::Key_Tab);
    EXPECT_EQ(Foco(), Control("cmdSitnaWpOzi"));
    QTest::keyClick(Foco(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Foco(), Etrs89());
    QTest::keyClick(Foco(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Foco(), Control("Option1"));
    // Up goes back to ED50, within the group only.
    Etrs89()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Foco(), Qt::Key_Up);
    EXPECT_EQ(Foco(), Ed50());
    EXPECT_EQ(Elegida(w), "ED50");
    EXPECT_TRUE(Contiene(Guardado(), "datum=ED50"));
    QTest::keyClick(Foco(), Qt::Key_Up);
    EXPECT_EQ(Foco(), Ed50());
    EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked());
}

TEST_F(DatumQtTest, AltRYAltEEligenCadaDatum) {
    Porta()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Foco(), Qt::Key_R, Qt::AltModifier);
    // Qt selects an option on its access key a moment later, as if pressed.
    EXPECT_TRUE(QTest::qWaitFor([&] { return Etrs89()->isChecked(); }, 2000));
    EXPECT_EQ(Foco(), Etrs89());
    EXPECT_TRUE(Contiene(Guardado(), "datum=ETRS89"));
    QTest::keyClick(Foco(), Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Ed50()->isChecked(); }, 2000));
    EXPECT_EQ(Foco(), Ed50());
    EXPECT_TRUE(Contiene(Guardado(), "datum=ED50"));
    EXPECT_TRUE(Mensajes().isEmpty()) << "an access key ran a conversion";
}

// A settings file the program never wrote: ED50, and the file left as it was.
struct CasoFichero {
    const char* nombre;
    std::string contenido;
    bool carpeta;  // a folder where the file should be: it cannot be read
};

void PrintTo(const CasoFichero& c, std::ostream* os) { *os << c.nombre; }

class FicheroRaroTest : public ::testing::TestWithParam<CasoFichero> {};

TEST_P(FicheroRaroTest, EmpiezaEnEd50) {
    AjustesDePrueba ajustes;
    std::filesystem::create_directories(ajustes.Fichero().parent_path());
    if (GetParam().carpeta)
        std::filesystem::create_directory(ajustes.Fichero());
    else
        EscribirBytes(ajustes.Fichero(), GetParam().contenido);
    FrmVarnel w;
    EXPECT_TRUE(w.findChild<QRadioButton*>("OptionED50")->isChecked());
    EXPECT_FALSE(w.findChild<QRadioButton*>("OptionETRS89")->isChecked());
    EXPECT_EQ(w.Logica().DatumSitna(), DatumLista::Ed50);
    if (!GetParam().carpeta) {
        EXPECT_EQ(LeerBytes(ajustes.Fichero()), GetParam().contenido);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ajustes, FicheroRaroTest,
    ::testing::Values(CasoFichero{"Vacio", "", false}, CasoFichero{"OtroDatum", "[General]\ndatum=WGS84\n", false},
                      CasoFichero{"Minusculas", "[General]\ndatum=etrs89\n", false},
                      CasoFichero{"OtraSeccion", "[Otra]\ndatum=ETRS89\n", false},
                      CasoFichero{"Binario", std::string("\x89PNG\r\n\x1a\n\0\0datum=ETRS89", 22), false},
                      CasoFichero{"Carpeta", "", true}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(DatumQtTest, SiNoSePuedeGuardarLaEleccionValeIgualYNadaSeQueja) {
    // A file where the settings folder should be: nothing can be written there.
    EscribirBytes(ajustes.carpeta / "Varnel", "no es una carpeta");
    QTest::mouseClick(Etrs89(), Qt::LeftButton);
    EXPECT_EQ(Elegida(w), "ETRS89");
    EXPECT_EQ(w.Logica().DatumSitna(), DatumLista::Etrs89);
    EXPECT_TRUE(modales.empty());
    EXPECT_EQ(pitidos, 0);
    EXPECT_TRUE(Mensajes().isEmpty());
    EXPECT_EQ(LeerBytes(ajustes.carpeta / "Varnel"), "no es una carpeta");
}

// The help window's four texts while it is up; those a label cannot show
// whole, wrapped at its width, go to `cortados`.
QStringList TextosDeAyuda(QPushButton* boton, QStringList& cortados) {
    QStringList textos;
    QTimer::singleShot(0, [&] {
        auto* ayuda = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!ayuda) return;
        for (const char* n : {"LblDescargar2", "lblOzi2", "lblMapsource2", "lblVarnel2"}) {
            const QLabel* l = ayuda->findChild<QLabel*>(n);
            textos << l->text();
            if (l->heightForWidth(l->width()) > l->height()) cortados << n;
        }
        ayuda->hide();
    });
    boton->click();
    return textos;
}

QString ComoSeVe(const std::string& texto) { return QString::fromStdString(texto).replace("\r\n", "\n"); }

TEST_F(DatumQtTest, LaAyudaNombraElDatumElegidoYSeLeeEntera) {
    QStringList cortados;
    ASSERT_EQ(TextosDeAyuda(Boton("cmdAyuda"), cortados).size(), 4);
    QTest::mouseClick(Etrs89(), Qt::LeftButton);
    const QStringList textos = TextosDeAyuda(Boton("cmdAyuda"), cortados);
    EXPECT_TRUE(cortados.isEmpty()) << cortados.join(", ").toStdString();
    ASSERT_EQ(textos.size(), 4);
    EXPECT_EQ(textos[1], ComoSeVe(textos::TextoAyudaOzi(DatumLista::Etrs89)));
    EXPECT_EQ(textos[3], ComoSeVe(textos::TextoAyudaVarnel(DatumLista::Etrs89)));
    EXPECT_TRUE(textos[1].contains("(Datum=WGS 84, Formato=UTM)"));
    EXPECT_TRUE(textos[3].contains("(Datum ETRS89)"));
    EXPECT_TRUE(textos[3].contains("Todos los datos están en Datum ETRS89 y Zona UTM 30T.\n Elija ED50"));
}

// Where the program keeps it when nothing points QSettings elsewhere: the
// user's configuration folder (~/.config unless XDG_CONFIG_HOME says another;
// for these tests it says one of their own).
TEST(AjustesQtTest, EnLaCarpetaDeConfiguracionDelUsuario) {
    const std::filesystem::path fichero =
        std::filesystem::path(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()) / "Varnel" / "varnel.conf";
    ASSERT_FALSE(std::filesystem::exists(fichero));
    {
        FrmVarnel w;
        QTest::mouseClick(w.findChild<QRadioButton*>("OptionETRS89"), Qt::LeftButton);
    }
    const std::vector<std::string> lineas = Lineas(fichero);
    std::filesystem::remove(fichero);
    EXPECT_TRUE(Contiene(lineas, "[General]"));
    EXPECT_TRUE(Contiene(lineas, "datum=ETRS89"));
}

}  // namespace
}  // namespace varnel::prueba
