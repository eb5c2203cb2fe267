#pragma once

#include "ui/logic/settings_store.h"

namespace varnel::win {

// The user's settings as REG_SZ values of the registry key
// HKEY_CURRENT_USER\Software\Varnel\varnel, made when first written.
inline constexpr wchar_t kClaveAjustes[] = L"Software\\Varnel\\varnel";

class AjustesRegistro : public logica::AlmacenAjustes {
public:
    std::optional<std::string> Leer(std::string_view clave) const override;
    bool Escribir(std::string_view clave, std::string_view valor) override;
};

}  // namespace varnel::win
