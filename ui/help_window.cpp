#include "help_window.h"

#include <QLabel>
#include <QPushButton>

#include "artwork.h"
#include "fonts.h"
#include "placement.h"
#include "texts.h"
#include "twips.h"
#include "window_centring.h"

namespace varnel {
namespace {

// A help text: wrapped at word boundaries, on the tooltip colour, thin border.
QLabel* Texto(QWidget* padre, const char* nombre, QRect r) {
    auto* l = Etiqueta(padre, nombre, QString(), r, Fuente(QStringLiteral("MS Sans Serif"), 9.75));
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
QString ConSaltos(QString t) { return t.replace(QLatin1String("\r\n"), QLatin1String("\n")); }

}  // namespace

FrmAyuda::FrmAyuda(QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmAyuda"));
    setWindowTitle(textos::kTituloAyuda);
    setWindowIcon(Dibujo(QStringLiteral("globe")));
    setFont(FuenteNormal());
    setFixedSize(RectTwips(0, 0, 11175, 8430).size());
    setModal(true);

    OKButton_ = new QPushButton(textos::kAceptar, this);
    OKButton_->setObjectName(QStringLiteral("OKButton"));
    OKButton_->setGeometry(RectTwips(5040, 7920, 1215, 375));
    OKButton_->setFont(FuenteNormal());
    OKButton_->setDefault(true);
    connect(OKButton_, &QPushButton::clicked, this, &QDialog::accept);

    Etiqueta(this, "lblVarnel", textos::kProgramaVersion, RectTwips(1920, 120, 2415, 255), FuenteNegrita());
    lblMapsource2_ = Texto(this, "lblMapsource2", RectTwips(240, 6840, 10680, 915));
    Etiqueta(this, "lblMapsource", textos::kCabeceraMapsource, RectTwips(240, 6600, 1935, 255), FuenteNegrita());
    lblOzi2_ = Texto(this, "lblOzi2", RectTwips(240, 5160, 10680, 1275));
    Etiqueta(this, "lblOzi", textos::kCabeceraOzi, RectTwips(240, 4920, 6015, 255), FuenteNegrita());
    Etiqueta(this, "Lbldescargar1", textos::kCabeceraDescargar, RectTwips(240, 3000, 1695, 255), FuenteNegrita());
    lblVarnel2_ = Texto(this, "lblVarnel2", RectTwips(240, 480, 10695, 2415));
    LblDescargar2_ = Texto(this, "LblDescargar2", RectTwips(240, 3240, 10680, 1515));
    Etiqueta(this, "Label1", textos::kCreditoAutor, RectTwips(4440, 120, 2655, 255), FuenteNormal());
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
    LblDescargar2_->setText(ConSaltos(textos::TextoAyudaDescargar()));
    lblOzi2_->setText(ConSaltos(textos::TextoAyudaOzi()));
    lblMapsource2_->setText(ConSaltos(textos::TextoAyudaMapsource()));
    lblVarnel2_->setText(ConSaltos(textos::TextoAyudaVarnel()));
    OKButton_->setFocus(Qt::OtherFocusReason);
    CentrarSobrePadre();
    if (!centradaConMarco_) {
        centradaConMarco_ = true;
        CentrarOtraVezConMarco(this, [this] { CentrarSobrePadre(); });
    }
    exec();
}

}  // namespace varnel
