#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "engine/varnel_engine.h"
#include "engine/window_ops.h"
#include "ui/win32/drive_list.h"
#include "ui/win32/folder_list.h"
#include "ui/win32/form_renderer.h"
#include "ui/win32/help_window.h"
#include "ui/win32/window_procedure.h"

// The main window frmVarnel for Windows: five conversion buttons, the
// exchange folder, the Cuadro Descargar box with the clipboard, links, help
// and exit. It owns the conversion engine and lends it the window operations.
namespace varnel::win {

class FrmVarnel : public OperacionesVentana {
public:
    FrmVarnel();
    ~FrmVarnel() override;
    FrmVarnel(const FrmVarnel&) = delete;
    FrmVarnel& operator=(const FrmVarnel&) = delete;

    // Creates the window, hidden, centred on its screen's work area.
    bool Crear();
    // Shows it and puts the focus on "&SITNA a Wp Ozi".
    void Mostrar(int comoMostrar);

    HWND Ventana() const { return hwnd_; }
    HWND Control(std::string_view nombre) const { return formulario_.Control(nombre); }
    const RenderizadorFormulario& Formulario() const { return formulario_; }
    ListaCarpetas& Carpetas() { return dirList_; }
    ListaUnidades& Unidades() { return drvList_; }
    FrmAyuda* Ayuda() const { return frmAyuda_.get(); }
    MotorVarnel& Motor() { return motor_; }

    // What the error report and the links do; tests put recorders here.
    void PonerMostrarMensaje(std::function<void(const std::wstring&)> f) { mostrarMensaje_ = std::move(f); }
    void PonerPitido(std::function<void()> f) { pitido_ = std::move(f); }
    void PonerAbrirEnlace(std::function<void(const std::wstring&)> f) { abrirEnlace_ = std::move(f); }

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

private:
    template <class>
    friend LRESULT CALLBACK ProcedimientoDe(HWND, UINT, WPARAM, LPARAM);
    LRESULT Mensaje(UINT m, WPARAM w, LPARAM l);
    void AlDestruir() {}
    void Comando(HWND control, WORD codigo);
    void Colocar(UINT dpi);
    void PrepararControles();
    void CambiarUnidad(const std::wstring& raiz);
    void Copiar();
    void Pegar();
    void MostrarAyuda();
    void AbrirEnlace(int indice);
    void OpcionesUnaParada();

    HWND hwnd_ = nullptr;
    RenderizadorFormulario formulario_;
    MotorVarnel motor_{*this};
    ListaCarpetas dirList_;
    ListaUnidades drvList_;
    std::unique_ptr<FrmAyuda> frmAyuda_;
    HWND ultimoFoco_ = nullptr;
    HICON icono_ = nullptr;
    HICON iconoPequeno_ = nullptr;
    std::function<void(const std::wstring&)> mostrarMensaje_;
    std::function<void()> pitido_;
    std::function<void(const std::wstring&)> abrirEnlace_;
};

}  // namespace varnel::win
