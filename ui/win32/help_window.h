#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>

#include "ui/win32/form_renderer.h"
#include "ui/win32/window_procedure.h"

// The help window frmAyuda: fixed frame, close box only, not in the
// taskbar, modal over the main window and centred on it. A click on
// "Aceptar" goes to the windows' logic; Esc hides it, and its close box
// removes it.
namespace varnel::win {

class FrmAyuda {
public:
    FrmAyuda(HWND principal, std::function<void(std::string_view control)> alPulsar)
        : principal_(principal), alPulsar_(std::move(alPulsar)) {}
    ~FrmAyuda();
    FrmAyuda(const FrmAyuda&) = delete;
    FrmAyuda& operator=(const FrmAyuda&) = delete;

    // Creates the window, hidden.
    void Crear();
    // Shows it modally, the focus on `foco`; returns once it is hidden or closed.
    void Mostrar(std::string_view foco);
    void Ocultar();

    HWND Ventana() const { return hwnd_; }
    HWND Control(std::string_view nombre) const { return formulario_ ? formulario_->Control(nombre) : nullptr; }

private:
    template <class>
    friend LRESULT CALLBACK ProcedimientoDe(HWND, UINT, WPARAM, LPARAM);
    LRESULT Mensaje(UINT m, WPARAM w, LPARAM l);
    void AlDestruir() { formulario_.reset(); }

    HWND principal_;
    std::function<void(std::string_view control)> alPulsar_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<RenderizadorFormulario> formulario_;
    HICON icono_ = nullptr;  // loaded once, for every time the window is made
    HICON iconoPequeno_ = nullptr;
};

}  // namespace varnel::win
