// The Win32 window keeps the contract of Controles.
#include "tests/contract/controls_contract.h"
#include "tests/win32/win32_fixture.h"

namespace varnel::prueba {
namespace {

struct BancoWin32 {
    BancoWin32() {
        EXPECT_TRUE(v->Crear());
        v->PonerMostrarMensaje([](const std::wstring&) {});
        v->PonerPitido([] {});
        v->Mostrar(SW_SHOWNORMAL);
        Bombear();
    }
    ~BancoWin32() {
        // Its end posts WM_QUIT, which must not reach the next test.
        v.reset();
        Bombear();
        MSG m;
        while (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    }
    logica::Controles& Controles() { return *v; }
    std::filesystem::path Legible() const { return dir.Ruta(); }
    int LargoSeleccion(logica::NombreControl c) const {
        DWORD inicio = 0;
        DWORD fin = 0;
        SendMessageW(v->Control(c), EM_GETSEL, reinterpret_cast<WPARAM>(&inicio), reinterpret_cast<LPARAM>(&fin));
        return static_cast<int>(fin - inicio);
    }
    std::string Ayuda(logica::NombreControl c) const {
        return win::Utf8(AyudaDe(v->Formulario().Tooltips(), v->Ventana(), v->Control(c)));
    }
    bool ParadaTab(logica::NombreControl c) const { return GetWindowLongPtrW(v->Control(c), GWL_STYLE) & WS_TABSTOP; }

    RegistroDePrueba registro;  // before the window, which reads it
    CarpetaTemporal dir;
    std::unique_ptr<win::FrmVarnel> v = std::make_unique<win::FrmVarnel>();
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, ContratoControles, BancoWin32);

}  // namespace varnel::prueba
