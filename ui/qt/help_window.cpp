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
        const QRect r = RectTwips(c.rect);
        if (c.tipo == Tipo::Boton) {
            auto* b = Colocar(new QPushButton(Q(c.texto), this), c.nombre.data(), r, Fuente(c.fuente));
            b->setDefault(true);
            controles_.push_back(b);
        } else if (c.tooltipColor) {
            controles_.push_back(Texto(this, c.nombre.data(), r, Fuente(c.fuente)));
        } else {
            controles_.push_back(Etiqueta(this, c.nombre.data(), Q(c.texto), r, Fuente(c.fuente)));
        }
    }
}

QWidget* FrmAyuda::Control(std::string_view nombre) const {
    const int i = formularios::Indice(formularios::kControlesAyuda, nombre);
    return i < 0 ? nullptr : controles_[static_cast<std::size_t>(i)];
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

void FrmAyuda::Mostrar(QWidget* foco) {
    if (foco) foco->setFocus(Qt::OtherFocusReason);
    CentrarSobrePadre();
    if (!centradaConMarco_) {
        centradaConMarco_ = true;
        CentrarOtraVezConMarco(this, [this] { CentrarSobrePadre(); });
    }
    exec();
}

}  // namespace varnel
