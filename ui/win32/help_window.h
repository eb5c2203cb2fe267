#pragma once

#include <windows.h>

#include <memory>

#include "ui/win32/form_renderer.h"
#include "ui/win32/window_procedure.h"

// The help window frmAyuda: fixed frame, close box only, not in the
// taskbar, modal over the main window and centred on it. "Aceptar" (or Esc)
// hides it; its close box removes it, and the next showing makes it again.
namespace varnel::win {

class FrmAyuda {
public:
    explicit FrmAyuda(HWND principal) : principal_(principal) {}
    ~FrmAyuda();
    FrmAyuda(const FrmAyuda&) = delete;
    FrmAyuda& operator=(const FrmAyuda&) = delete;

    // Fills the four texts and shows the window; returns once it is hidden
    // or closed.
    void Mostrar();

    HWND Ventana() const { return hwnd_; }
    HWND Control(std::string_view nombre) const { return formulario_ ? formulario_->Control(nombre) : nullptr; }

private:
    void Crear();
    void Ocultar();
    template <class>
    friend LRESULT CALLBACK ProcedimientoDe(HWND, UINT, WPARAM, LPARAM);
    LRESULT Mensaje(UINT m, WPARAM w, LPARAM l);
    void AlDestruir() { formulario_.reset(); }

    HWND principal_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<RenderizadorFormulario> formulario_;
    HICON icono_ = nullptr;
    HICON iconoPequeno_ = nullptr;
};

}  // namespace varnel::win
