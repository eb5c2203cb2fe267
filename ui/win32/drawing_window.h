#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "engine/geodesy/list_datum.h"
#include "ui/logic/drawing_logic.h"
#include "ui/win32/window_procedure.h"

// "Dibujo de la lista": modeless, resizable, owned by the main window; the
// drawing above, the summary, "Ajustar" and "Guardar imagen…" below.
// Everything it does is LogicaDibujo's; this paints with GDI+ and forwards.
namespace varnel::win {

// What the drawing window needs from the main window.
struct FuentesDibujo {
    std::function<std::string()> texto;  // the Cuadro Descargar's
    std::function<DatumLista()> datum;
    std::function<void(std::int64_t)> seleccionarLinea;
    std::function<std::filesystem::path()> carpeta;  // where "Guardar imagen…" starts
    std::function<std::optional<std::filesystem::path>(HWND, const logica::DialogoGuardado&)> pedirRuta;
};

class FrmDibujo {
public:
    FrmDibujo(HWND propietario, logica::AlmacenAjustes& ajustes, FuentesDibujo fuentes);
    ~FrmDibujo();
    FrmDibujo(const FrmDibujo&) = delete;
    FrmDibujo& operator=(const FrmDibujo&) = delete;

    // Made the first time, shown where it was last, the list read at once.
    void Mostrar();
    // The box changed: the drawing follows a moment later, once for a burst of changes.
    void CajaCambiada();
    void LeerAhora();
    bool GuardarImagen(const std::filesystem::path& ruta);

    HWND Ventana() const { return hwnd_; }
    HWND Lienzo() const { return lienzo_; }
    HWND Resumen() const { return resumen_; }
    HWND Boton(int id) const { return GetDlgItem(hwnd_, id); }
    logica::LogicaDibujo& Logica() { return logica_; }

    static constexpr int kIdAjustar = 101;
    static constexpr int kIdGuardar = 102;

private:
    template <class>
    friend LRESULT CALLBACK ProcedimientoDe(HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK ProcedimientoLienzo(HWND, UINT, WPARAM, LPARAM);
    LRESULT Mensaje(UINT m, WPARAM w, LPARAM l);
    LRESULT MensajeLienzo(UINT m, WPARAM w, LPARAM l);
    void AlDestruir() {}
    bool Crear();
    void Colocar();
    void Actualizar();
    void Pintar(HDC dc);
    void Cerrar();
    void Tecla(logica::Tecla t);

    HWND propietario_;
    logica::AlmacenAjustes& ajustes_;
    FuentesDibujo fuentes_;
    logica::LogicaDibujo logica_;
    HWND hwnd_ = nullptr;
    HWND lienzo_ = nullptr;
    HWND resumen_ = nullptr;
    HFONT fuente_ = nullptr;
};

}  // namespace varnel::win
