// The Windows program's resources, read back from this executable, which
// links them: the manifest, every icon, and the version information.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ui/forms/version.h"
#include "ui/win32/resource_ids.h"

namespace {

std::string Manifiesto() {
    HRSRC r = ::FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    if (!r) return {};
    const auto* datos = static_cast<const char*>(::LockResource(::LoadResource(nullptr, r)));
    return std::string(datos, ::SizeofResource(nullptr, r));
}

TEST(RecursosWindowsTest, ManifiestoConControlesComunes6YPpp) {
    const std::string m = Manifiesto();
    EXPECT_NE(m.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos) << m;
    EXPECT_NE(m.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(m.find("asInvoker"), std::string::npos);
}

class IconoTest : public ::testing::TestWithParam<int> {};

TEST_P(IconoTest, SeCargaA16Y32) {
    for (int lado : {16, 32}) {
        HANDLE icono = ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(GetParam()), IMAGE_ICON, lado, lado,
                                    LR_DEFAULTCOLOR);
        ASSERT_NE(icono, nullptr) << "icono " << GetParam() << " a " << lado;
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(static_cast<HICON>(icono), &info));
        BITMAP bm{};
        ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, lado);
        if (info.hbmColor) ::DeleteObject(info.hbmColor);
        if (info.hbmMask) ::DeleteObject(info.hbmMask);
        ::DestroyIcon(static_cast<HICON>(icono));
    }
}

std::string NombreIcono(int id) {
    switch (id) {
    case IDI_VARNEL: return "varnel";
    case IDI_GLOBE: return "globo";
    case IDI_COPY: return "copiar";
    case IDI_PASTE: return "pegar";
    case IDI_HELP: return "ayuda";
    case IDI_EXIT: return "salir";
    case IDI_FOLDER_OPEN: return "carpeta_abierta";
    case IDI_FOLDER_CLOSED: return "carpeta_cerrada";
    default: return "desconocido_" + std::to_string(id);
    }
}

INSTANTIATE_TEST_SUITE_P(Dibujos, IconoTest,
                         ::testing::Values(IDI_VARNEL, IDI_GLOBE, IDI_COPY, IDI_PASTE, IDI_HELP, IDI_EXIT,
                                           IDI_FOLDER_OPEN, IDI_FOLDER_CLOSED),
                         [](const auto& info) { return NombreIcono(info.param); });

std::wstring ValorVersion(const std::vector<char>& bloque, const wchar_t* clave) {
    void* valor = nullptr;
    UINT largo = 0;
    const std::wstring ruta = std::wstring(L"\\StringFileInfo\\0c0a04b0\\") + clave;
    if (!::VerQueryValueW(bloque.data(), ruta.c_str(), &valor, &largo) || largo == 0) return {};
    return std::wstring(static_cast<const wchar_t*>(valor), largo - 1);
}

TEST(RecursosWindowsTest, VersionComoElProgramaSePresenta) {
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    DWORD ignorar = 0;
    const DWORD tamano = ::GetFileVersionInfoSizeW(exe, &ignorar);
    ASSERT_GT(tamano, 0u);
    std::vector<char> bloque(tamano);
    ASSERT_TRUE(::GetFileVersionInfoW(exe, 0, tamano, bloque.data()));
    EXPECT_EQ(ValorVersion(bloque, L"ProductName"), L"Varnel");
    EXPECT_EQ(ValorVersion(bloque, L"InternalName"), L"Varnel");
    // The one version, CMake's project(VERSION), as text and as numbers.
    EXPECT_EQ(ValorVersion(bloque, L"FileVersion"), L"" VARNEL_VERSION);
    EXPECT_EQ(ValorVersion(bloque, L"ProductVersion"), L"" VARNEL_VERSION);
    void* fijo = nullptr;
    UINT largoFijo = 0;
    ASSERT_TRUE(::VerQueryValueW(bloque.data(), L"\\", &fijo, &largoFijo));
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fijo);
    const DWORD numeros[] = {VARNEL_VERSION_NUMEROS};
    EXPECT_EQ(info->dwFileVersionMS, MAKELONG(numeros[1], numeros[0]));
    EXPECT_EQ(info->dwProductVersionMS, MAKELONG(numeros[1], numeros[0]));
    EXPECT_EQ(ValorVersion(bloque, L"Comments"), L"Trapaso entre SITNA u OziExplorer");
    struct Traduccion {
        WORD idioma;
        WORD paginaCodigos;
    }* t = nullptr;
    UINT largo = 0;
    ASSERT_TRUE(::VerQueryValueW(bloque.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&t), &largo));
    EXPECT_EQ(t->idioma, 0x0c0a);  // Spanish (Spain)
}

}  // namespace
