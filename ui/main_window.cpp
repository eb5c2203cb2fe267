#include "main_window.h"

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

#include "accessibility.h"
#include "artwork.h"
#include "drive_list.h"
#include "folder_list.h"
#include "fonts.h"
#include "group_frame.h"
#include "help_window.h"
#include "link_label.h"
#include "placement.h"
#include "texts.h"
#include "twips.h"
#include "varnel_button.h"
#include "window_centring.h"

namespace varnel {
namespace {

BotonVarnel* BotonConversion(QWidget* padre, const char* nombre, const QString& texto, QRect r, const QString& ayuda) {
    auto* b = Colocar(new BotonVarnel(texto, padre), nombre, r, FuenteNormal());
    b->setToolTip(ayuda);
    return b;
}

BotonVarnel* BotonDibujo(QWidget* padre, const char* nombre, const char* dibujo, int lado, QRect r,
                         const QString& ayuda) {
    auto* b = Colocar(new BotonVarnel(padre), nombre, r, FuenteNormal());
    b->setIcon(Dibujo(QLatin1String(dibujo)));
    b->setIconSize(QSize(lado, lado));
    b->setToolTip(ayuda);
    b->setAccessibleName(ayuda);
    return b;
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
    setObjectName(QStringLiteral("frmVarnel"));
    setWindowTitle(textos::kTituloVentana);
    setWindowIcon(Dibujo(QStringLiteral("varnel")));
    setFont(Fuente(QStringLiteral("MS Sans Serif"), 9.75));
    resize(RectTwips(0, 0, 6720, 6510).size());

    mostrarMensaje_ = [this](const QString& texto) {
        QMessageBox caja(QMessageBox::NoIcon, textos::kTituloPrograma, texto, QMessageBox::Ok, this);
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
    // Created first so that it lies behind the two buttons and the check box it frames.
    Frame3_ =
        Colocar(new MarcoVarnel(textos::kUsarCuadro, this), "Frame3", RectTwips(120, 0, 3375, 1215), FuenteNormal());

    cmdSitnaWpOzi_ = BotonConversion(this, "cmdSitnaWpOzi", textos::kCmdSitnaWpOzi, RectTwips(240, 240, 1815, 375),
                                     textos::kAyudaT1);
    cmdSitnaTrackOzi_ = BotonConversion(this, "cmdSitnaTrackOzi", textos::kCmdSitnaTrackOzi,
                                        RectTwips(240, 720, 1815, 375), textos::kAyudaT2);
    cmdWpOziSitna_ = BotonConversion(this, "cmdWpOziSitna", textos::kCmdWpOziSitna, RectTwips(240, 1320, 1815, 375),
                                     textos::kAyudaT3);
    cmdTrackOziSitna_ = BotonConversion(this, "cmdTrackOziSitna", textos::kCmdTrackOziSitna,
                                        RectTwips(240, 1800, 1815, 375), textos::kAyudaT4);
    cmdMapsourceSitna_ = BotonConversion(this, "cmdMapsourceSitna", textos::kCmdMapsourceSitna,
                                         RectTwips(240, 2280, 1815, 375), textos::kAyudaT5);

    mnuCopiar_ = BotonDibujo(this, "mnuCopiar", "copy", 16, RectTwips(480, 5880, 495, 495), textos::kAyudaCopiar);
    mnuPegar_ = BotonDibujo(this, "mnuPegar", "paste", 16, RectTwips(1200, 5880, 495, 495), textos::kAyudaPegar);
    cmdAyuda_ = BotonDibujo(this, "cmdAyuda", "help", 16, RectTwips(2400, 5880, 495, 495), textos::kAyudaAyuda);
    cmdSalir_ = BotonDibujo(this, "cmdSalir", "exit", 32, RectTwips(5760, 5880, 615, 615), textos::kAyudaSalir);

    DrvList_ = Colocar(new ListaUnidades(this), "DrvList", RectTwips(3840, 240, 2775, 315), FuenteNormal());
    dirList_ = Colocar(new ListaCarpetas(this), "dirList", RectTwips(3840, 600, 2775, 2010),
                       Fuente(QStringLiteral("Arial"), 8.25));
    dirList_->setAccessibleName(textos::kCarpetaIntercambio);
    DrvList_->setAccessibleName(textos::kUnidad);
    dirList_->PonerCarpetaInicial(QDir::currentPath());
    DrvList_->MostrarUnidadDe(dirList_->Carpeta());

    txtMensajes_ = Colocar(new QLineEdit(this), "txtMensajes", RectTwips(120, 2760, 6495, 375), FuenteNormal());
    txtMensajes_->setReadOnly(true);
    txtMensajes_->setAccessibleName(textos::kMensajes);

    txtPorta_ = Colocar(new QPlainTextEdit(this), "txtPorta", RectTwips(120, 3480, 2175, 2295),
                        Fuente(QStringLiteral("Courier New"), 9.75));
    txtPorta_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtPorta_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtPorta_->setTabChangesFocus(true);
    txtPorta_->setAccessibleName(textos::kCuadroDescargar);

    ChkDescargar_ = Colocar(new QCheckBox(this), "ChkDescargar", RectTwips(2280, 480, 255, 375), FuenteNormal());
    ChkDescargar_->setChecked(true);
    ChkDescargar_->setToolTip(textos::kUsarCuadro);
    ChkDescargar_->setAccessibleName(textos::kUsarCuadro);

    Frame1_ = Colocar(new MarcoVarnel(textos::kFormatoGarmin, this), "Frame1", RectTwips(2400, 3480, 2295, 1335),
                      FuenteNormal());
    Option1_ =
        Colocar(new QRadioButton(textos::kOption1, Frame1_), "Option1", RectTwips(120, 360, 1695, 255), FuenteNormal());
    Option2_ =
        Colocar(new QRadioButton(textos::kOption2, Frame1_), "Option2", RectTwips(120, 660, 1695, 255), FuenteNormal());
    Option3_ =
        Colocar(new QRadioButton(textos::kOption3, Frame1_), "Option3", RectTwips(120, 960, 2055, 255), FuenteNormal());
    Option1_->setChecked(true);

    Etiqueta(this, "Label4", textos::kCarpetaIntercambio, RectTwips(4080, 0, 2415, 255), FuenteNegrita());
    Etiqueta(this, "Label5", textos::kCuadroDescargar, RectTwips(360, 3240, 2055, 255), FuenteNegrita());
    Etiqueta(this, "Label6", textos::kMensajes, RectTwips(2520, 2520, 1455, 255), FuenteNegrita());

    Frame2_ =
        Colocar(new MarcoVarnel(textos::kEnlaces, this), "Frame2", RectTwips(2400, 4800, 3975, 975), FuenteNormal());
    Etiqueta(Frame2_, "Label1_0", textos::kEmailAutor, RectTwips(120, 240, 975, 255), FuenteNormal());
    Etiqueta(Frame2_, "Label1_1", textos::kSitna, RectTwips(480, 600, 615, 255), FuenteNormal());
    QFont subrayada = FuenteNormal();
    subrayada.setUnderline(true);
    lblLink_[0] = Colocar(new EtiquetaEnlace(textos::kCorreoAutor, Frame2_), "lblLink_0",
                          RectTwips(1080, 240, 2055, 255), subrayada);
    lblLink_[1] = Colocar(new EtiquetaEnlace(textos::kWebSitna, Frame2_), "lblLink_1", RectTwips(1080, 600, 2655, 255),
                          subrayada);
}

void FrmVarnel::OrdenTabulacion() {
    // Labels and frames take no focus; the option group is one stop, on the selected option.
    const QList<QWidget*> orden = {
        cmdSitnaWpOzi_, cmdSitnaTrackOzi_, cmdWpOziSitna_, cmdTrackOziSitna_, cmdMapsourceSitna_,
        mnuCopiar_,     mnuPegar_,         cmdAyuda_,      cmdSalir_,         DrvList_,
        dirList_,       txtMensajes_,      txtPorta_,      ChkDescargar_,     Option1_,
        Option2_,       Option3_};
    for (qsizetype i = 0; i + 1 < orden.size(); ++i) setTabOrder(orden[i], orden[i + 1]);
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
    const QUrl destino = indice == 0 ? QUrl(QStringLiteral("mailto:") + textos::kCorreoAutor) : QUrl(textos::kWebSitna);
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
