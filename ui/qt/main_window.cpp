#include "ui/qt/main_window.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBlock>
#include <QUrl>

#include "ui/forms/help_form.h"
#include "ui/forms/main_form.h"
#include "ui/logic/tab_order.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/artwork.h"
#include "ui/qt/box_menu.h"
#include "ui/qt/drawing_window.h"
#include "ui/qt/drive_list.h"
#include "ui/qt/folder_list.h"
#include "ui/qt/fonts.h"
#include "ui/qt/group_frame.h"
#include "ui/qt/help_window.h"
#include "ui/qt/link_label.h"
#include "ui/qt/placement.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/save_dialog.h"
#include "ui/qt/twips.h"
#include "ui/qt/varnel_button.h"
#include "ui/qt/window_centring.h"

namespace varnel {
namespace {

using formularios::kControlesPrincipal;

// One control of the description as its Qt widget, placed, with its text,
// font and tooltip.
QWidget* Crear(const formularios::Control& c, QWidget* padre) {
    using formularios::Tipo;
    const QString texto = Q(c.texto);
    QWidget* w = nullptr;
    switch (c.tipo) {
    case Tipo::Boton: w = new BotonVarnel(texto, padre); break;
    case Tipo::BotonDibujo: {
        auto* b = new BotonVarnel(padre);
        b->setIcon(Dibujo(Q(c.dibujo)));
        b->setIconSize(QSize(c.ladoDibujo, c.ladoDibujo));
        b->setAccessibleName(Q(c.ayuda));
        w = b;
        break;
    }
    case Tipo::Etiqueta: return Etiqueta(padre, c.nombre.data(), texto, RectTwips(c.rect), Fuente(c.fuente));
    case Tipo::Enlace: w = new EtiquetaEnlace(texto, padre); break;
    case Tipo::Marco: w = new MarcoVarnel(texto, padre); break;
    case Tipo::Casilla: {
        auto* b = new QCheckBox(texto, padre);
        b->setAccessibleName(Q(c.ayuda));
        w = b;
        break;
    }
    case Tipo::Opcion: w = new QRadioButton(texto, padre); break;
    case Tipo::TextoLinea: {
        auto* e = new QLineEdit(padre);
        e->setReadOnly(c.soloLectura);
        w = e;
        break;
    }
    case Tipo::TextoVarias: {
        auto* e = new QPlainTextEdit(padre);
        e->setReadOnly(c.soloLectura);
        e->setTabChangesFocus(c.tabSale);
        e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        w = e;
        break;
    }
    case Tipo::ListaUnidades: w = new ListaUnidades(padre); break;
    case Tipo::ListaCarpetas: w = new ListaCarpetas(padre); break;
    }
    Colocar(w, c.nombre.data(), RectTwips(c.rect), Fuente(c.fuente));
    if (!c.ayuda.empty()) w->setToolTip(Q(c.ayuda));
    if (!c.nombreAccesible.empty()) w->setAccessibleName(Q(c.nombreAccesible));
    return w;
}

// The logic's texts hold CR LF between lines; the widgets hold '\n'.
QString ConSaltos(const std::string& t) {
    QString q = Q(t);
    q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return q;
}

std::string ConCrLf(QString t) {
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return t.toStdString();
}

}  // namespace

FrmVarnel::FrmVarnel(QWidget* padre) : QWidget(padre) {
    InstalarAccesibilidad();
    const formularios::Ventana& v = formularios::kPrincipal;
    setObjectName(Q(v.nombre));
    setWindowTitle(Q(v.titulo));
    setWindowIcon(Dibujo(Q(v.icono)));
    setFont(Fuente(v.fuente));
    resize(RectTwips(0, 0, v.anchoTwips, v.altoTwips).size());

    mostrarMensaje_ = [this](const QString& texto) {
        QMessageBox caja(QMessageBox::NoIcon, Q(textos::kTituloPrograma), texto, QMessageBox::Ok, this);
        caja.button(QMessageBox::Ok)->setIcon(QIcon());  // some styles put a tick on it
        caja.exec();
    };
    pitido_ = [] { QApplication::beep(); };
    abrirEnlace_ = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    pedirRuta_ = [this](const logica::DialogoGuardado& d) { return PedirRutaGuardadoQt(this, d); };

    CrearControles();
    OrdenTabulacion();
    Conectar();
    auto* porta = findChild<QPlainTextEdit*>(QStringLiteral("txtPorta"));
    PrepararMenuCuadro(
        porta, [this](FormatoTraza formato) { logica_.GuardarComo(formato); }, [this] { VerDibujo(); });
    // The drawing follows every change of the box: typing, a paste, a run, a drop.
    connect(porta, &QPlainTextEdit::textChanged, this, [this] {
        if (frmDibujo_) frmDibujo_->CajaCambiada();
    });
    auto* atajo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this);
    atajo->setContext(Qt::WindowShortcut);
    connect(atajo, &QShortcut::activated, this, [this] { VerDibujo(); });
    // A file dropped on a text box is a file to convert, not text to insert:
    // the window sees those drags first.
    setAcceptDrops(true);
    for (QWidget* hijo : findChildren<QWidget*>())
        if (hijo->acceptDrops()) hijo->installEventFilter(this);
    logica_.Iniciar();
}

