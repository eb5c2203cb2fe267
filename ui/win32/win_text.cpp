#include "ui/win32/win_text.h"

namespace varnel::win {

std::wstring Ancho(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring r(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), r.data(), n);
    return r;
}

std::string Utf8(std::wstring_view texto) {
    if (texto.empty()) return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0, nullptr, nullptr);
    std::string r(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), r.data(), n, nullptr, nullptr);
    return r;
}

std::wstring TextoDe(HWND ventana) {
    const int n = GetWindowTextLengthW(ventana);
    std::wstring r(static_cast<std::size_t>(n) + 1, L'\0');
    const int leidos = GetWindowTextW(ventana, r.data(), n + 1);
    r.resize(static_cast<std::size_t>(leidos > 0 ? leidos : 0));
    return r;
}

std::wstring ConCrLf(std::wstring_view texto) {
    std::wstring r;
    r.reserve(texto.size() + texto.size() / 8);
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const wchar_t c = texto[i];
        if (c == L'\r') {
            r += L"\r\n";
            if (i + 1 < texto.size() && texto[i + 1] == L'\n') ++i;
        } else if (c == L'\n') {
            r += L"\r\n";
        } else {
            r += c;
        }
    }
    return r;
}

}  // namespace varnel::win
