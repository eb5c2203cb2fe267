#pragma once

#include <QMargins>
#include <vector>

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "engine/varnel_engine.h"
#include "engine/window_ops.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QUrl;

namespace varnel {

class BotonVarnel;
class EtiquetaEnlace;
class FrmAyuda;
class ListaCarpetas;
class ListaUnidades;

// The main window: five conversion buttons, the exchange folder, the
// Cuadro Descargar box with the clipboard, links, help and exit. It owns the
// conversion engine and lends it the window operations it needs.
class FrmVarnel : public QWidget, public OperacionesVentana {
    Q_OBJECT
public:
    explicit FrmVarnel(QWidget* padre = nullptr);
    ~FrmVarnel() override;

    void CentrarEnPantalla();

    // What the error report and the links do; tests put recorders here.
    void PonerMostrarMensaje(std::function<void(const QString&)> f) { mostrarMensaje_ = std::move(f); }
    void PonerPitido(std::function<void()> f) { pitido_ = std::move(f); }
    void PonerAbrirEnlace(std::function<void(const QUrl&)> f) { abrirEnlace_ = std::move(f); }

    FrmAyuda* Ayuda() const;
    MotorVarnel& Motor() { return motor_; }

    // Window operations for the engine.
    void PonerTextoMensajes(const std::string& texto) override;
    std::string TextoMensajes() const;
    void RepintarMensajes() override;
    std::string TextoPorta() const override;
    void PonerTextoPorta(const std::string& texto) override;
    void VaciarPortaYRepintar() override;
    bool DescargarMarcado() const override;
    OpcionGarmin OpcionSeleccionada() const override;
    std::filesystem::path CarpetaIntercambio() const override;
    void Pitido() override;
    void MostrarMensajeModal(const std::string& texto) override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void CrearControles();
    void OrdenTabulacion();
    void Conectar();
    void CambiarUnidad(const QString& raiz);
    void Copiar();
    void Pegar();
    void MostrarAyuda();
    void Salir();
    void AbrirEnlace(int indice);

    MotorVarnel motor_{*this};

    BotonVarnel* cmdSitnaWpOzi_ = nullptr;
    BotonVarnel* cmdSitnaTrackOzi_ = nullptr;
    BotonVarnel* cmdWpOziSitna_ = nullptr;
    BotonVarnel* cmdTrackOziSitna_ = nullptr;
    BotonVarnel* cmdMapsourceSitna_ = nullptr;
    BotonVarnel* mnuCopiar_ = nullptr;
    BotonVarnel* mnuPegar_ = nullptr;
    BotonVarnel* cmdAyuda_ = nullptr;
    BotonVarnel* cmdSalir_ = nullptr;
    ListaUnidades* DrvList_ = nullptr;
    ListaCarpetas* dirList_ = nullptr;
    QLineEdit* txtMensajes_ = nullptr;
    QPlainTextEdit* txtPorta_ = nullptr;
    QCheckBox* ChkDescargar_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    QGroupBox* Frame3_ = nullptr;
    bool centradoTrasMarco_ = false;
    std::vector<QWidget*> controles_;  // one per row of the description, in its order

    template <class T>
    T* Hijo(const char* nombre) const {
        return findChild<T*>(QLatin1String(nombre));
    }
    QRadioButton* Option1_ = nullptr;
    QRadioButton* Option2_ = nullptr;
    QRadioButton* Option3_ = nullptr;
    std::array<EtiquetaEnlace*, 2> lblLink_{};

    QPointer<FrmAyuda> frmAyuda_;
    std::function<void(const QString&)> mostrarMensaje_;
    std::function<void()> pitido_;
    std::function<void(const QUrl&)> abrirEnlace_;
};

}  // namespace varnel
