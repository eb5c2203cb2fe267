#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/test_support.h"
#include "ui/win32/main_window.h"
#include "ui/win32/win_text.h"

namespace varnel::prueba {

// Handles what is waiting for the windows, through the program's own
// keyboard handling, as its message loop does.
void Bombear();

// A key as the keyboard sends it to the control that has the focus.
void PulsarTecla(UINT tecla, bool extendida = false);
void PulsarAlt(wchar_t letra);
void Escribir(wchar_t caracter);

// A control's tooltip as the window's tooltip control holds it.
std::wstring AyudaDe(HWND tooltips, HWND ventana, HWND control);

// The name, in the description, of the control that has the focus.
std::string NombreConFoco(const win::FrmVarnel& ventana);

// The program's settings key (HKCU\Software\Varnel\varnel) emptied for as
// long as this lives, then removed; a datum the user had stored is put back.
class RegistroDePrueba {
public:
    RegistroDePrueba();
    ~RegistroDePrueba();
    RegistroDePrueba(const RegistroDePrueba&) = delete;
    RegistroDePrueba& operator=(const RegistroDePrueba&) = delete;

    // The "datum" value as stored, text only; nothing when there is none.
    static std::optional<std::wstring> Datum();
    static void PonerValor(DWORD tipo, const void* datos, DWORD bytes);
    static void Vaciar();

private:
    std::optional<std::wstring> anterior_;
};

// Runs a check inside a modal window's own message loop (the help window's),
// once it shows.
class DentroDeAyuda {
public:
    explicit DentroDeAyuda(std::function<void()> f);
    ~DentroDeAyuda();
    DentroDeAyuda(const DentroDeAyuda&) = delete;
    DentroDeAyuda& operator=(const DentroDeAyuda&) = delete;
    bool hecho = false;

private:
    static void CALLBACK Tic(HWND, UINT, UINT_PTR, DWORD);
    static inline DentroDeAyuda* actual_ = nullptr;
    std::function<void()> f_;
    UINT_PTR id_;
};

// The main window, shown, on a fresh exchange folder, nothing in its
// settings, with recorders in place of the message box, the beep and the
// desktop's link handler.
class VentanaWin32Test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND C(std::string_view nombre) const { return ventana_->Control(nombre); }
    std::wstring Texto(std::string_view nombre) const { return win::TextoDe(C(nombre)); }
    std::string Mensajes() const { return win::Utf8(Texto("txtMensajes")); }
    void Pulsar(std::string_view boton);

    RegistroDePrueba registro_;
    CarpetaTemporal carpeta_;
    std::unique_ptr<win::FrmVarnel> ventana_;
    std::vector<std::wstring> modales_;
    std::vector<std::wstring> enlaces_;
    int pitidos_ = 0;
};

}  // namespace varnel::prueba
