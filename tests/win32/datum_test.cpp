// The SITNA list's datum in the Windows window: its own group of options for
// the dialog manager, reached by Tab after the Garmin options, by its access
// keys and the arrow keys; the choice kept in the real registry
// (HKCU\Software\Varnel\varnel, value "datum") and read back by the next
// window; the help that names it, whole in its labels.
#include <windows.h>

#include "tests/win32/win32_fixture.h"
#include "ui/forms/help_form.h"
#include "ui/forms/texts.h"

namespace varnel::prueba {
namespace {

class DatumWin32Test : public VentanaWin32Test {
protected:
    // Which datum option a window shows selected.
    static std::string Elegida(const win::FrmVarnel& v) {
        const bool ed50 = SendMessageW(v.Control("OptionED50"), BM_GETCHECK, 0, 0) == BST_CHECKED;
        const bool etrs89 = SendMessageW(v.Control("OptionETRS89"), BM_GETCHECK, 0, 0) == BST_CHECKED;
        return ed50 == etrs89 ? "ninguna o ambas" : ed50 ? "ED50" : "ETRS89";
    }
    bool Marcada(const char* opcion) const { return SendMessageW(C(opcion), BM_GETCHECK, 0, 0) == BST_CHECKED; }
};

TEST_F(DatumWin32Test, UnClicLoGuardaYLaSiguienteVentanaLoLee) {
    EXPECT_EQ(Elegida(*ventana_), "ED50");
    EXPECT_FALSE(RegistroDePrueba::Datum().has_value()) << "nothing is written at the start";

    Pulsar("OptionETRS89");
    EXPECT_EQ(Elegida(*ventana_), "ETRS89");
    EXPECT_EQ(ventana_->Logica().DatumSitna(), DatumLista::Etrs89);
    EXPECT_TRUE(Marcada("Option1")) << "the Garmin group changed too";
    EXPECT_EQ(RegistroDePrueba::Datum(), L"ETRS89");
    {
        win::FrmVarnel otra;
        ASSERT_TRUE(otra.Crear());
        EXPECT_EQ(Elegida(otra), "ETRS89");
        EXPECT_EQ(otra.Logica().DatumSitna(), DatumLista::Etrs89);
    }
    Pulsar("OptionED50");
    EXPECT_EQ(RegistroDePrueba::Datum(), L"ED50");
    win::FrmVarnel tercera;
    ASSERT_TRUE(tercera.Crear());
    EXPECT_EQ(Elegida(tercera), "ED50");
}

TEST_F(DatumWin32Test, LaOpcionYaElegidaNoEscribe) {
    Pulsar("OptionED50");
    EXPECT_FALSE(RegistroDePrueba::Datum().has_value());
    Pulsar("OptionETRS89");
    RegistroDePrueba::Vaciar();
    Pulsar("OptionETRS89");
    EXPECT_FALSE(RegistroDePrueba::Datum().has_value());
    EXPECT_EQ(Elegida(*ventana_), "ETRS89");
}

TEST_F(DatumWin32Test, DosGruposParaElGestorDeDialogos) {
    const auto grupo = [this](const char* c) { return (GetWindowLongPtrW(C(c), GWL_STYLE) & WS_GROUP) != 0; };
    EXPECT_TRUE(grupo("Option1"));
    EXPECT_FALSE(grupo("Option2"));
    EXPECT_FALSE(grupo("Option3"));
    EXPECT_TRUE(grupo("OptionED50"));
    EXPECT_FALSE(grupo("OptionETRS89"));
    HWND v = ventana_->Ventana();
    EXPECT_EQ(GetNextDlgGroupItem(v, C("OptionETRS89"), FALSE), C("OptionED50"));
    EXPECT_EQ(GetNextDlgGroupItem(v, C("OptionED50"), TRUE), C("OptionETRS89"));
    EXPECT_EQ(GetNextDlgGroupItem(v, C("Option3"), FALSE), C("Option1"));
}

TEST_F(DatumWin32Test, TabLlegaTrasLasOpcionesGarminYLasFlechasCambianDentro) {
    // Tab from the Garmin options reaches the datum's stop, Down moves within
    // the group (from the last option round to the first), and the group
    // stays one stop, on the option now selected: Tab goes on to the first button.
    struct Paso {
        const char* parada;
        const char* tras;
        const char* datum;
    };
    for (const Paso& p : {Paso{"OptionED50", "OptionETRS89", "ETRS89"}, Paso{"OptionETRS89", "OptionED50", "ED50"}}) {
        SetFocus(C("Option1"));
        PulsarTecla(VK_TAB);
        EXPECT_EQ(NombreConFoco(*ventana_), p.parada);
        PulsarTecla(VK_DOWN);
        EXPECT_EQ(NombreConFoco(*ventana_), p.tras);
        EXPECT_EQ(Elegida(*ventana_), p.datum);
        EXPECT_EQ(RegistroDePrueba::Datum(), win::Ancho(p.datum));
        EXPECT_TRUE(Marcada("Option1"));
        EXPECT_FALSE(Marcada("Option2"));
        PulsarTecla(VK_TAB);
        EXPECT_EQ(NombreConFoco(*ventana_), "cmdSitnaWpOzi");
    }
}

TEST_F(DatumWin32Test, AltRYAltEEligenCadaDatum) {
    SetFocus(C("txtPorta"));
    PulsarAlt(L'r');
    EXPECT_EQ(NombreConFoco(*ventana_), "OptionETRS89");
    EXPECT_EQ(Elegida(*ventana_), "ETRS89");
    EXPECT_EQ(RegistroDePrueba::Datum(), L"ETRS89");
    PulsarAlt(L'e');
    EXPECT_EQ(NombreConFoco(*ventana_), "OptionED50");
    EXPECT_EQ(Elegida(*ventana_), "ED50");
    EXPECT_EQ(RegistroDePrueba::Datum(), L"ED50");
    EXPECT_EQ(Mensajes(), "") << "an access key ran a conversion";
}

// A value the program never wrote: ED50, and the value left as it was.
struct CasoValor {
    const char* nombre;
    DWORD tipo;
    std::wstring texto;  // REG_SZ and REG_EXPAND_SZ
};

void PrintTo(const CasoValor& c, std::ostream* os) { *os << c.nombre; }

class ValorRaroTest : public ::testing::TestWithParam<CasoValor> {
protected:
    RegistroDePrueba registro_;
};

TEST_P(ValorRaroTest, EmpiezaEnEd50) {
    const CasoValor& caso = GetParam();
    const DWORD numero = 1;
    if (caso.tipo == REG_DWORD)
        RegistroDePrueba::PonerValor(REG_DWORD, &numero, sizeof numero);
    else
        RegistroDePrueba::PonerValor(caso.tipo, caso.texto.c_str(),
                                     static_cast<DWORD>((caso.texto.size() + 1) * sizeof(wchar_t)));
    win::FrmVarnel v;
    ASSERT_TRUE(v.Crear());
    EXPECT_EQ(SendMessageW(v.Control("OptionED50"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(v.Control("OptionETRS89"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(v.Logica().DatumSitna(), DatumLista::Ed50);
    if (caso.tipo == REG_SZ) {
        EXPECT_EQ(RegistroDePrueba::Datum(), caso.texto);
    }
}

INSTANTIATE_TEST_SUITE_P(Registro, ValorRaroTest,
                         ::testing::Values(CasoValor{"Vacio", REG_SZ, L""}, CasoValor{"OtroDatum", REG_SZ, L"WGS84"},
                                           CasoValor{"Minusculas", REG_SZ, L"etrs89"},
                                           CasoValor{"ConEspacio", REG_SZ, L"ETRS89 "},
                                           CasoValor{"Numero", REG_DWORD, L""},
                                           CasoValor{"Expandible", REG_EXPAND_SZ, L"%DATUM%"}),
                         [](const auto& info) { return std::string(info.param.nombre); });

// Whether a help label shows its whole text, wrapped at its width as the
// static control wraps it.
bool Entero(HWND etiqueta) {
    const std::wstring texto = win::TextoDe(etiqueta);
    RECT cliente;
    GetClientRect(etiqueta, &cliente);
    RECT necesita = cliente;
    HDC dc = GetDC(etiqueta);
    HGDIOBJ antes = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(etiqueta, WM_GETFONT, 0, 0)));
    DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &necesita,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, antes);
    ReleaseDC(etiqueta, dc);
    return necesita.bottom <= cliente.bottom && necesita.right <= cliente.right;
}

TEST_F(DatumWin32Test, LaAyudaNombraElDatumElegidoYSeLeeEntera) {
    for (DatumLista datum : {DatumLista::Ed50, DatumLista::Etrs89}) {
        Pulsar(datum == DatumLista::Etrs89 ? "OptionETRS89" : "OptionED50");
        std::string ozi, varnel;
        std::vector<std::string> cortadas;
        DentroDeAyuda dentro([&] {
            win::FrmAyuda* ayuda = ventana_->Ayuda();
            ozi = win::Utf8(win::TextoDe(ayuda->Control("lblOzi2")));
            varnel = win::Utf8(win::TextoDe(ayuda->Control("lblVarnel2")));
            for (const formularios::Control& c : formularios::kControlesAyuda)
                if (c.tooltipColor && !Entero(ayuda->Control(c.nombre))) cortadas.emplace_back(c.nombre);
            PostMessageW(ayuda->Control("OKButton"), WM_KEYDOWN, VK_RETURN, 1);
        });
        Pulsar("cmdAyuda");
        ASSERT_TRUE(dentro.hecho);
        EXPECT_EQ(ozi, textos::TextoAyudaOzi(datum));
        EXPECT_EQ(varnel, textos::TextoAyudaVarnel(datum));
        EXPECT_TRUE(cortadas.empty()) << NombreDatum(datum) << ": " << cortadas.front();
    }
}

}  // namespace
}  // namespace varnel::prueba
