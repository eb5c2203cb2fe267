#include "tests/win32/win32_fixture.h"

#include <commctrl.h>

#include "ui/win32/keyboard.h"
#include "ui/win32/settings_store_registry.h"

namespace varnel::prueba {

RegistroDePrueba::RegistroDePrueba() : anterior_(Datum()) { Vaciar(); }

RegistroDePrueba::~RegistroDePrueba() {
    Vaciar();
    if (anterior_)
        PonerValor(REG_SZ, anterior_->c_str(), static_cast<DWORD>((anterior_->size() + 1) * sizeof(wchar_t)));
}

std::optional<std::wstring> RegistroDePrueba::Datum() {
    wchar_t texto[256] = {};
    DWORD bytes = sizeof texto;
    if (RegGetValueW(HKEY_CURRENT_USER, win::kClaveAjustes, L"datum", RRF_RT_REG_SZ, nullptr, texto, &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(texto);
}

void RegistroDePrueba::PonerValor(DWORD tipo, const void* datos, DWORD bytes) {
    EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, win::kClaveAjustes, L"datum", tipo, datos, bytes), ERROR_SUCCESS);
}

void RegistroDePrueba::Vaciar() {
    RegDeleteTreeW(HKEY_CURRENT_USER, win::kClaveAjustes);
    RegDeleteKeyW(HKEY_CURRENT_USER, win::kClaveAjustes);
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Varnel");  // only when nothing else is left in it
}

DentroDeAyuda::DentroDeAyuda(std::function<void()> f) : f_(std::move(f)) {
    actual_ = this;
    id_ = SetTimer(nullptr, 0, 50, &DentroDeAyuda::Tic);
}

DentroDeAyuda::~DentroDeAyuda() {
    KillTimer(nullptr, id_);
    actual_ = nullptr;
}

void CALLBACK DentroDeAyuda::Tic(HWND, UINT, UINT_PTR, DWORD) {
    if (!actual_ || actual_->hecho) return;
    actual_->hecho = true;
    actual_->f_();
}

void Bombear() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(m.wParam));  // for the test that waits for it
            return;
        }
        if (win::ProcesarTeclado(m)) continue;
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

void PulsarTecla(UINT tecla, bool extendida) {
    HWND foco = GetFocus();
    const LPARAM bits = 1 | (extendida ? (1 << 24) : 0);
    PostMessageW(foco, WM_KEYDOWN, tecla, bits);
    PostMessageW(foco, WM_KEYUP, tecla, bits | (1u << 30) | (1u << 31));
    Bombear();
}

void PulsarAlt(wchar_t letra) {
    // Alt held: the context bit of the key messages.
    PostMessageW(GetFocus(), WM_SYSCHAR, letra, 1 | (1 << 29));
    Bombear();
}

void Escribir(wchar_t caracter) {
    PostMessageW(GetFocus(), WM_CHAR, caracter, 1);
    Bombear();
}

std::wstring AyudaDe(HWND tooltips, HWND ventana, HWND control) {
    wchar_t texto[1024] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = ventana;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = texto;
    SendMessageW(tooltips, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&info));
    return texto;
}

std::string NombreConFoco(const win::FrmVarnel& ventana) {
    const formularios::Control* c = ventana.Formulario().Descripcion(GetFocus());
    return c ? std::string(c->nombre) : std::string("(ninguno)");
}

void VentanaWin32Test::SetUp() {
    ventana_ = std::make_unique<win::FrmVarnel>();
    ASSERT_TRUE(ventana_->Crear());
    ventana_->PonerMostrarMensaje([this](const std::wstring& t) { modales_.push_back(t); });
    ventana_->PonerPitido([this] { ++pitidos_; });
    ventana_->PonerAbrirEnlace([this](const std::wstring& t) { enlaces_.push_back(t); });
    ASSERT_TRUE(ventana_->Carpetas().PonerCarpeta(carpeta_.Ruta().native()));
    ventana_->Mostrar(SW_SHOWNORMAL);
    SetForegroundWindow(ventana_->Ventana());
    Bombear();
}

void VentanaWin32Test::TearDown() {
    ventana_.reset();
    Bombear();
    MSG m;
    while (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
}

void VentanaWin32Test::Pulsar(std::string_view boton) {
    HWND h = C(boton);
    // Down and up as a mouse click: the focus moves first.
    PostMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Bombear();
}

}  // namespace varnel::prueba
