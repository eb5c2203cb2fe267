#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/forms/form.h"

// Renders one window's description as Win32 controls: creates them in an
// order that gives the designed Tab order (the dialog manager follows the
// Z order) with the frames behind everything, places them for the window's
// DPI, sets fonts, pictures and tooltips. Behaviour is the window's business.
namespace varnel::win {

// Control ids: the base plus the row of the control in its table.
inline constexpr int kIdPrincipal = 1000;
inline constexpr int kIdAyuda = 2000;

class RenderizadorFormulario {
public:
    RenderizadorFormulario(std::span<const formularios::Control> tabla, int idBase);
    ~RenderizadorFormulario();
    RenderizadorFormulario(const RenderizadorFormulario&) = delete;
    RenderizadorFormulario& operator=(const RenderizadorFormulario&) = delete;

    // Creates every control as a child of the window, then places them.
    void Crear(HWND ventana);
    // Positions, fonts and pictures for a DPI (at start and on DPI changes).
    void Colocar(UINT dpi);

    HWND Control(std::string_view nombre) const;
    const formularios::Control* Descripcion(HWND control) const;
    HWND Tooltips() const { return tooltips_; }
    HFONT FuenteDe(std::string_view nombre) const;

private:
    HFONT Fuente(const formularios::Fuente& f, UINT dpi);
    void CrearControl(std::size_t fila, bool primeroDeGrupo);
    void PonerDibujo(std::size_t fila, UINT dpi);

    std::span<const formularios::Control> tabla_;
    int idBase_;
    HWND ventana_ = nullptr;
    HWND tooltips_ = nullptr;
    std::vector<HWND> controles_;  // one per row of the table
    struct FuenteCreada {
        formularios::Fuente f;
        UINT dpi;
        HFONT hfont;
    };
    std::vector<FuenteCreada> fuentes_;
    std::vector<HICON> iconos_;
};

// The picture of a picture button or a window, by artwork name.
HICON CargarIcono(std::string_view dibujo, int lado);

}  // namespace varnel::win
