#include "ui/qt/main_window.h"

#include <algorithm>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>

#include "ui/forms/main_form.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/artwork.h"
#include "ui/qt/drive_list.h"
#include "ui/qt/folder_list.h"
#include "ui/qt/fonts.h"
#include "ui/qt/group_frame.h"
#include "ui/qt/help_window.h"
#include "ui/qt/link_label.h"
#include "ui/qt/placement.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/twips.h"
#include "ui/qt/varnel_button.h"
#include "ui/qt/window_centring.h"

namespace varnel {
namespace {

// One control of the description as its Qt widget, placed, with its text,
// font and tooltip; behaviour is wired afterwards.
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
    case Tipo::TextoLinea: w = new QLineEdit(padre); break;
    case Tipo::TextoVarias: w = new QPlainTextEdit(padre); break;
    case Tipo::ListaUnidades: w = new ListaUnidades(padre); break;
    case Tipo::ListaCarpetas: w = new ListaCarpetas(padre); break;
    }
    QFont fuente = Fuente(c.fuente);
    Colocar(w, c.nombre.data(), RectTwips(c.rect), fuente);
    if (!c.ayuda.empty()) w->setToolTip(Q(c.ayuda));
    return w;
}

// The box holds CR LF between lines for the engine; the widget holds '\n'.
QString ALineasDelCuadro(QString t) {
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
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

    CrearControles();
    OrdenTabulacion();
    Conectar();
    cmdSitnaWpOzi_->setFocus(Qt::OtherFocusReason);
}

FrmVarnel::~FrmVarnel() = default;

FrmAyuda* FrmVarnel::Ayuda() const { return frmAyuda_.data(); }

void FrmVarnel::CrearControles() {
    // In the description's order, back to front: Frame3 lies behind the two
    // buttons and the check box it frames.
    for (const formularios::Control& c : formularios::kControlesPrincipal) {
        QWidget* padre = c.marco.empty() ? this : findChild<QWidget*>(Q(c.marco));
        controles_.push_back(Crear(c, padre));
    }
    cmdSitnaWpOzi_ = Hijo<BotonVarnel>("cmdSitnaWpOzi");
    cmdSitnaTrackOzi_ = Hijo<BotonVarnel>("cmdSitnaTrackOzi");
    cmdWpOziSitna_ = Hijo<BotonVarnel>("cmdWpOziSitna");
    cmdTrackOziSitna_ = Hijo<BotonVarnel>("cmdTrackOziSitna");
    cmdMapsourceSitna_ = Hijo<BotonVarnel>("cmdMapsourceSitna");
    mnuCopiar_ = Hijo<BotonVarnel>("mnuCopiar");
    mnuPegar_ = Hijo<BotonVarnel>("mnuPegar");
    cmdAyuda_ = Hijo<BotonVarnel>("cmdAyuda");
    cmdSalir_ = Hijo<BotonVarnel>("cmdSalir");
    DrvList_ = Hijo<ListaUnidades>("DrvList");
    dirList_ = Hijo<ListaCarpetas>("dirList");
    txtMensajes_ = Hijo<QLineEdit>("txtMensajes");
    txtPorta_ = Hijo<QPlainTextEdit>("txtPorta");
    ChkDescargar_ = Hijo<QCheckBox>("ChkDescargar");
    Option1_ = Hijo<QRadioButton>("Option1");
    Option2_ = Hijo<QRadioButton>("Option2");
    Option3_ = Hijo<QRadioButton>("Option3");
    Frame1_ = Hijo<QGroupBox>("Frame1");
    Frame2_ = Hijo<QGroupBox>("Frame2");
    Frame3_ = Hijo<QGroupBox>("Frame3");
    lblLink_ = {Hijo<EtiquetaEnlace>("lblLink_0"), Hijo<EtiquetaEnlace>("lblLink_1")};

    dirList_->setAccessibleName(Q(textos::kCarpetaIntercambio));
    DrvList_->setAccessibleName(Q(textos::kUnidad));
    dirList_->PonerCarpetaInicial(QDir::currentPath());
    DrvList_->MostrarUnidadDe(dirList_->Carpeta());

    txtMensajes_->setReadOnly(true);
    txtMensajes_->setAccessibleName(Q(textos::kMensajes));
    txtPorta_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtPorta_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtPorta_->setTabChangesFocus(true);
    txtPorta_->setAccessibleName(Q(textos::kCuadroDescargar));
    ChkDescargar_->setChecked(true);
    Option1_->setChecked(true);
}

void FrmVarnel::OrdenTabulacion() {
    // The description's tab indexes; labels, frames and links take no focus,
    // and the option group is one stop, on the selected option (Conectar).
    std::vector<std::pair<int, QWidget*>> orden;
    for (std::size_t i = 0; i < formularios::kControlesPrincipal.size(); ++i) {
        const int indice = formularios::kControlesPrincipal[i].indiceTab;
        if (indice >= 0) orden.emplace_back(indice, controles_[i]);
    }
    std::sort(orden.begin(), orden.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i + 1 < orden.size(); ++i) setTabOrder(orden[i].second, orden[i + 1].second);
}

