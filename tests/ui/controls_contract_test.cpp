// The Qt window keeps the contract of Controles.
#include <QLineEdit>
#include <QPlainTextEdit>

#include "tests/contract/controls_contract.h"
#include "tests/ui/window_fixture.h"
#include "ui/qt/qt_text.h"

namespace varnel::prueba {
namespace {

struct BancoQt {
    BancoQt() {
        w.PonerMostrarMensaje([](const QString&) {});
        w.PonerPitido([] {});
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    logica::Controles& Controles() { return w; }
    std::filesystem::path Legible() const { return dir.Ruta(); }
    int LargoSeleccion(logica::NombreControl c) const {
        QWidget* control = Control(c);
        if (auto* e = qobject_cast<QLineEdit*>(control)) return e->hasSelectedText() ? e->selectionLength() : 0;
        const QTextCursor cursor = static_cast<QPlainTextEdit*>(control)->textCursor();
        return cursor.selectionEnd() - cursor.selectionStart();
    }
    bool ParadaTab(logica::NombreControl c) const { return Control(c)->focusPolicy() & Qt::TabFocus; }
    std::string Ayuda(logica::NombreControl c) const { return Control(c)->toolTip().toStdString(); }

    QWidget* Control(logica::NombreControl c) const { return w.findChild<QWidget*>(Q(c)); }

    AjustesDePrueba ajustes;  // before the window, which reads them
    CarpetaTemporal dir;
    FrmVarnel w;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, ContratoControles, BancoQt);

}  // namespace varnel::prueba
