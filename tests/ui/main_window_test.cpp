#include <QDir>
#include <QGroupBox>
#include <QLabel>

#include "tests/ui/window_fixture.h"

namespace varnel::prueba {
namespace {

TEST(VentanaInicioTest, EstadoDeDiseno) {
    FrmVarnel w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Traspaso datos entre  SITNA-OziExplorer"));
    EXPECT_EQ(w.size(), QSize(448, 434));
    EXPECT_EQ(w.findChild<ListaCarpetas*>("dirList")->Carpeta(), QDir::currentPath());
    EXPECT_EQ(w.CarpetaIntercambio(), std::filesystem::current_path());
    EXPECT_TRUE(w.findChild<QCheckBox*>("ChkDescargar")->isChecked());
    EXPECT_TRUE(w.findChild<QRadioButton*>("Option1")->isChecked());
    EXPECT_TRUE(w.findChild<QLineEdit*>("txtMensajes")->text().isEmpty());
    EXPECT_TRUE(w.findChild<QPlainTextEdit*>("txtPorta")->toPlainText().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), w.findChild<QWidget*>("cmdSitnaWpOzi"));
    // The drive list shows the drive of the working folder.
    const QString unidad = w.findChild<ListaUnidades*>("DrvList")->Unidad();
    EXPECT_TRUE(QDir::currentPath().startsWith(unidad)) << unidad.toStdString();
    // No button is the window's default.
    for (auto* b : w.findChildren<QPushButton*>()) EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
}

struct CasoControl {
    const char* nombre;
    QRect rect;  // pixels, from the window or the enclosing frame
    const char* texto;
    double puntos;
    bool negrita;
    const char* ayuda;
};

// The designed layout, in pixels at 15 twips each.
// clang-format off
const CasoControl kControles[] = {
    {"cmdSitnaWpOzi", {16, 16, 121, 25}, "&SITNA a Wp Ozi", 8.25, false, "De \"Sitna-Descargar.txt\" a  \"Sitna-OziWp.txt\""},
    {"cmdSitnaTrackOzi", {16, 48, 121, 25}, "S&ITNA a Track Ozi", 8.25, false, "De \"Sitna-Descargar.txt\" a  \"Sitna-OziTrack.txt\""},
    {"cmdWpOziSitna", {16, 88, 121, 25}, "Ozi &Wp a SITNA", 8.25, false, "De \"Sitna-OziWp.txt\"       a '\"Sitna-Descargar.txt\" "},
    {"cmdTrackOziSitna", {16, 120, 121, 25}, " Ozi &Track a SITNA", 8.25, false, "De \"Sitna-OziTrack.txt\"   a '\"Sitna-Descargar.txt\" "},
    {"cmdMapsourceSitna", {16, 152, 121, 25}, "&Mapsource a SITNA", 8.25, false, "De \"Sitna-Mapsource.txt\" a '\"Sitna-Descargar.txt\" "},
    {"mnuCopiar", {32, 392, 33, 33}, "", 8.25, false, "Copiar al Portapapeles"},
    {"mnuPegar", {80, 392, 33, 33}, "", 8.25, false, "Pegar del Portapapeles"},
    {"cmdAyuda", {160, 392, 33, 33}, "", 8.25, false, "Ayuda"},
    {"cmdSalir", {384, 392, 41, 41}, "", 8.25, false, "Salir de la aplicación"},
    {"DrvList", {256, 16, 185, 21}, nullptr, 8.25, false, ""},
    {"dirList", {256, 40, 185, 134}, nullptr, 8.25, false, ""},
    {"txtMensajes", {8, 184, 433, 25}, "", 8.25, false, ""},
    {"txtPorta", {8, 232, 145, 153}, nullptr, 9.75, false, ""},
    {"ChkDescargar", {152, 32, 17, 25}, "", 8.25, false, "Usar Cuadro Descargar en lugar de ficheros"},
    {"Frame1", {160, 232, 153, 89}, "Formato Garmin Waypoints", 8.25, false, ""},
    {"Option1", {8, 24, 113, 17}, "Nombre y Símbolo", 8.25, false, ""},
    {"Option2", {8, 44, 113, 17}, "Sólo Símbolo", 8.25, false, ""},
    {"Option3", {8, 64, 137, 17}, "Símbolo + Comentario", 8.25, false, ""},
    {"Label4", {272, 0, 161, 17}, "Carpeta de Intercambio", 8.25, true, ""},
    {"Label5", {24, 216, 137, 17}, "Cuadro Descargar", 8.25, true, ""},
    {"Label6", {168, 168, 97, 17}, "Mensajes", 8.25, true, ""},
    {"Frame2", {160, 320, 265, 65}, "Enlaces", 8.25, false, ""},
    {"Label1_0", {8, 16, 65, 17}, "e-mail autor:", 8.25, false, ""},
    {"lblLink_0", {72, 16, 137, 17}, "varnel@example.org", 8.25, false, ""},
    {"Label1_1", {32, 40, 41, 17}, "SITNA:", 8.25, false, ""},
    {"lblLink_1", {72, 40, 177, 17}, "https://idena.navarra.es/navegar/", 8.25, false, ""},
    {"Frame3", {8, 0, 225, 81}, "Usar Cuadro Descargar en lugar de ficheros", 8.25, false, ""},
};
// clang-format on

void PrintTo(const CasoControl& c, std::ostream* os) { *os << c.nombre; }

class DisenoTest : public VentanaTest, public ::testing::WithParamInterface<CasoControl> {};

QString TextoDe(QWidget* c) {
    if (auto* b = qobject_cast<QAbstractButton*>(c)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(c)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(c)) return g->title();
    if (auto* e = qobject_cast<QLineEdit*>(c)) return e->text();
    return {};
}

TEST_P(DisenoTest, PosicionTextoFuenteYAyuda) {
    const auto& c = GetParam();
    QWidget* control = Control(c.nombre);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), c.rect);
    if (c.texto) {
        EXPECT_EQ(TextoDe(control), QString::fromUtf8(c.texto));
    }
    EXPECT_DOUBLE_EQ(control->font().pointSizeF(), c.puntos);
    EXPECT_EQ(control->font().bold(), c.negrita);
    EXPECT_EQ(control->toolTip(), QString::fromUtf8(c.ayuda));
    // Every text fits its control.
    if (auto* l = qobject_cast<QLabel*>(control)) {
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width()) << c.nombre;
    }
    if (auto* b = qobject_cast<QAbstractButton*>(control); b && !b->text().isEmpty()) {
        EXPECT_LE(b->sizeHint().width(), b->width() + 8) << c.nombre;
    }
}

