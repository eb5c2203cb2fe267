#include "ui/win32/open_with.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

namespace varnel::win {
namespace {

// Local to this logon: another user's program is not ours to feed.
constexpr wchar_t kNombre[] = L"Local\\Varnel.RecibeFicheros";
constexpr wchar_t kClase[] = L"VarnelRecibeFicheros";
constexpr ULONG_PTR kMarca = 0x5652'4E31;  // what a hand-over's WM_COPYDATA carries
// Explorer's starts come within a few hundred milliseconds of each other;
// the drop waits for this long without a new one.
constexpr UINT kEsperaMs = 1000;
constexpr UINT_PTR kTemporizador = 1;
// How long a later start looks for the receiver while the first one starts.
constexpr int kIntentos = 500;
constexpr DWORD kPausaMs = 20;

}  // namespace

std::uint64_t InicioDeEsteProceso() {
    FILETIME inicio{}, fin{}, nucleo{}, usuario{};
    GetProcessTimes(GetCurrentProcess(), &inicio, &fin, &nucleo, &usuario);
    return (std::uint64_t{inicio.dwHighDateTime} << 32) | inicio.dwLowDateTime;
}

ReceptorFicheros::ReceptorFicheros(SoltarFn soltar) : soltar_(std::move(soltar)) {
    nombre_ = CreateMutexW(nullptr, FALSE, kNombre);
    if (!nombre_ || GetLastError() == ERROR_ALREADY_EXISTS) {
        if (nombre_) CloseHandle(nombre_);
        nombre_ = nullptr;
        return;
    }
    WNDCLASSEXW clase{};
    clase.cbSize = sizeof clase;
    clase.lpfnWndProc = &Procedimiento;
    clase.hInstance = GetModuleHandleW(nullptr);
    clase.lpszClassName = kClase;
    RegisterClassExW(&clase);
    ventana_ = CreateWindowExW(0, kClase, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), this);
    // A start run elevated still takes the files of one that is not.
    if (ventana_) ChangeWindowMessageFilterEx(ventana_, WM_COPYDATA, MSGFLT_ALLOW, nullptr);
}

ReceptorFicheros::~ReceptorFicheros() {
    if (ventana_) DestroyWindow(ventana_);
    if (nombre_) CloseHandle(nombre_);
}

void ReceptorFicheros::Anadir(std::uint64_t inicio, std::vector<std::filesystem::path> ficheros) {
    llegadas_.push_back({inicio, llegadas_.size(), std::move(ficheros)});
    SetTimer(ventana_, kTemporizador, kEsperaMs, nullptr);  // from now again
}

void ReceptorFicheros::Soltar() {
    KillTimer(ventana_, kTemporizador);
    std::vector<Llegada> llegadas = std::exchange(llegadas_, {});
    std::sort(llegadas.begin(), llegadas.end(), [](const Llegada& a, const Llegada& b) {
        return a.inicio != b.inicio ? a.inicio < b.inicio : a.orden < b.orden;
    });
    std::vector<std::filesystem::path> ficheros;
    for (Llegada& l : llegadas)
        for (auto& f : l.ficheros) ficheros.push_back(std::move(f));
    if (!ficheros.empty()) soltar_(ficheros);
}

LRESULT CALLBACK ReceptorFicheros::Procedimiento(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_NCCREATE)
        SetWindowLongPtrW(h, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW*>(l)->lpCreateParams));
    auto* yo = reinterpret_cast<ReceptorFicheros*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (yo && m == WM_TIMER && w == kTemporizador) {
        yo->Soltar();
        return 0;
    }
    if (yo && m == WM_COPYDATA) {
        // The start's time, then each path ended by a NUL.
        const auto* copia = reinterpret_cast<const COPYDATASTRUCT*>(l);
        if (copia->dwData != kMarca || copia->cbData < sizeof(std::uint64_t) || copia->cbData % sizeof(wchar_t))
            return FALSE;
        std::uint64_t inicio = 0;
        std::memcpy(&inicio, copia->lpData, sizeof inicio);
        const std::wstring_view resto(
            reinterpret_cast<const wchar_t*>(static_cast<const char*>(copia->lpData) + sizeof inicio),
            (copia->cbData - sizeof inicio) / sizeof(wchar_t));
        std::vector<std::filesystem::path> ficheros;
        for (std::size_t i = 0; i < resto.size();) {
            const std::size_t fin = std::min(resto.find(L'\0', i), resto.size());
            if (fin > i) ficheros.emplace_back(resto.substr(i, fin - i));
            i = fin + 1;
        }
        if (ficheros.empty()) return FALSE;
        yo->Anadir(inicio, std::move(ficheros));
        return TRUE;
    }
    return DefWindowProcW(h, m, w, l);
}

bool EntregarAlReceptor(const std::vector<std::filesystem::path>& ficheros) {
    const std::uint64_t inicio = InicioDeEsteProceso();
    std::wstring datos(sizeof inicio / sizeof(wchar_t), L'\0');
    std::memcpy(datos.data(), &inicio, sizeof inicio);
    for (const auto& f : ficheros) {
        datos += f.native();
        datos += L'\0';
    }
    COPYDATASTRUCT copia{kMarca, static_cast<DWORD>(datos.size() * sizeof(wchar_t)), datos.data()};
    for (int i = 0; i < kIntentos; ++i) {
        if (HWND receptor = FindWindowExW(HWND_MESSAGE, nullptr, kClase, nullptr)) {
            // Its window may come to the front: the user asked for it.
            DWORD proceso = 0;
            GetWindowThreadProcessId(receptor, &proceso);
            AllowSetForegroundWindow(proceso);
            DWORD_PTR tomado = FALSE;
            return SendMessageTimeoutW(receptor, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copia), SMTO_ABORTIFHUNG,
                                       30000, &tomado) &&
                   tomado == TRUE;
        }
        Sleep(kPausaMs);
    }
    return false;
}

}  // namespace varnel::win
