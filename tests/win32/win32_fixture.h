#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
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

// The name, in the description, of the control that has the focus.
std::string NombreConFoco(const win::FrmVarnel& ventana);

// The main window, shown, on a fresh exchange folder, with recorders in
// place of the message box, the beep and the desktop's link handler.
class VentanaWin32Test : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND C(std::string_view nombre) const { return ventana_->Control(nombre); }
    std::wstring Texto(std::string_view nombre) const { return win::TextoDe(C(nombre)); }
    std::string Mensajes() const { return win::Utf8(Texto("txtMensajes")); }
    void Pulsar(std::string_view boton);

    CarpetaTemporal carpeta_;
    std::unique_ptr<win::FrmVarnel> ventana_;
    std::vector<std::wstring> modales_;
    std::vector<std::wstring> enlaces_;
    int pitidos_ = 0;
};

}  // namespace varnel::prueba
