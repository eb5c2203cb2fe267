#include <QDir>
#include <QGroupBox>
#include <QLabel>

#include "tests/ui/window_fixture.h"
#include "ui/forms/main_form.h"

namespace varnel::formularios {
void PrintTo(const Control& c, std::ostream* os) { *os << c.nombre; }
}  // namespace varnel::formularios

namespace varnel::prueba {
namespace {

TEST(VentanaInicioTest, EstadoDeDiseno) {
    FrmVarnel w;
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Traspaso datos entre  SITNA-OziExplorer"));
    EXPECT_EQ(w.findChild<ListaCarpetas*>("dirList")->Carpeta(), QDir::currentPath());
    EXPECT_EQ(w.Logica().CarpetaIntercambio(), std::filesystem::current_path());
    EXPECT_TRUE(w.findChild<QCheckBox*>("ChkDescargar")->isChecked());
    EXPECT_TRUE(w.findChild<QRadioButton*>("Option1")->isChecked());
    EXPECT_TRUE(w.findChild<QRadioButton*>("OptionED50")->isChecked());
    EXPECT_FALSE(w.findChild<QRadioButton*>("OptionETRS89")->isChecked());
    EXPECT_TRUE(w.findChild<QLineEdit*>("txtMensajes")->text().isEmpty());
    EXPECT_TRUE(w.findChild<QPlainTextEdit*>("txtPorta")->toPlainText().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), w.findChild<QWidget*>("cmdSitnaWpOzi"));
    // The drive list shows a drive (which one: logica::ElegirUnidad).
    EXPECT_GE(w.findChild<ListaUnidades*>("DrvList")->currentIndex(), 0);
    // No button is the window's default.
    for (auto* b : w.findChildren<QPushButton*>()) EXPECT_FALSE(b->isDefault()) << b->objectName().toStdString();
}

// Every control of the description where it puts it: twips to pixels at 15
// to the pixel, from the window or from the enclosing frame, with its text,
// font and tooltip.
class DisenoTest : public VentanaTest, public ::testing::WithParamInterface<formularios::Control> {};

QString TextoDe(QWidget* c) {
    if (auto* b = qobject_cast<QAbstractButton*>(c)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(c)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(c)) return g->title();
    if (auto* e = qobject_cast<QLineEdit*>(c)) return e->text();
    return {};
}

bool TieneTexto(formularios::Tipo t) {
    using formularios::Tipo;
    return t == Tipo::Boton || t == Tipo::Etiqueta || t == Tipo::Enlace || t == Tipo::Marco || t == Tipo::Opcion;
}

TEST_P(DisenoTest, PosicionTextoFuenteYAyuda) {
    const formularios::Control& c = GetParam();
    QWidget* control = Control(std::string(c.nombre).c_str());
    ASSERT_NE(control, nullptr);
    const formularios::RectTwips& t = c.rect;
    for (int v : {t.izquierda, t.arriba, t.ancho, t.alto}) ASSERT_EQ(v % 15, 0) << "no es un número de píxeles";
    EXPECT_EQ(control->geometry(), QRect(t.izquierda / 15, t.arriba / 15, t.ancho / 15, t.alto / 15));
    EXPECT_EQ(control->parentWidget()->objectName().toStdString(), c.marco.empty() ? "frmVarnel" : c.marco);
    if (TieneTexto(c.tipo)) {
        EXPECT_EQ(TextoDe(control).toStdString(), c.texto);
    }
    EXPECT_DOUBLE_EQ(control->font().pointSizeF(), c.fuente.puntos);
    EXPECT_EQ(control->font().bold(), c.fuente.negrita);
    EXPECT_EQ(control->toolTip().toStdString(), c.tipo == formularios::Tipo::Etiqueta ? "" : c.ayuda);
    // Every text fits its control.
    if (auto* l = qobject_cast<QLabel*>(control)) {
        EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->width());
    }
    if (auto* b = qobject_cast<QAbstractButton*>(control); b && !b->text().isEmpty()) {
        EXPECT_LE(b->sizeHint().width(), b->width() + 8);
    }
}

INSTANTIATE_TEST_SUITE_P(Controles, DisenoTest, ::testing::ValuesIn(formularios::kControlesPrincipal),
                         [](const auto& info) { return std::string(info.param.nombre); });

// A few rectangles as they are at 96 dpi, from the window or their frame.
TEST_F(VentanaTest, AlgunosRectangulosA96Ppp) {
    EXPECT_EQ(w.size(), QSize(448, 434));
    EXPECT_EQ(Control("cmdSitnaWpOzi")->geometry(), QRect(16, 16, 121, 25));
    EXPECT_EQ(Control("cmdSalir")->geometry(), QRect(384, 392, 41, 41));
    EXPECT_EQ(Control("txtPorta")->geometry(), QRect(8, 232, 145, 153));
    EXPECT_EQ(Control("Option3")->geometry(), QRect(8, 64, 137, 17));
    EXPECT_EQ(Control("Frame4")->geometry(), QRect(320, 232, 121, 81));
    EXPECT_EQ(Control("OptionETRS89")->geometry(), QRect(8, 44, 97, 17));
    EXPECT_EQ(Control("lblLink_1")->geometry(), QRect(72, 40, 177, 17));
}

TEST_F(VentanaTest, FuentesConSusSustitutasLibres) {
    const auto familia = [this](const char* n) { return Control(n)->font().family(); };
    EXPECT_TRUE(familia("txtPorta") == "Courier New" || familia("txtPorta") == "Liberation Mono");
    EXPECT_TRUE(familia("dirList") == "Arial" || familia("dirList") == "Liberation Sans");
    EXPECT_TRUE(familia("Label4") == "MS Sans Serif" || familia("Label4") == "Liberation Sans");
    const QPalette p = Control("lblLink_0")->palette();
    EXPECT_EQ(p.color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(Control("lblLink_1")->font().underline());
}

// Read-only and Tab-leaves come from the description.
TEST_F(VentanaTest, CuadroSoloConBarraVerticalYTabSale) {
    EXPECT_EQ(Porta()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_NE(Porta()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    Porta()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Porta(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Control("ChkDescargar"));
    EXPECT_TRUE(Porta()->toPlainText().isEmpty());
    auto* mensajes = Control<QLineEdit>("txtMensajes");
    mensajes->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(mensajes, "x");
    EXPECT_TRUE(mensajes->text().isEmpty());
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
        "OptionED50", "cmdSitnaWpOzi"};
    // clang-format on
    EXPECT_EQ(RecorridoTab(Control("cmdSitnaWpOzi"), 16), esperado);

    // Each option group is one stop, on its selected option; Shift+Tab goes back.
    Control<QRadioButton>("Option3")->setChecked(true);
    Control<QRadioButton>("OptionETRS89")->setChecked(true);
    const auto atras = RecorridoTab(Control("cmdSitnaWpOzi"), 3, Qt::Key_Backtab);
    EXPECT_EQ(atras, (std::vector<std::string>{"OptionETRS89", "Option3", "ChkDescargar"}));
}

TEST_F(VentanaTest, FlechasCambianLaOpcion) {
    auto* o1 = Control<QRadioButton>("Option1");
    o1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(o1, Qt::Key_Down);
    EXPECT_TRUE(Control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(w.Logica().OpcionSeleccionada(), OpcionGarmin::Option2);
    // The datum's options are a group of their own.
    EXPECT_TRUE(Control<QRadioButton>("OptionED50")->isChecked());
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