void FrmVarnel::Conectar() {
    connect(cmdSitnaWpOzi_, &QPushButton::clicked, this, [this] { motor_.cmdSitnaWpOzi(); });
    connect(cmdSitnaTrackOzi_, &QPushButton::clicked, this, [this] { motor_.cmdSitnaTrackOzi(); });
    connect(cmdWpOziSitna_, &QPushButton::clicked, this, [this] { motor_.cmdWpOziSitna(); });
    connect(cmdTrackOziSitna_, &QPushButton::clicked, this, [this] { motor_.cmdTrackOziSitna(); });
    connect(cmdMapsourceSitna_, &QPushButton::clicked, this, [this] { motor_.cmdMapsourceSitna(); });
    connect(mnuCopiar_, &QPushButton::clicked, this, &FrmVarnel::Copiar);
    connect(mnuPegar_, &QPushButton::clicked, this, &FrmVarnel::Pegar);
    connect(cmdAyuda_, &QPushButton::clicked, this, &FrmVarnel::MostrarAyuda);
    connect(cmdSalir_, &QPushButton::clicked, this, &FrmVarnel::Salir);
    connect(DrvList_, &ListaUnidades::unidadElegida, this, &FrmVarnel::CambiarUnidad);
    connect(dirList_, &ListaCarpetas::carpetaCambiada, DrvList_, &ListaUnidades::MostrarUnidadDe);
    // The option group is one Tab stop, on the selected option, however it got selected.
    for (QRadioButton* opcion : {Option1_, Option2_, Option3_}) {
        connect(opcion, &QRadioButton::toggled, this,
                [opcion](bool marcada) { opcion->setFocusPolicy(marcada ? Qt::StrongFocus : Qt::ClickFocus); });
        opcion->setFocusPolicy(opcion->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
    connect(lblLink_[0], &EtiquetaEnlace::pulsada, this, [this] { AbrirEnlace(0); });
    connect(lblLink_[1], &EtiquetaEnlace::pulsada, this, [this] { AbrirEnlace(1); });
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

void FrmVarnel::CambiarUnidad(const QString& raiz) {
    // A drive that cannot be read: back to the drive of the folder still shown, silently.
    if (!dirList_->PonerCarpeta(raiz)) DrvList_->MostrarUnidadDe(dirList_->Carpeta());
}

void FrmVarnel::Copiar() {
    txtMensajes_->setCursorPosition(static_cast<int>(std::min<qsizetype>(9999, txtMensajes_->text().size())));
    QTextCursor cursor = txtPorta_->textCursor();
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    txtPorta_->setTextCursor(cursor);

    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    QString texto = txtPorta_->toPlainText();
#ifdef Q_OS_WIN
    texto.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
#endif
    if (!texto.isEmpty()) portapapeles->setText(texto);
}

void FrmVarnel::Pegar() {
    txtPorta_->clear();
    txtPorta_->viewport()->repaint();
    // No text on the clipboard reads as the empty text.
    txtPorta_->insertPlainText(ALineasDelCuadro(QGuiApplication::clipboard()->text()));
}

void FrmVarnel::MostrarAyuda() {
    if (!frmAyuda_) frmAyuda_ = new FrmAyuda(this);
    frmAyuda_->Mostrar();
}

void FrmVarnel::Salir() { close(); }

void FrmVarnel::closeEvent(QCloseEvent* e) {
    // Closing the main window ends the program at once, help window included.
    if (frmAyuda_) frmAyuda_->close();
    e->accept();
    QCoreApplication::quit();
}

void FrmVarnel::AbrirEnlace(int indice) {
    const QUrl destino =
        indice == 0 ? QUrl(QStringLiteral("mailto:") + Q(textos::kCorreoAutor)) : QUrl(Q(textos::kWebSitna));
    abrirEnlace_(destino);  // whatever the desktop makes of it, nothing is shown
}

// Window operations.

void FrmVarnel::PonerTextoMensajes(const std::string& texto) {
    const QString t = QString::fromUtf8(texto);
    txtMensajes_->setText(t);
    // Read from its start ("Error:53 ...", "Generados ..."); a text wider than
    // the box is whole in its tooltip.
    txtMensajes_->setCursorPosition(0);
    const int ancho = txtMensajes_->contentsRect().width() - 8;
    txtMensajes_->setToolTip(txtMensajes_->fontMetrics().horizontalAdvance(t) > ancho ? t : QString());
}

std::string FrmVarnel::TextoMensajes() const { return txtMensajes_->text().toStdString(); }

void FrmVarnel::RepintarMensajes() { txtMensajes_->repaint(); }

std::string FrmVarnel::TextoPorta() const {
    QString t = txtPorta_->toPlainText();
    t.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return t.toStdString();
}

void FrmVarnel::PonerTextoPorta(const std::string& texto) {
    txtPorta_->setPlainText(ALineasDelCuadro(QString::fromUtf8(texto)));
}

void FrmVarnel::VaciarPortaYRepintar() {
    txtPorta_->clear();
    txtPorta_->viewport()->repaint();
}

bool FrmVarnel::DescargarMarcado() const { return ChkDescargar_->isChecked(); }

OpcionGarmin FrmVarnel::OpcionSeleccionada() const {
    if (Option2_->isChecked()) return OpcionGarmin::Option2;
    if (Option3_->isChecked()) return OpcionGarmin::Option3;
    return OpcionGarmin::Option1;
}

std::filesystem::path FrmVarnel::CarpetaIntercambio() const {
#ifdef _WIN32
    // Built from the wide path itself, never from an 8-bit form of it.
    return std::filesystem::path(QDir::toNativeSeparators(dirList_->Carpeta()).toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(dirList_->Carpeta()).toStdString());
#endif
}

void FrmVarnel::Pitido() { pitido_(); }

void FrmVarnel::MostrarMensajeModal(const std::string& texto) { mostrarMensaje_(QString::fromUtf8(texto)); }

}  // namespace varnel