FrmVarnel::~FrmVarnel() = default;

FrmAyuda* FrmVarnel::Ayuda() const { return frmAyuda_.data(); }

FrmDibujo* FrmVarnel::VentanaDibujo() const { return frmDibujo_.data(); }

FrmDibujo* FrmVarnel::VerDibujo() {
    if (logica_.AyudaAbierta()) return frmDibujo_.data();
    if (!frmDibujo_) {
        frmDibujo_ = new FrmDibujo(this, ajustes_,
                                   {.texto = [this] { return logica_.TextoPorta(); },
                                    .datum = [this] { return logica_.DatumSitna(); },
                                    .seleccionarLinea = [this](std::int64_t l) { SeleccionarLineaPorta(l); },
                                    .carpeta = [this] { return logica_.CarpetaIntercambio(); },
                                    .pedirRuta = [this](const logica::DialogoGuardado& d) { return pedirRuta_(d); }});
    }
    frmDibujo_->Mostrar();
    return frmDibujo_.data();
}

void FrmVarnel::SeleccionarLineaPorta(std::int64_t linea) {
    auto* porta = static_cast<QPlainTextEdit*>(Control("txtPorta"));
    const QTextBlock bloque = porta->document()->findBlockByNumber(static_cast<int>(linea - 1));
    if (!bloque.isValid()) return;
    QTextCursor cursor(bloque);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    porta->setTextCursor(cursor);
    porta->ensureCursorVisible();
}

void FrmVarnel::CrearControles() {
    // In the description's order, back to front: Frame3 lies behind the two
    // buttons and the check box it frames.
    for (const formularios::Control& c : kControlesPrincipal) {
        QWidget* padre = c.marco.empty() ? this : findChild<QWidget*>(Q(c.marco));
        controles_.push_back(Crear(c, padre));
    }
    DrvList_ = findChild<ListaUnidades*>();
    dirList_ = findChild<ListaCarpetas*>();
    // The working folder, even one that cannot be listed; the drive list follows.
    dirList_->PonerCarpetaInicial(QDir::currentPath());
    DrvList_->MostrarUnidadDe(dirList_->Carpeta());
}

void FrmVarnel::OrdenTabulacion() {
    const std::vector<logica::NombreControl> orden = logica::OrdenTab(kControlesPrincipal);
    for (std::size_t i = 0; i + 1 < orden.size(); ++i) setTabOrder(Control(orden[i]), Control(orden[i + 1]));
}

void FrmVarnel::Conectar() {
    for (std::size_t i = 0; i < kControlesPrincipal.size(); ++i) {
        const std::string_view nombre = kControlesPrincipal[i].nombre;
        QWidget* w = controles_[i];
        switch (kControlesPrincipal[i].tipo) {
        case formularios::Tipo::Boton:
        case formularios::Tipo::BotonDibujo:
            connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this,
                    [this, nombre] { logica_.Pulsado(nombre); });
            break;
        case formularios::Tipo::Enlace:
            connect(static_cast<EtiquetaEnlace*>(w), &EtiquetaEnlace::pulsada, this,
                    [this, nombre] { logica_.Pulsado(nombre); });
            break;
        case formularios::Tipo::Opcion:
            // Selected by a click, an arrow key or the program alike.
            connect(static_cast<QRadioButton*>(w), &QRadioButton::toggled, this, [this, nombre](bool marcada) {
                if (!marcada) return;
                logica_.Pulsado(nombre);
                if (frmDibujo_) frmDibujo_->CajaCambiada();  // its summary names the datum
            });
            break;
        case formularios::Tipo::ListaCarpetas: {
            auto* lista = static_cast<ListaCarpetas*>(w);
            connect(lista, &ListaCarpetas::focoPerdido, this, [this, nombre] { logica_.FocoPerdido(nombre); });
            connect(lista, &ListaCarpetas::activada, this, [this, nombre] { logica_.Activado(nombre); });
            connect(lista, &ListaCarpetas::carpetaCambiada, this, [this] { logica_.CarpetaCambiada(); });
            break;
        }
        case formularios::Tipo::ListaUnidades:
            connect(static_cast<ListaUnidades*>(w), &ListaUnidades::unidadElegida, this,
                    [this](const QString& raiz) { logica_.UnidadElegida(RutaDe(raiz)); });
            break;
        default: break;
        }
    }
}