INSTANTIATE_TEST_SUITE_P(Controles, DisenoTest, ::testing::ValuesIn(kControles),
                         [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(VentanaTest, FuentesConSusSustitutasLibres) {
    const auto familia = [this](const char* n) { return Control(n)->font().family(); };
    EXPECT_TRUE(familia("txtPorta") == "Courier New" || familia("txtPorta") == "Liberation Mono");
    EXPECT_TRUE(familia("dirList") == "Arial" || familia("dirList") == "Liberation Sans");
    EXPECT_TRUE(familia("Label4") == "MS Sans Serif" || familia("Label4") == "Liberation Sans");
    const QPalette p = Control("lblLink_0")->palette();
    EXPECT_EQ(p.color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(Control("lblLink_1")->font().underline());
}

TEST_F(VentanaTest, CuadroSoloConBarraVerticalYTabSale) {
    EXPECT_EQ(Porta()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_NE(Porta()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(Porta()->tabChangesFocus());
    EXPECT_TRUE(Control<QLineEdit>("txtMensajes")->isReadOnly());
}

TEST_F(VentanaTest, ElMarcoQuedaDetrasDeLosBotones) {
    const auto hijos = w.children();
    const auto pos = [&](const char* n) { return hijos.indexOf(Control(n)); };
    EXPECT_LT(pos("Frame3"), pos("cmdSitnaWpOzi"));
    EXPECT_LT(pos("Frame3"), pos("cmdSitnaTrackOzi"));
    EXPECT_LT(pos("Frame3"), pos("ChkDescargar"));
    EXPECT_EQ(Control("cmdSitnaWpOzi")->parentWidget(), &w);
}

std::vector<std::string> RecorridoTab(QWidget* desde, int pasos, Qt::Key tecla = Qt::Key_Tab) {
    std::vector<std::string> nombres;
    desde->setFocus(Qt::OtherFocusReason);
    for (int i = 0; i < pasos; ++i) {
        QTest::keyClick(QApplication::focusWidget(), tecla,
                        tecla == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        nombres.push_back(QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "");
    }
    return nombres;
}

TEST_F(VentanaTest, OrdenDeTabulacionCompleto) {
    // clang-format off
    const std::vector<std::string> esperado = {
        "cmdSitnaTrackOzi", "cmdWpOziSitna", "cmdTrackOziSitna", "cmdMapsourceSitna", "mnuCopiar", "mnuPegar",
        "cmdAyuda", "cmdSalir", "DrvList", "dirList", "txtMensajes", "txtPorta", "ChkDescargar", "Option1",
        "cmdSitnaWpOzi"};
    // clang-format on
    EXPECT_EQ(RecorridoTab(Control("cmdSitnaWpOzi"), 15), esperado);

    // The option group is one stop, on the selected option; Shift+Tab goes back.
    Control<QRadioButton>("Option3")->setChecked(true);
    const auto atras = RecorridoTab(Control("cmdSitnaWpOzi"), 2, Qt::Key_Backtab);
    EXPECT_EQ(atras, (std::vector<std::string>{"Option3", "ChkDescargar"}));
}

TEST_F(VentanaTest, FlechasCambianLaOpcion) {
    auto* o1 = Control<QRadioButton>("Option1");
    o1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(o1, Qt::Key_Down);
    EXPECT_TRUE(Control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(w.OpcionSeleccionada(), OpcionGarmin::Option2);
}

struct CasoTecla {
    Qt::Key tecla;
    const char* boton;
    const char* prefijo;  // start of the message the run leaves
};

void PrintTo(const CasoTecla& c, std::ostream* os) { *os << c.boton; }

class TeclasTest : public VentanaTest, public ::testing::WithParamInterface<CasoTecla> {};

TEST_P(TeclasTest, AltYLaLetraPulsaElBotonYLeDaElFoco) {
    Control("txtPorta")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), GetParam().tecla, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), Control(GetParam().boton));
    EXPECT_TRUE(Mensajes().startsWith(QString::fromUtf8(GetParam().prefijo))) << Mensajes().toStdString();
}

TEST_P(TeclasTest, IntroYEspacioPulsanElBotonConFoco) {
    for (Qt::Key tecla : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        Control<QLineEdit>("txtMensajes")->clear();
        Boton(GetParam().boton)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(Boton(GetParam().boton), tecla);
        EXPECT_TRUE(Mensajes().startsWith(QString::fromUtf8(GetParam().prefijo))) << tecla;
    }
}

INSTANTIATE_TEST_SUITE_P(Botones, TeclasTest,
                         ::testing::Values(CasoTecla{Qt::Key_S, "cmdSitnaWpOzi", "Generados 0 Waypoints en "},
                                           CasoTecla{Qt::Key_I, "cmdSitnaTrackOzi", "Generados 0 Puntos de Track en "},
                                           CasoTecla{Qt::Key_W, "cmdWpOziSitna", "Error:53 "},
                                           CasoTecla{Qt::Key_T, "cmdTrackOziSitna", "Error:53 "},
                                           CasoTecla{Qt::Key_M, "cmdMapsourceSitna", "Error:53 "}),
                         [](const auto& info) { return std::string(info.param.boton); });

TEST_F(VentanaTest, RedimensionarNoMueveNada) {
    const QRect antes = Control("cmdSalir")->geometry();
    w.resize(900, 700);
    w.showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(Control("cmdSalir")->geometry(), antes);
    EXPECT_EQ(Control("txtPorta")->geometry(), QRect(8, 232, 145, 153));
}

}  // namespace
}  // namespace varnel::prueba
