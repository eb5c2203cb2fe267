#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/logic/controls.h"
#include "ui/logic/window_logic.h"
#include "ui/qt/settings_store_qt.h"

class QUrl;

namespace varnel {

class FrmAyuda;
class FrmDibujo;
class ListaCarpetas;
class ListaUnidades;

// The main window drawn with Qt Widgets from the description; each event goes
// to the windows' logic, which works the controls through Controles.
class FrmVarnel : public QWidget, public logica::Controles {
    Q_OBJECT
public:
    explicit FrmVarnel(QWidget* padre = nullptr);
    ~FrmVarnel() override;

    void CentrarEnPantalla();

    // What the message box, the beep and the links do; tests put recorders here.
    void PonerMostrarMensaje(std::function<void(const QString&)> f) { mostrarMensaje_ = std::move(f); }
    void PonerPitido(std::function<void()> f) { pitido_ = std::move(f); }
    void PonerAbrirEnlace(std::function<void(const QUrl&)> f) { abrirEnlace_ = std::move(f); }
    using PedirRutaFn = std::function<std::optional<std::filesystem::path>(const logica::DialogoGuardado&)>;
    void PonerPedirRuta(PedirRutaFn f) { pedirRuta_ = std::move(f); }

    FrmAyuda* Ayuda() const;
    // "Dibujo de la lista" (Ctrl+D, the box's menu): made the first time, shown.
    FrmDibujo* VerDibujo();
    FrmDibujo* VentanaDibujo() const;
    logica::LogicaVentana& Logica() { return logica_; }

    // Controles, for the logic.
    std::string Texto(logica::NombreControl control) const override;
    void PonerTexto(logica::NombreControl control, const std::string& texto) override;
    void Repintar(logica::NombreControl control) override;
    bool Marcado(logica::NombreControl control) const override;
    void Marcar(logica::NombreControl control, bool marcado) override;
    bool CabeEntero(logica::NombreControl control) const override;
    void PonerAyuda(logica::NombreControl control, const std::string& ayuda) override;
    int InicioSeleccion(logica::NombreControl control) const override;
    void Seleccionar(logica::NombreControl control, int inicio, int largo) override;
    void PonerFoco(logica::NombreControl control) override;
    void PonerParadaTab(logica::NombreControl control, bool parada) override;
    std::optional<std::string> LeerPortapapeles() override;
    bool PonerPortapapeles(const std::string& texto) override;
    void Pitido() override;
    void MensajeModal(const std::string& texto) override;
    void AbrirDireccion(const std::string& direccion) override;
    std::optional<std::filesystem::path> PedirRutaGuardado(const logica::DialogoGuardado& dialogo) override;
    std::filesystem::path CarpetaActual() const override;
    std::filesystem::path CarpetaResaltada() const override;
    bool PonerCarpetaActual(const std::filesystem::path& carpeta) override;
    void ListarCarpetaOtraVez() override;
    void MostrarUnidadDe(const std::filesystem::path& carpeta) override;
    void CrearVentana(std::string_view ventana) override;
    void MostrarModal(std::string_view ventana, logica::NombreControl foco) override;
    void Ocultar(std::string_view ventana) override;
    void TerminarPrograma() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    // Files dropped anywhere on the window, the text boxes included.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void CrearControles();
    void OrdenTabulacion();
    void Conectar();
    // A control of either window by its name in the description.
    QWidget* Control(std::string_view nombre) const;
    // A line of the Cuadro Descargar (1-based) selected and in view.
    void SeleccionarLineaPorta(std::int64_t linea);

    AjustesQt ajustes_;  // before the logic, which reads it at the start
    logica::LogicaVentana logica_{*this, ajustes_};
    std::vector<QWidget*> controles_;  // one per row of the description, in its order
    ListaUnidades* DrvList_ = nullptr;
    ListaCarpetas* dirList_ = nullptr;
    QPointer<FrmAyuda> frmAyuda_;
    QPointer<FrmDibujo> frmDibujo_;
    bool centradoTrasMarco_ = false;
    bool terminando_ = false;  // the rules ended the program: the window may close
    std::function<void(const QString&)> mostrarMensaje_;
    std::function<void()> pitido_;
    std::function<void(const QUrl&)> abrirEnlace_;
    PedirRutaFn pedirRuta_;
};

}  // namespace varnel
