#pragma once

#include <windows.h>
// After windows.h.
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/logic/controls.h"
#include "ui/logic/window_logic.h"
#include "ui/win32/drawing_window.h"
#include "ui/win32/drive_list.h"
#include "ui/win32/folder_list.h"
#include "ui/win32/form_renderer.h"
#include "ui/win32/help_window.h"
#include "ui/win32/settings_store_registry.h"
#include "ui/win32/window_procedure.h"

// The main window frmVarnel drawn with the Win32 API from the description;
// each notification goes to the windows' logic, which works the controls
// through Controles.
namespace varnel::win {

class FrmVarnel : public logica::Controles {
public:
    FrmVarnel();
    ~FrmVarnel() override;
    FrmVarnel(const FrmVarnel&) = delete;
    FrmVarnel& operator=(const FrmVarnel&) = delete;

    // Creates the window, hidden, centred on its screen's work area, its
    // controls in their designed state.
    bool Crear();
    // Shows it, the focus where the start puts it.
    void Mostrar(int comoMostrar);

    HWND Ventana() const { return hwnd_; }
    // A control of either window by its name in the description.
    HWND Control(std::string_view nombre) const;
    const RenderizadorFormulario& Formulario() const { return formulario_; }
    ListaCarpetas& Carpetas() { return dirList_; }
    ListaUnidades& Unidades() { return drvList_; }
    FrmAyuda* Ayuda() const { return frmAyuda_.get(); }
    // "Dibujo de la lista" (Ctrl+D, the box's menu): made the first time, shown.
    FrmDibujo* VerDibujo();
    FrmDibujo* VentanaDibujo() const { return frmDibujo_.get(); }
    logica::LogicaVentana& Logica() { return logica_; }

    // What the message box, the beep and the links do; tests put recorders here.
    void PonerMostrarMensaje(std::function<void(const std::wstring&)> f) { mostrarMensaje_ = std::move(f); }
    void PonerPitido(std::function<void()> f) { pitido_ = std::move(f); }
    void PonerAbrirEnlace(std::function<void(const std::wstring&)> f) { abrirEnlace_ = std::move(f); }
    using PedirRutaFn = std::function<std::optional<std::filesystem::path>(const logica::DialogoGuardado&)>;
    void PonerPedirRuta(PedirRutaFn f) {
        pedirRuta_ = std::move(f);
        rutaPuesta_ = true;  // the drawing's "Guardar imagen…" asks it too
    }

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

private:
    template <class>
    friend LRESULT CALLBACK ProcedimientoDe(HWND, UINT, WPARAM, LPARAM);
    LRESULT Mensaje(UINT m, WPARAM w, LPARAM l);
    void AlDestruir() {}
    void Comando(HWND control, WORD codigo);
    // Files dropped from Explorer (WM_DROPFILES), in their order.
    void Soltar(HDROP soltado);
    void Colocar(UINT dpi);
    void PrepararControles();
    // A line of the Cuadro Descargar (1-based) selected and in view.
    void SeleccionarLineaPorta(std::int64_t linea);
    void CajaCambiada() {
        if (frmDibujo_) frmDibujo_->CajaCambiada();
    }

    HWND hwnd_ = nullptr;
    RenderizadorFormulario formulario_;
    AjustesRegistro ajustes_;  // before the logic, which reads it at the start
    logica::LogicaVentana logica_{*this, ajustes_};
    ListaCarpetas dirList_;
    ListaUnidades drvList_;
    std::unique_ptr<FrmAyuda> frmAyuda_;
    std::unique_ptr<FrmDibujo> frmDibujo_;
    bool terminando_ = false;    // the rules ended the program: the window may go
    HWND ultimoFoco_ = nullptr;  // given back when the window is activated
    HICON icono_ = nullptr;
    HICON iconoPequeno_ = nullptr;
    std::function<void(const std::wstring&)> mostrarMensaje_;
    std::function<void()> pitido_;
    std::function<void(const std::wstring&)> abrirEnlace_;
    PedirRutaFn pedirRuta_;
    bool rutaPuesta_ = false;
};

}  // namespace varnel::win
