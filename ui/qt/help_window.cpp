#include "ui/qt/help_window.h"

#include <QLabel>
#include <QPushButton>

#include "ui/forms/help_form.h"
#include "ui/qt/artwork.h"
#include "ui/qt/fonts.h"
#include "ui/qt/placement.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/twips.h"
#include "ui/qt/window_centring.h"

namespace varnel {
namespace {

// A help text: wrapped at word boundaries, on the tooltip colour, thin border.
QLabel* Texto(QWidget* padre, const char* nombre, QRect r, const QFont& fuente) {
    auto* l = Etiqueta(padre, nombre, QString(), r, fuente);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setFrameShape(QFrame::Box);
    l->setLineWidth(1);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
    l->setPalette(p);
    return l;
}

// The help texts hold CR LF between pieces; a label breaks lines at '\n'.
QString ConSaltos(const std::string& t) { return Q(t).replace(QLatin1String("\r\n"), QLatin1String("\n")); }

}  // namespace

FrmAyuda::FrmAyuda(QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    using formularios::kAyuda;
    using formularios::Tipo;
    setObjectName(Q(kAyuda.nombre));
    setWindowTitle(Q(kAyuda.titulo));
    setWindowIcon(Dibujo(Q(kAyuda.icono)));
    setFont(Fuente(kAyuda.fuente));
    setFixedSize(RectTwips(0, 0, kAyuda.anchoTwips, kAyuda.altoTwips).size());
    setModal(true);

    for (const formularios::Control& c : formularios::kControlesAyuda) {
        const QString nombre = Q(c.nombre);
        if (c.tipo == Tipo::Boton) {
            OKButton_ =
                Colocar(new QPushButton(Q(c.texto), this), c.nombre.data(), RectTwips(c.rect), Fuente(c.fuente));
            OKButton_->setDefault(true);
            connect(OKButton_, &QPushButton::clicked, this, &QDialog::accept);
        } else if (c.tooltipColor) {
            textos_[nombre] = Texto(this, c.nombre.data(), RectTwips(c.rect), Fuente(c.fuente));
        } else {
            Etiqueta(this, c.nombre.data(), Q(c.texto), RectTwips(c.rect), Fuente(c.fuente));
        }
    }
}

void FrmAyuda::CentrarSobrePadre() {
    const QWidget* principal = parentWidget() ? parentWidget()->window() : nullptr;
    if (!principal) return;
    // Our frame is not known before the first showing: the main window's,
    // from the same window manager, stands in for it.
    const QRect marcoPrincipal = principal->frameGeometry();
    const QRect clientePrincipal = principal->geometry();
    const QSize marco = MargenesMarco(this).isNull() ? size() + (marcoPrincipal.size() - clientePrincipal.size())
                                                     : frameGeometry().size();
    QRect r(QPoint(0, 0), marco);
    r.moveCenter(marcoPrincipal.center());
    move(r.topLeft());
}

void FrmAyuda::Mostrar() {
    // Set, never appended: every showing gets the same texts.
    textos_.value(QStringLiteral("LblDescargar2"))->setText(ConSaltos(textos::TextoAyudaDescargar()));
    textos_.value(QStringLiteral("lblOzi2"))->setText(ConSaltos(textos::TextoAyudaOzi()));
    textos_.value(QStringLiteral("lblMapsource2"))->setText(ConSaltos(textos::TextoAyudaMapsource()));
    textos_.value(QStringLiteral("lblVarnel2"))->setText(ConSaltos(textos::TextoAyudaVarnel()));
    OKButton_->setFocus(Qt::OtherFocusReason);
    CentrarSobrePadre();
    if (!centradaConMarco_) {
        centradaConMarco_ = true;
        CentrarOtraVezConMarco(this, [this] { CentrarSobrePadre(); });
    }
    exec();
}

}  // namespace varnel
