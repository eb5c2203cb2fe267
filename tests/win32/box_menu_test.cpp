// The Cuadro Descargar's context menu in the Windows window: the edit
// control's entries, a separator and ours, on WM_CONTEXTMENU from the mouse
// or the keyboard; our entries reach the window as menu commands, and a save
// goes through the dialog (recorded here) to the logic.
#include "ui/win32/box_menu.h"

#include "tests/win32/win32_fixture.h"

namespace varnel::prueba {
namespace {

struct EntradaVista {
    std::wstring texto;  // empty: a separator
    bool activa;
    bool operator==(const EntradaVista&) const = default;
};

// What the open menu shows, read from inside its own loop, then closed.
std::vector<EntradaVista> gEntradas;
bool gMenuVisto = false;

void CALLBACK LeerMenuAbierto(HWND, UINT, UINT_PTR id, DWORD) {
    HWND popup = FindWindowW(L"#32768", nullptr);
    if (!popup || !IsWindowVisible(popup)) return;
    KillTimer(nullptr, id);
    auto* menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        wchar_t texto[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = texto;
        info.cch = 127;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        const bool separador = (info.fType & MFT_SEPARATOR) != 0;
        gEntradas.push_back({separador ? L"" : texto, !separador && !(info.fState & MFS_DISABLED)});
    }
    gMenuVisto = true;
    EndMenu();
}

class MenuCuadroWin32Test : public VentanaWin32Test {
protected:
    void SetUp() override {
        VentanaWin32Test::SetUp();
        SetWindowTextW(C("txtPorta"), L"611026,4741584\r\n579525,4724978\r\n608996,4709452");
        SetFocus(C("txtPorta"));
        SendMessageW(C("txtPorta"), EM_SETSEL, 0, 0);
    }

    std::vector<EntradaVista> Abrir(LPARAM donde) {
        gEntradas.clear();
        gMenuVisto = false;
        SetTimer(nullptr, 0, 30, &LeerMenuAbierto);
        SendMessageW(C("txtPorta"), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(C("txtPorta")), donde);
        EXPECT_TRUE(gMenuVisto);
        return gEntradas;
    }
};

TEST_F(MenuCuadroWin32Test, LasEntradasDelCuadroYLuegoLasNuestras) {
    // Nothing selected: copy, cut and delete off; the clipboard empty: paste off.
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    const std::vector<EntradaVista> esperadas = {{L"&Deshacer", false},
                                                 {L"", false},
                                                 {L"Cor&tar", false},
                                                 {L"&Copiar", false},
                                                 {L"&Pegar", false},
                                                 {L"&Eliminar", false},
                                                 {L"", false},
                                                 {L"Seleccionar &todo", true},
                                                 {L"", false},
                                                 {L"Guardar como GPX…", true},
                                                 {L"Guardar como KML…", true},
                                                 {L"Guardar como KMZ…", true},
                                                 {L"Ver dibujo de la lista…", true}};
    EXPECT_EQ(Abrir(-1), esperadas);  // the menu key, Shift+F10

    // With a selection, from the mouse.
    SendMessageW(C("txtPorta"), EM_SETSEL, 0, 6);
    RECT r{};
    GetWindowRect(C("txtPorta"), &r);
    const std::vector<EntradaVista> conSeleccion = Abrir(MAKELPARAM(r.left + 10, r.top + 10));
    ASSERT_EQ(conSeleccion.size(), esperadas.size());
    EXPECT_TRUE(conSeleccion[2].activa && conSeleccion[3].activa && conSeleccion[5].activa);
}

TEST_F(MenuCuadroWin32Test, GuardarComoGpxLlegaALaLogicaYEscribe) {
    std::vector<logica::DialogoGuardado> pedidos;
    ventana_->PonerPedirRuta([&](const logica::DialogoGuardado& d) {
        pedidos.push_back(d);
        return std::optional(carpeta_.Ruta() / "Sitna.gpx");
    });
    SendMessageW(ventana_->Ventana(), WM_COMMAND, MAKEWPARAM(win::kMenuGuardarGpx, 0), 0);
    ASSERT_EQ(pedidos.size(), 1u);
    EXPECT_EQ(pedidos[0].extension, "gpx");
    EXPECT_EQ(pedidos[0].carpeta, carpeta_.Ruta());
    EXPECT_EQ(Mensajes(), "Generados 3 Puntos en " + Utf8(carpeta_.Ruta() / "Sitna.gpx"));
    EXPECT_NE(LeerBytes(carpeta_.Ruta() / "Sitna.gpx").find("<trkpt "), std::string::npos);

    // Cancelled: nothing more.
    ventana_->PonerPedirRuta([](const logica::DialogoGuardado&) { return std::optional<std::filesystem::path>(); });
    SendMessageW(ventana_->Ventana(), WM_COMMAND, MAKEWPARAM(win::kMenuGuardarKml, 0), 0);
    EXPECT_FALSE(std::filesystem::exists(carpeta_.Ruta() / "Sitna.kml"));
}

}  // namespace
}  // namespace varnel::prueba