QWidget* FrmVarnel::Control(std::string_view nombre) const {
    const int i = formularios::Indice(kControlesPrincipal, nombre);
    if (i >= 0) return controles_[static_cast<std::size_t>(i)];
    return frmAyuda_ ? frmAyuda_->Control(nombre) : nullptr;
}

void FrmVarnel::CentrarEnPantalla() {
    const QScreen* pantalla = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!pantalla) return;
    // The whole window, title bar included; move() places the frame's corner.
    QRect r(QPoint(0, 0), size().grownBy(MargenesMarco(this)));
    r.moveCenter(pantalla->availableGeometry().center());
    move(r.topLeft());
}

void FrmVarnel::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (centradoTrasMarco_) return;
    centradoTrasMarco_ = true;
    CentrarOtraVezConMarco(this, [this] { CentrarEnPantalla(); });
}

namespace {

// The local files a drag carries, in its order; none when it carries anything else.
std::vector<std::filesystem::path> FicherosDe(const QMimeData* datos) {
    std::vector<std::filesystem::path> rutas;
    if (!datos || !datos->hasUrls()) return rutas;
    for (const QUrl& url : datos->urls()) {
        if (!url.isLocalFile()) return {};
        rutas.emplace_back(QFile::encodeName(url.toLocalFile()).toStdString());
    }
    return rutas;
}

}  // namespace

void FrmVarnel::dragEnterEvent(QDragEnterEvent* e) {
    if (!FicherosDe(e->mimeData()).empty()) e->acceptProposedAction();
}

void FrmVarnel::dragMoveEvent(QDragMoveEvent* e) {
    if (!FicherosDe(e->mimeData()).empty()) e->acceptProposedAction();
}

void FrmVarnel::dropEvent(QDropEvent* e) {
    auto rutas = FicherosDe(e->mimeData());
    if (rutas.empty()) return;
    e->acceptProposedAction();
    logica_.Soltados(rutas);
}

bool FrmVarnel::eventFilter(QObject* objeto, QEvent* e) {
    switch (e->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* arrastre = static_cast<QDropEvent*>(e);
        if (FicherosDe(arrastre->mimeData()).empty()) break;  // text for the box, as ever
        if (e->type() == QEvent::Drop)
            dropEvent(arrastre);
        else
            arrastre->acceptProposedAction();
        return true;
    }
    default: break;
    }
    return QWidget::eventFilter(objeto, e);
}

void FrmVarnel::closeEvent(QCloseEvent* e) {
    // The close box is the exit button's business; the window closes once
    // the rules end the program.
    if (!terminando_) logica_.Pulsado("cmdSalir");
    if (!terminando_) {
        e->ignore();
        return;
    }
    if (frmAyuda_) frmAyuda_->close();
    if (frmDibujo_) frmDibujo_->close();  // where it stood is kept
    e->accept();
    QCoreApplication::quit();
}

// Controles.

std::string FrmVarnel::Texto(logica::NombreControl control) const {
    const QWidget* w = Control(control);
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) return e->text().toStdString();
    if (const auto* e = qobject_cast<const QPlainTextEdit*>(w)) return ConCrLf(e->toPlainText());
    if (const auto* l = qobject_cast<const QLabel*>(w)) return ConCrLf(l->text());
    return {};
}

void FrmVarnel::PonerTexto(logica::NombreControl control, const std::string& texto) {
    QWidget* w = Control(control);
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(Q(texto));
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) e->setPlainText(ConSaltos(texto));
    if (auto* l = qobject_cast<QLabel*>(w)) l->setText(ConSaltos(texto));
}

void FrmVarnel::Repintar(logica::NombreControl control) {
    QWidget* w = Control(control);
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) w = e->viewport();
    w->repaint();
}

bool FrmVarnel::Marcado(logica::NombreControl control) const {
    const auto* b = qobject_cast<const QAbstractButton*>(Control(control));
    return b && b->isChecked();
}

void FrmVarnel::Marcar(logica::NombreControl control, bool marcado) {
    if (auto* b = qobject_cast<QAbstractButton*>(Control(control))) b->setChecked(marcado);
}

