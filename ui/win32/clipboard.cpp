#include "ui/win32/clipboard.h"

#include <chrono>
#include <cstring>
#include <cwchar>

namespace varnel::win {
namespace {

bool Abrir(HWND propietaria) {
    const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(250);
    while (!OpenClipboard(propietaria)) {
        if (std::chrono::steady_clock::now() >= limite) return false;
        Sleep(10);
    }
    return true;
}

}  // namespace

std::optional<std::wstring> LeerPortapapeles(HWND propietaria) {
    if (!Abrir(propietaria)) return std::nullopt;
    std::wstring texto;
    if (HANDLE datos = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* p = static_cast<const wchar_t*>(GlobalLock(datos))) {
            texto.assign(p, wcsnlen(p, GlobalSize(datos) / sizeof(wchar_t)));
            GlobalUnlock(datos);
        }
    }
    CloseClipboard();
    return texto;
}

bool PonerPortapapeles(HWND propietaria, const std::wstring& texto) {
    if (!Abrir(propietaria)) return false;
    EmptyClipboard();
    if (!texto.empty()) {
        const std::size_t bytes = (texto.size() + 1) * sizeof(wchar_t);
        if (HGLOBAL memoria = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
            if (void* p = GlobalLock(memoria)) {
                std::memcpy(p, texto.c_str(), bytes);
                GlobalUnlock(memoria);
                if (!SetClipboardData(CF_UNICODETEXT, memoria)) GlobalFree(memoria);
            } else {
                GlobalFree(memoria);
            }
        }
    }
    CloseClipboard();
    return true;
}

}  // namespace varnel::win
