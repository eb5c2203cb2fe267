// Starts varnel.exe as a user does and finds its window by its exact
// caption: client area as designed, then (optionally) the help window over
// it, or (optionally) a file given on its command line filling the box, then a
// close that must end the process. Prints the start-to-window time.
// Usage: varnel_smoke PROGRAM [--ayuda] [--dejar] [--abrir FILE EXPECTED_LIST]
//        varnel_smoke PROGRAM --varios CLASS FILE EXPECTED_LIST FILE EXPECTED_LIST...
// --varios opens each file as Explorer's "Abrir con" does for a selection:
// one window must show the lists of all of them in order, the other starts
// having ended.
#include <windows.h>
// After windows.h.
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/forms/help_form.h"
#include "ui/forms/main_form.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form_renderer.h"
#include "ui/win32/win_text.h"

namespace {

using Reloj = std::chrono::steady_clock;

struct Busqueda {
    DWORD proceso;
    const wchar_t* titulo;
    HWND hallada;
};

BOOL CALLBACK Mirar(HWND h, LPARAM datos) {
    auto* b = reinterpret_cast<Busqueda*>(datos);
    DWORD proceso = 0;
    GetWindowThreadProcessId(h, &proceso);
    if (proceso == b->proceso && IsWindowVisible(h) && varnel::win::TextoDe(h) == b->titulo) {
        b->hallada = h;
        return FALSE;
    }
    return TRUE;
}

HWND Esperar(DWORD proceso, HANDLE h, const std::wstring& titulo, double segundos) {
    const auto fin = Reloj::now() + std::chrono::duration<double>(segundos);
    while (Reloj::now() < fin) {
        Busqueda b{proceso, titulo.c_str(), nullptr};
        EnumWindows(&Mirar, reinterpret_cast<LPARAM>(&b));
        if (b.hallada) return b.hallada;
        if (WaitForSingleObject(h, 20) == WAIT_OBJECT_0) return nullptr;  // it ended
    }
    return nullptr;
}

int Fallo(const char* que) {
    std::fprintf(stderr, "FALLO: %s\n", que);
    return 1;
}

// A control's text in another process: WM_GETTEXT is carried across, unlike
// GetWindowText.
std::wstring TextoAjeno(HWND control) {
    const auto n = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    std::wstring texto(static_cast<std::size_t>(n) + 1, L'\0');
    const auto leidos = SendMessageW(control, WM_GETTEXT, texto.size(), reinterpret_cast<LPARAM>(texto.data()));
    texto.resize(static_cast<std::size_t>(leidos));
    return texto;
}

std::string Bytes(const std::filesystem::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// The box shows the list the run made of the file: the expected one, CR LF
// between lines and none after the last, as the control holds it.
bool EsperarCaja(HWND caja, HANDLE proceso, const std::string& esperado) {
    std::wstring lista = varnel::win::Ancho(esperado);
    if (lista.ends_with(L"\r\n")) lista.resize(lista.size() - 2);
    if (lista.empty()) return false;
    std::wstring visto;
    for (int i = 0; i < 1500; ++i) {
        visto = TextoAjeno(caja);
        if (visto == lista) return true;
        if (WaitForSingleObject(proceso, 20) == WAIT_OBJECT_0) break;
    }
    std::fprintf(stderr, "el Cuadro Descargar tiene %zu caracteres: \"%s\"\n", visto.size(),
                 varnel::win::Utf8(visto.substr(0, 80)).c_str());
    return false;
}

// The list's datum is the user's setting: the expected list is on ED50, the
// default, so the smoke run starts without one.
void SinDatumGuardado() { RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Varnel\\varnel", L"datum"); }

// One start per file by the class's registered verb, back to back, as
// Explorer makes them for a selection.
int AbrirVarios(const std::wstring& clase, wchar_t** pares, int n) {
    const auto carpeta =
        std::filesystem::temp_directory_path() / ("varnel-varios-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(carpeta);
    SinDatumGuardado();
    std::string lista;
    std::vector<HANDLE> procesos;
    for (int i = 0; i + 1 < n; i += 2) {
        lista += Bytes(pares[i + 1]);
        SHELLEXECUTEINFOW e{};
        e.cbSize = sizeof e;
        e.fMask = SEE_MASK_CLASSNAME | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        e.lpVerb = L"open";
        e.lpFile = pares[i];
        e.lpClass = clase.c_str();
        e.lpDirectory = carpeta.c_str();
        e.nShow = SW_SHOWNORMAL;
        if (!ShellExecuteExW(&e) || !e.hProcess) return Fallo("no arranca una de las aperturas");
        procesos.push_back(e.hProcess);
    }
    // Every start but one ends; that one's window shows all the lists in order.
    std::vector<HANDLE> vivos;
    for (int i = 0; i < 6000; ++i, Sleep(20)) {  // Wine starts a program slowly under load
        vivos.clear();
        for (HANDLE h : procesos)
            if (WaitForSingleObject(h, 0) != WAIT_OBJECT_0) vivos.push_back(h);
        if (vivos.size() <= 1) break;
    }
    std::printf("%zu aperturas, %zu siguen\n", procesos.size(), vivos.size());
    bool bien = vivos.size() == 1;
    if (bien) {
        const std::wstring titulo = varnel::win::Ancho(varnel::formularios::kPrincipal.titulo);
        const int caja = varnel::win::kIdPrincipal +
                         varnel::formularios::Indice(varnel::formularios::kControlesPrincipal, "txtPorta");
        HWND v = Esperar(GetProcessId(vivos[0]), vivos[0], titulo, 60);
        bien =
            v && EsperarCaja(GetDlgItem(v, caja), vivos[0], lista) && Bytes(carpeta / "Sitna-Descargar.txt") == lista;
        if (v) PostMessageW(v, WM_CLOSE, 0, 0);
    }
    for (HANDLE h : procesos) {
        if (WaitForSingleObject(h, 15000) != WAIT_OBJECT_0) TerminateProcess(h, 1);
        CloseHandle(h);
    }
    std::error_code ec;
    std::filesystem::remove_all(carpeta, ec);
    return bien ? 0 : Fallo("las aperturas no dieron una sola lista con todos los ficheros en orden");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return Fallo("falta el programa");
    if (argc > 3 && std::wstring(argv[2]) == L"--varios") return AbrirVarios(argv[3], argv + 4, argc - 4);
    bool ayuda = false, dejar = false;
    std::wstring abrir, esperado;
    for (int i = 2; i < argc; ++i) {
        ayuda |= std::wstring(argv[i]) == L"--ayuda";
        dejar |= std::wstring(argv[i]) == L"--dejar";
        if (std::wstring(argv[i]) == L"--abrir" && i + 2 < argc) {
            abrir = argv[++i];
            esperado = argv[++i];
        }
    }
    std::wstring linea = L"\"" + std::wstring(argv[1]) + L"\"";
    // Started in a folder of its own, which the drop's list is written to.
    std::filesystem::path carpeta;
    if (!abrir.empty()) {
        linea += L" \"" + abrir + L"\"";
        carpeta = std::filesystem::temp_directory_path() / ("varnel-abrir-" + std::to_string(GetCurrentProcessId()));
        std::filesystem::create_directories(carpeta);
        SinDatumGuardado();
    }
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const auto inicio = Reloj::now();
    if (!CreateProcessW(argv[1], linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        carpeta.empty() ? nullptr : carpeta.c_str(), &si, &pi))
        return Fallo("no arranca");
    CloseHandle(pi.hThread);

    const std::wstring titulo = varnel::win::Ancho(varnel::formularios::kPrincipal.titulo);
    HWND v = Esperar(pi.dwProcessId, pi.hProcess, titulo, 60);
    if (!v) return Fallo("no aparece la ventana principal");
    const double ms = std::chrono::duration<double, std::milli>(Reloj::now() - inicio).count();
    RECT r;
    GetClientRect(v, &r);
    const UINT dpi = varnel::win::DpiDe(v);
    std::printf("ventana \"%s\" en %.0f ms, cliente %ld x %ld a %u ppp\n", varnel::win::Utf8(titulo).c_str(), ms,
                r.right, r.bottom, dpi);
    const auto px = [dpi](int twips) { return (twips * static_cast<int>(dpi) + 720) / 1440; };
    if (r.right != px(6720) || r.bottom != px(6510)) return Fallo("el área de cliente no es la diseñada");

    if (ayuda) {
        const int id = varnel::win::kIdPrincipal +
                       varnel::formularios::Indice(varnel::formularios::kControlesPrincipal, "cmdAyuda");
        PostMessageW(GetDlgItem(v, id), BM_CLICK, 0, 0);
        HWND a = Esperar(pi.dwProcessId, pi.hProcess, varnel::win::Ancho(varnel::formularios::kAyuda.titulo), 30);
        if (!a) return Fallo("no aparece la ayuda");
        if (IsWindowEnabled(v)) return Fallo("la ayuda no es modal");
        std::printf("ayuda abierta\n");
    }
    if (!abrir.empty()) {
        const int id = varnel::win::kIdPrincipal +
                       varnel::formularios::Indice(varnel::formularios::kControlesPrincipal, "txtPorta");
        const std::string lista = Bytes(esperado);
        const bool lleno = EsperarCaja(GetDlgItem(v, id), pi.hProcess, lista);
        const bool enCarpeta = Bytes(carpeta / "Sitna-Descargar.txt") == lista;
        if (!lleno || !enCarpeta) {
            TerminateProcess(pi.hProcess, 1);
            CloseHandle(pi.hProcess);
            return Fallo(!lleno ? "el fichero de la orden no llenó el Cuadro Descargar con la lista esperada"
                                : "Sitna-Descargar.txt no es la lista esperada en la carpeta de arranque");
        }
        std::printf("fichero abierto: la lista en el Cuadro Descargar\n");
    }
    if (dejar) {
        CloseHandle(pi.hProcess);
        return 0;
    }
    // Closing the main window ends the program, help window included.
    PostMessageW(v, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 15000) != WAIT_OBJECT_0) {
        TerminateProcess(pi.hProcess, 1);
        return Fallo("el proceso sigue tras cerrar la ventana");
    }
    DWORD salida = 1;
    GetExitCodeProcess(pi.hProcess, &salida);
    CloseHandle(pi.hProcess);
    std::printf("terminado, código %lu\n", salida);
    if (!carpeta.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(carpeta, ec);
    }
    return salida == 0 ? 0 : Fallo("código de salida");
}
