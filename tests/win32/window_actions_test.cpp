// What only the Windows main window shows: the keyboard that clicks the
// conversion buttons, the messages box read from its start, 32 767 lines in
// the box, the real clipboard (busy a moment, or for good), the folder and
// drive lists, the links and the exit. The rules themselves are tested once,
// over controls in memory (tests/logic).
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <thread>

#include "tests/win32/win32_fixture.h"
#include "ui/forms/texts.h"

namespace varnel::prueba {
namespace {

// Alt with the access key, Enter, keypad Enter and Space on the focused
// button: each starts that button's conversion. In an empty folder the runs
// from the (empty) box count nothing, and those towards SITNA stop at error
// 53 naming their own input.
struct Tecla {
    const char* nombre;
    const char* boton;
    enum { Alt, Intro, IntroTeclado, Espacio } como;
    wchar_t letra;
    const char* mensaje;  // the messages box afterwards, up to the file's name
    const char* fichero;
};

void PrintTo(const Tecla& t, std::ostream* os) { *os << t.nombre; }

class TeclaTest : public VentanaWin32Test, public ::testing::WithParamInterface<Tecla> {};

TEST_P(TeclaTest, PulsaElBoton) {
    const Tecla& t = GetParam();
    SetFocus(C(t.como == Tecla::Alt ? "cmdSitnaWpOzi" : t.boton));
    switch (t.como) {
    case Tecla::Alt: PulsarAlt(t.letra); break;
    case Tecla::Intro: PulsarTecla(VK_RETURN); break;
    case Tecla::IntroTeclado: PulsarTecla(VK_RETURN, true); break;
    case Tecla::Espacio: PulsarTecla(VK_SPACE); break;
    }
    EXPECT_EQ(Mensajes(), t.mensaje + Utf8(carpeta_ / t.fichero));
}

constexpr const char* kError53 = "Error:53 No se ha encontrado el archivo ";

INSTANTIATE_TEST_SUITE_P(
    Teclado, TeclaTest,
    ::testing::Values(
        Tecla{"AltS", "cmdSitnaWpOzi", Tecla::Alt, L's', "Generados 0 Waypoints en ", "Sitna-OziWp.txt"},
        Tecla{"AltI", "cmdSitnaTrackOzi", Tecla::Alt, L'i', "Generados 0 Puntos de Track en ", "Sitna-OziTrack.txt"},
        Tecla{"AltW", "cmdWpOziSitna", Tecla::Alt, L'w', kError53, "Sitna-OziWp.txt"},
        Tecla{"AltT", "cmdTrackOziSitna", Tecla::Alt, L't', kError53, "Sitna-OziTrack.txt"},
        Tecla{"AltM", "cmdMapsourceSitna", Tecla::Alt, L'm', kError53, "Sitna-Mapsource.txt"},
        Tecla{"Intro", "cmdTrackOziSitna", Tecla::Intro, 0, kError53, "Sitna-OziTrack.txt"},
        Tecla{"IntroTeclado", "cmdMapsourceSitna", Tecla::IntroTeclado, 0, kError53, "Sitna-Mapsource.txt"},
        Tecla{"Espacio", "cmdWpOziSitna", Tecla::Espacio, 0, kError53, "Sitna-OziWp.txt"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST_F(VentanaWin32Test, LetraSinAltNoPulsaNada) {
    SetFocus(C("cmdSitnaWpOzi"));
    Escribir(L'm');
    EXPECT_EQ(Texto("txtMensajes"), L"");
    EXPECT_EQ(pitidos_, 0);
}

TEST_F(VentanaWin32Test, IntroEnUnaCasillaNoHaceNada) {
    SetFocus(C("ChkDescargar"));
    PulsarTecla(VK_RETURN);
    EXPECT_EQ(Texto("txtMensajes"), L"");
    EXPECT_EQ(SendMessageW(C("ChkDescargar"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(VentanaWin32Test, CuadroDe32767PuntosDeUnaVez) {
    std::string lista;
    for (int i = 0; i < 32767; ++i) lista += std::to_string(600000 + i % 1000) + ",4700000\r\n";
    EscribirBytes(carpeta_ / "Sitna-OziTrack.txt", "");
    ventana_->Logica().PonerTextoPorta(lista);
    Pulsar("cmdSitnaTrackOzi");
    EXPECT_EQ(Mensajes().rfind("Generados 32767 ", 0), 0u) << Mensajes();
    Pulsar("cmdTrackOziSitna");
    // The list in the box: CR LF between lines, none after the last.
    const std::string porta = ventana_->Logica().TextoPorta();
    EXPECT_EQ(porta.size() + 2, lista.size());
    EXPECT_TRUE(porta + "\r\n" == lista) << "el cuadro no tiene la lista";
}

// Clipboard.

std::wstring Portapapeles() {
    std::wstring t;
    if (!OpenClipboard(nullptr)) return L"(ocupado)";
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        t = static_cast<const wchar_t*>(GlobalLock(h));
        GlobalUnlock(h);
    } else {
        t = L"(nada)";
    }
    CloseClipboard();
    return t;
}

void PonerPortapapeles(const std::wstring& t) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL m = GlobalAlloc(GMEM_MOVEABLE, (t.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(m), t.c_str(), (t.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(m);
    SetClipboardData(CF_UNICODETEXT, m);
    CloseClipboard();
}

TEST_F(VentanaWin32Test, CopiarTodoElCuadro) {
    ventana_->Logica().PonerTextoPorta("612345,4712345\r\n612346,4712346\r\n");
    SendMessageW(C("txtPorta"), EM_SETSEL, 3, 5);  // a part selected: the whole is copied
    Pulsar("mnuCopiar");
    EXPECT_EQ(Portapapeles(), L"612345,4712345\r\n612346,4712346\r\n");
}

TEST_F(VentanaWin32Test, CopiarCuadroVacioVaciaElPortapapeles) {
    PonerPortapapeles(L"antes");
    Pulsar("mnuCopiar");
    EXPECT_EQ(Portapapeles(), L"(nada)");
}

TEST_F(VentanaWin32Test, PegarSustituyeConCrLf) {
    ventana_->Logica().PonerTextoPorta("viejo\r\n");
    PonerPortapapeles(L"612345,4712345\n612346,4712346\n");
    Pulsar("mnuPegar");
    EXPECT_EQ(ventana_->Logica().TextoPorta(), "612345,4712345\r\n612346,4712346\r\n");
    DWORD inicio = 0, fin = 0;
    SendMessageW(C("txtPorta"), EM_GETSEL, reinterpret_cast<WPARAM>(&inicio), reinterpret_cast<LPARAM>(&fin));
    EXPECT_EQ(inicio, 32u);  // the caret after the last character
}

TEST_F(VentanaWin32Test, PegarSinTextoDejaElCuadroVacio) {
    ventana_->Logica().PonerTextoPorta("viejo");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    Pulsar("mnuPegar");
    EXPECT_EQ(ventana_->Logica().TextoPorta(), "");
}

// Another program holding the clipboard a moment, as Wine's bridge to the X
// clipboard does after any copy there: the copy waits for it.
TEST_F(VentanaWin32Test, PortapapelesOcupadoUnMomentoSeEspera) {
    ventana_->Logica().PonerTextoPorta("612345,4712345");
    HANDLE abierto = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread otro([abierto] {
        HWND v = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        const bool tomado = OpenClipboard(v) != FALSE;
        SetEvent(abierto);
        if (tomado) {
            Sleep(60);
            CloseClipboard();
        }
        DestroyWindow(v);
    });
    WaitForSingleObject(abierto, 5000);
    Pulsar("mnuCopiar");
    otro.join();
    CloseHandle(abierto);
    EXPECT_EQ(Portapapeles(), L"612345,4712345");
}

TEST_F(VentanaWin32Test, PortapapelesOcupadoNoCambiaNada) {
    ventana_->Logica().PonerTextoPorta("mio");
    PonerPortapapeles(L"suyo");
    // Another window holds the clipboard open.
    HWND otra = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(otra));
    Pulsar("mnuPegar");
    Pulsar("mnuCopiar");
    CloseClipboard();
    DestroyWindow(otra);
    EXPECT_EQ(ventana_->Logica().TextoPorta(), "mio");
    EXPECT_EQ(Portapapeles(), L"suyo");
    EXPECT_TRUE(modales_.empty());
}

// Folders and drives.

TEST_F(VentanaWin32Test, SubcarpetasComoLasOrdenaElExplorador) {
    for (const char* n : {"b", "a10", "a2", "Ávila"}) std::filesystem::create_directory(carpeta_ / RutaUtf8(n));
    ASSERT_TRUE(ventana_->Carpetas().PonerCarpeta(carpeta_.Ruta().native()));
    std::vector<std::string> vistas;
    const auto subs = win::Subcarpetas(carpeta_.Ruta().native());
    vistas.reserve(subs.size());
    for (const auto& s : subs) vistas.push_back(win::Utf8(s));
    EXPECT_EQ(vistas, (std::vector<std::string>{"a2", "a10", "Ávila", "b"}));
    // Root, the folders down to the current one, it, then its subfolders.
    const LRESULT n = SendMessageW(C("dirList"), LB_GETCOUNT, 0, 0);
    const LRESULT actual = SendMessageW(C("dirList"), LB_GETCURSEL, 0, 0);
    EXPECT_EQ(n - actual - 1, 4);
    wchar_t raiz[MAX_PATH] = {};
    SendMessageW(C("dirList"), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(raiz));
    EXPECT_EQ(std::wstring(raiz), carpeta_.Ruta().root_path().native());
}

TEST_F(VentanaWin32Test, ResaltarSoloNoCambiaLaCarpeta) {
    std::filesystem::create_directory(carpeta_ / "sub");
    ASSERT_TRUE(ventana_->Carpetas().PonerCarpeta(carpeta_.Ruta().native()));
    SetFocus(C("dirList"));
    PulsarTecla(VK_DOWN);
    EXPECT_EQ(ventana_->Carpetas().Carpeta(), carpeta_.Ruta().native());
    EXPECT_EQ(ventana_->Carpetas().Resaltada(), (carpeta_ / "sub").native());
    PulsarTecla(VK_RETURN);
    EXPECT_EQ(ventana_->Carpetas().Carpeta(), (carpeta_ / "sub").native());
}

TEST_F(VentanaWin32Test, LaCarpetaResaltadaSeConfirmaAlSalirElFoco) {
    std::filesystem::create_directory(carpeta_ / "sub");
    EscribirBytes(carpeta_ / "sub" / "Sitna-Descargar.txt", DatoDePrueba("sitna-3.txt"));
    ASSERT_TRUE(ventana_->Carpetas().PonerCarpeta(carpeta_.Ruta().native()));
    SetFocus(C("dirList"));
    PulsarTecla(VK_DOWN);
    SendMessageW(C("ChkDescargar"), BM_SETCHECK, BST_UNCHECKED, 0);
    // One click on the button: the focus leaves the list first.
    Pulsar("cmdSitnaTrackOzi");
    EXPECT_EQ(ventana_->Carpetas().Carpeta(), (carpeta_ / "sub").native());
    EXPECT_TRUE(std::filesystem::exists(carpeta_ / "sub" / "Sitna-OziTrack.txt"));
}

TEST_F(VentanaWin32Test, OtroProgramaConElFocoNoConfirma) {
    std::filesystem::create_directory(carpeta_ / "sub");
    ASSERT_TRUE(ventana_->Carpetas().PonerCarpeta(carpeta_.Ruta().native()));
    SetFocus(C("dirList"));
    PulsarTecla(VK_DOWN);
    SetFocus(nullptr);  // the focus leaves for no window of ours
    Bombear();
    EXPECT_EQ(ventana_->Carpetas().Carpeta(), carpeta_.Ruta().native());
}

void ElegirUnidad(HWND combo, const std::wstring& texto) {
    const LRESULT i =
        SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(texto.c_str()));
    ASSERT_GE(i, 0) << win::Utf8(texto);
    SendMessageW(combo, CB_SETCURSEL, i, 0);
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    Bombear();
}

TEST_F(VentanaWin32Test, OtraUnidadMuestraSuCarpeta) {
    ventana_->Unidades().PonerFuente([] { return std::vector<std::wstring>{L"C:\\", L"T:\\", L"Z:\\"}; });
    if (GetFileAttributesW(L"T:\\") == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no hay unidad T:";
    ElegirUnidad(C("DrvList"), L"T:");
    EXPECT_EQ(ventana_->Carpetas().Carpeta().substr(0, 3), L"T:\\");
    EXPECT_EQ(ventana_->Logica().CarpetaIntercambio().root_name().native(), L"T:");
}

TEST_F(VentanaWin32Test, LasUnidadesSonLasDelSistema) {
    const auto raices = win::UnidadesDelSistema();
    ASSERT_FALSE(raices.empty());
    for (const auto& r : raices) EXPECT_EQ(r.size(), 3u) << win::Utf8(r);
    EXPECT_NE(std::find(raices.begin(), raices.end(), L"C:\\"), raices.end());
}

// Links and exit.

TEST_F(VentanaWin32Test, Enlaces) {
    Pulsar("lblLink_0");
    Pulsar("lblLink_1");
    ASSERT_EQ(enlaces_.size(), 2u);
    EXPECT_EQ(win::Utf8(enlaces_[0]), "mailto:" + std::string(textos::kCorreoAutor));
    EXPECT_EQ(win::Utf8(enlaces_[1]), std::string(textos::kWebSitna));
}

TEST_F(VentanaWin32Test, SalirTerminaElPrograma) {
    HWND v = ventana_->Ventana();
    Pulsar("cmdSalir");
    EXPECT_FALSE(IsWindow(v));
    MSG m;
    EXPECT_TRUE(PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(VentanaWin32Test, CerrarLaVentanaTerminaElPrograma) {
    HWND v = ventana_->Ventana();
    PostMessageW(v, WM_SYSCOMMAND, SC_CLOSE, 0);
    Bombear();
    EXPECT_FALSE(IsWindow(v));
    MSG m;
    EXPECT_TRUE(PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace varnel::prueba