bool FrmVarnel::CabeEntero(logica::NombreControl control) const {
    const auto* e = qobject_cast<const QLineEdit*>(Control(control));
    return !e || e->fontMetrics().horizontalAdvance(e->text()) <= e->contentsRect().width() - 8;
}

void FrmVarnel::PonerAyuda(logica::NombreControl control, const std::string& ayuda) {
    Control(control)->setToolTip(Q(ayuda));
}

int FrmVarnel::InicioSeleccion(logica::NombreControl control) const {
    const QWidget* w = Control(control);
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    if (const auto* e = qobject_cast<const QPlainTextEdit*>(w)) return e->textCursor().selectionStart();
    return 0;
}

void FrmVarnel::Seleccionar(logica::NombreControl control, int inicio, int largo) {
    QWidget* w = Control(control);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        const int n = static_cast<int>(e->text().size());
        const int desde = std::clamp(inicio, 0, n);
        const int hasta = desde + std::clamp(largo, 0, n - desde);
        if (hasta == desde)
            e->setCursorPosition(desde);
        else
            e->setSelection(desde, hasta - desde);
    } else if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        const int n = e->document()->characterCount() - 1;
        const int desde = std::clamp(inicio, 0, n);
        QTextCursor cursor = e->textCursor();
        cursor.setPosition(desde);
        cursor.setPosition(desde + std::clamp(largo, 0, n - desde), QTextCursor::KeepAnchor);
        e->setTextCursor(cursor);
        e->ensureCursorVisible();
    }
}

void FrmVarnel::PonerFoco(logica::NombreControl control) { Control(control)->setFocus(Qt::OtherFocusReason); }

void FrmVarnel::PonerParadaTab(logica::NombreControl control, bool parada) {
    Control(control)->setFocusPolicy(parada ? Qt::StrongFocus : Qt::ClickFocus);
}

std::optional<std::string> FrmVarnel::LeerPortapapeles() {
    // No text on the clipboard reads as the empty text.
    return QGuiApplication::clipboard()->text().toStdString();
}

bool FrmVarnel::PonerPortapapeles(const std::string& texto) {
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
#ifdef Q_OS_WIN
    const QString t = Q(texto);
#else
    const QString t = ConSaltos(texto);  // lines as this desktop's programs write them
#endif
    if (!t.isEmpty()) portapapeles->setText(t);
    return true;
}

void FrmVarnel::Pitido() { pitido_(); }

void FrmVarnel::MensajeModal(const std::string& texto) { mostrarMensaje_(Q(texto)); }

void FrmVarnel::AbrirDireccion(const std::string& direccion) {
    abrirEnlace_(QUrl(Q(direccion)));  // whatever the desktop makes of it, nothing is shown
}

std::optional<std::filesystem::path> FrmVarnel::PedirRutaGuardado(const logica::DialogoGuardado& dialogo) {
    return pedirRuta_(dialogo);
}

std::filesystem::path FrmVarnel::CarpetaActual() const { return RutaDe(dirList_->Carpeta()); }

std::filesystem::path FrmVarnel::CarpetaResaltada() const { return RutaDe(dirList_->Resaltada()); }

bool FrmVarnel::PonerCarpetaActual(const std::filesystem::path& carpeta) {
    return dirList_->PonerCarpeta(QRuta(carpeta));
}

void FrmVarnel::ListarCarpetaOtraVez() { dirList_->ListarOtraVez(); }

void FrmVarnel::MostrarUnidadDe(const std::filesystem::path& carpeta) { DrvList_->MostrarUnidadDe(QRuta(carpeta)); }

void FrmVarnel::CrearVentana(std::string_view ventana) {
    if (ventana != formularios::kAyuda.nombre || frmAyuda_) return;
    frmAyuda_ = new FrmAyuda(this);
    connect(static_cast<QPushButton*>(frmAyuda_->Control("OKButton")), &QPushButton::clicked, this,
            [this] { logica_.Pulsado("OKButton"); });
}

void FrmVarnel::MostrarModal(std::string_view ventana, logica::NombreControl foco) {
    if (ventana == formularios::kAyuda.nombre && frmAyuda_) frmAyuda_->Mostrar(frmAyuda_->Control(foco));
}

void FrmVarnel::Ocultar(std::string_view ventana) {
    if (ventana == formularios::kAyuda.nombre && frmAyuda_) frmAyuda_->accept();
}

void FrmVarnel::TerminarPrograma() {
    // At once, help window included. From inside closeEvent this close()
    // does nothing; the event under way accepts.
    terminando_ = true;
    close();
}

}  // namespace varnel
