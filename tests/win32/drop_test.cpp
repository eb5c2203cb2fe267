// Files dropped on the Windows main window, as Explorer drops them: a
// WM_DROPFILES with an HDROP, built here as the shell builds it.
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
    std::string Ruta(const char* nombre) const { return Utf8(carpeta_ / nombre); }

    CarpetaTemporal origen_;
};

TEST_F(SoltarWin32Test, LaVentanaAceptaFicheros) {
    EXPECT_TRUE(GetWindowLongPtrW(ventana_->Ventana(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST_F(SoltarWin32Test, LosFicherosSoltadosLlenanLaListaEnSuOrden) {
    // On ETRS89 the GPX's WGS 84 positions are only projected.
    Pulsar("OptionETRS89");
    Soltar({"pista.gpx", "lista.txt"});
    EXPECT_EQ(Mensajes(), "Generados 11 Puntos en " + Ruta("Sitna-Descargar.txt"));
    const std::string lista = DatoDePrueba("gpx/navarra.expected.txt") + DatoDePrueba("descargar-3.txt");
    EXPECT_EQ(LeerBytes(carpeta_ / "Sitna-Descargar.txt"), lista);
    // The box starts with the same line.
    const std::size_t primera = lista.find('\n') + 1;
    EXPECT_EQ(win::Utf8(Texto("txtPorta")).substr(0, primera), lista.substr(0, primera));
    EXPECT_TRUE(modales_.empty());
}

TEST_F(SoltarWin32Test, UnFormatoDesconocidoEsElInformeDeError) {
    EscribirBytes(origen_ / "foto.jpg", "\xFF\xD8\xFF\xE0");
    Soltar({"foto.jpg"});
    const std::string t =
        "Error:13 No coinciden los tipos (línea 1 de " + Utf8(origen_ / "foto.jpg") + ": formato no reconocido)";
    EXPECT_EQ(Mensajes(), t);
    ASSERT_EQ(modales_.size(), 1u);
    EXPECT_EQ(win::Utf8(modales_[0]), t);
    EXPECT_EQ(pitidos_, 1);
}

}  // namespace
}  // namespace varnel::prueba
