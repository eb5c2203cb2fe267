// Files dropped on the Windows main window, as Explorer drops them: a
// WM_DROPFILES with an HDROP, built here as the shell builds it. What a drop
// makes of them is the logic's (tests/logic/window_logic_drop_test.cpp).
#include <shlobj.h>

#include <cstring>

#include "tests/win32/win32_fixture.h"

namespace varnel::prueba {
namespace {

// A drop of these paths, in their order: DROPFILES, then the wide paths, each
// ended by a zero, and one more zero.
HDROP Soltado(const std::vector<std::wstring>& rutas) {
    std::size_t caracteres = 1;
    for (const auto& r : rutas) caracteres += r.size() + 1;
    HGLOBAL memoria = GlobalAlloc(GHND, sizeof(DROPFILES) + caracteres * sizeof(wchar_t));
    auto* d = static_cast<DROPFILES*>(GlobalLock(memoria));
    d->pFiles = sizeof(DROPFILES);
    d->fWide = TRUE;
    auto* p = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(d) + sizeof(DROPFILES));
    for (const auto& r : rutas) {
        std::memcpy(p, r.c_str(), (r.size() + 1) * sizeof(wchar_t));
        p += r.size() + 1;
    }
    GlobalUnlock(memoria);
    return static_cast<HDROP>(memoria);
}

class SoltarWin32Test : public VentanaWin32Test {
protected:
    void SetUp() override {
        VentanaWin32Test::SetUp();
        EscribirBytes(origen_ / "pista.gpx", DatoDePrueba("gpx/navarra-track-1.1.gpx"));
        EscribirBytes(origen_ / "lista.txt", DatoDePrueba("sitna-3.txt"));
    }
    void Soltar(std::initializer_list<const char*> nombres) {
        std::vector<std::wstring> rutas;
        for (const char* n : nombres) rutas.push_back((origen_ / n).wstring());
        SendMessageW(ventana_->Ventana(), WM_DROPFILES, reinterpret_cast<WPARAM>(Soltado(rutas)), 0);
        Bombear();
    }

    CarpetaTemporal origen_;
};

TEST_F(SoltarWin32Test, LaVentanaAceptaFicheros) {
    EXPECT_TRUE(GetWindowLongPtrW(ventana_->Ventana(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST_F(SoltarWin32Test, LlegaALaLogicaEnElOrdenSoltado) {
    // On ETRS89 the GPX's WGS 84 positions are only projected.
    Pulsar("OptionETRS89");
    Soltar({"pista.gpx", "lista.txt"});
    EXPECT_EQ(LeerBytes(carpeta_ / "Sitna-Descargar.txt"),
              DatoDePrueba("gpx/navarra.expected.txt") + DatoDePrueba("descargar-3.txt"));
}

}  // namespace
}  // namespace varnel::prueba
