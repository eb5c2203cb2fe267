#include "ui/qt/drawing_window.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QWheelEvent>

#include "ui/forms/texts.h"
#include "ui/qt/drawing_painter.h"
#include "ui/qt/qt_text.h"

namespace varnel {
namespace {

constexpr int kEsperaMs = 30;  // a burst of typing is read once

logica::PuntoPx Px(QPointF p) { return {static_cast<float>(p.x()), static_cast<float>(p.y())}; }

std::optional<logica::Tecla> TeclaDe(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Plus: return logica::Tecla::Mas;
    case Qt::Key_Minus: return logica::Tecla::Menos;
    case Qt::Key_0: return logica::Tecla::Cero;
    case Qt::Key_Left: return logica::Tecla::Izquierda;
    case Qt::Key_Right: return logica::Tecla::Derecha;
    case Qt::Key_Up: return logica::Tecla::Arriba;
    case Qt::Key_Down: return logica::Tecla::Abajo;
    case Qt::Key_Escape: return logica::Tecla::Escape;
    default: return std::nullopt;
    }
}

// The drawing area: its events to the logic, the logic's primitives painted.
class AreaDibujo final : public QWidget {
public:
    AreaDibujo(logica::LogicaDibujo& logica, QWidget* padre) : QWidget(padre), logica_(logica) {
        setObjectName(QStringLiteral("lienzo"));
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(160, 120);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PintarDibujo(p, logica_.Dibujo());
    }
    void resizeEvent(QResizeEvent*) override { logica_.Tamano(width(), height()); }
    void wheelEvent(QWheelEvent* e) override {
        if (logica_.Rueda(Px(e->position()), e->angleDelta().y() / 120.0)) update();
        e->accept();
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) logica_.Pulsar(Px(e->position()));
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (logica_.Mover(Px(e->position()), (e->buttons() & Qt::LeftButton) != 0)) update();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && logica_.Soltar(Px(e->position()))) update();
    }
    void mouseDoubleClickEvent(QMouseEvent*) override {
        if (logica_.DobleClic()) update();
    }

private:
    logica::LogicaDibujo& logica_;
};

}  // namespace

FrmDibujo::FrmDibujo(QWidget* propietario, logica::AlmacenAjustes& ajustes, FuentesDibujo fuentes)
    : QWidget(propietario, Qt::Window),
      ajustes_(ajustes),
      fuentes_(std::move(fuentes)),
      logica_(fuentes_.seleccionarLinea) {
    setObjectName(QStringLiteral("frmDibujo"));
    setWindowTitle(Q(textos::kTituloDibujo));
    lienzo_ = new AreaDibujo(logica_, this);
    resumen_ = new QLabel(this);
    resumen_->setObjectName(QStringLiteral("resumen"));
    resumen_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long summary does not hold the window wide: it is cut, whole in its tooltip.
    resumen_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* ajustar = new QPushButton(Q(textos::kAjustar), this);
    ajustar->setObjectName(QStringLiteral("ajustar"));
    auto* guardar = new QPushButton(Q(textos::kGuardarImagen), this);
    guardar->setObjectName(QStringLiteral("guardarImagen"));

    auto* abajo = new QHBoxLayout;
    abajo->addWidget(resumen_, 1);
    abajo->addWidget(ajustar);
    abajo->addWidget(guardar);
    auto* todo = new QVBoxLayout(this);
    todo->setContentsMargins(6, 6, 6, 6);
    todo->addWidget(lienzo_, 1);
    todo->addLayout(abajo);

    connect(ajustar, &QPushButton::clicked, this, [this] {
        logica_.Ajustar();
        lienzo_->update();
    });
    connect(guardar, &QPushButton::clicked, this, [this] {
        const auto ruta = fuentes_.pedirRuta(logica::LogicaDibujo::DialogoImagen(fuentes_.carpeta()));
        if (ruta && !GuardarImagen(*ruta)) resumen_->setText(Q(textos::kImagenNoGuardada));
    });
    espera_.setSingleShot(true);
    espera_.setInterval(kEsperaMs);
    connect(&espera_, &QTimer::timeout, this, [this] { LeerAhora(); });
    resize(640, 480);
}

void FrmDibujo::Mostrar() {
    if (!colocada_) {
        colocada_ = true;
        if (const auto g = logica::LeerGeometria(ajustes_)) setGeometry(g->x, g->y, g->ancho, g->alto);
    }
    LeerAhora();
    show();
    raise();
    activateWindow();
    lienzo_->setFocus(Qt::OtherFocusReason);
}

void FrmDibujo::CajaCambiada() {
    if (isVisible()) espera_.start();
}

void FrmDibujo::LeerAhora() {
    espera_.stop();
    logica_.Leer(fuentes_.texto(), fuentes_.datum());
    Actualizar();
}

void FrmDibujo::Actualizar() {
    const QString resumen = Q(logica_.Resumen());
    resumen_->setText(resumen);
    resumen_->setToolTip(resumen);
    // What a screen reader says of the drawing and of the window.
    lienzo_->setAccessibleName(Q(textos::kTituloDibujo));
    lienzo_->setAccessibleDescription(resumen);
    setAccessibleDescription(resumen);
    lienzo_->update();
}

bool FrmDibujo::GuardarImagen(const std::filesystem::path& ruta) {
    // Written whole or not at all.
    QSaveFile fichero(QRuta(ruta));
    if (!fichero.open(QIODevice::WriteOnly)) return false;
    if (!ImagenDibujo(logica_.Dibujo()).save(&fichero, "PNG")) return false;
    return fichero.commit();
}

void FrmDibujo::hideEvent(QHideEvent* e) {
    const QRect g = geometry();
    logica::GuardarGeometria(ajustes_, {g.x(), g.y(), g.width(), g.height()});
    QWidget::hideEvent(e);
}

void FrmDibujo::keyPressEvent(QKeyEvent* e) {
    const std::optional<logica::Tecla> t = TeclaDe(e);
    if (!t) {
        QWidget::keyPressEvent(e);
        return;
    }
    if (logica_.Pulsada(*t))
        lienzo_->update();
    else
        close();
}

}  // namespace varnel
