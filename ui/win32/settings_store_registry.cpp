#include "ui/win32/settings_store_registry.h"

#include <windows.h>

#include "ui/win32/win_text.h"

namespace varnel::win {

std::optional<std::string> AjustesRegistro::Leer(std::string_view clave) const {
    const std::wstring nombre = Ancho(clave);
    // Twice: the size, then the text; a value of another type is no setting of ours.
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kClaveAjustes, nombre.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::wstring texto(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(texto.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, kClaveAjustes, nombre.c_str(), RRF_RT_REG_SZ, nullptr, texto.data(), &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;  // changed meanwhile
    // The size counts the terminating null, which RegGetValueW always writes.
    texto.resize(bytes / sizeof(wchar_t));
    while (!texto.empty() && texto.back() == L'\0') texto.pop_back();
    return Utf8(texto);
}

bool AjustesRegistro::Escribir(std::string_view clave, std::string_view valor) {
    const std::wstring nombre = Ancho(clave);
    const std::wstring texto = Ancho(valor);
    const auto bytes = static_cast<DWORD>((texto.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(HKEY_CURRENT_USER, kClaveAjustes, nombre.c_str(), REG_SZ, texto.c_str(), bytes) ==
           ERROR_SUCCESS;
}

}  // namespace varnel::win
