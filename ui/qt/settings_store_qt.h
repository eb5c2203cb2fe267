#pragma once

#include "ui/logic/settings_store.h"

namespace varnel {

// The user's settings in an INI file: ~/.config/Varnel/varnel.conf on Linux
// (QSettings, native format, user scope, organisation "Varnel", application
// "varnel").
class AjustesQt : public logica::AlmacenAjustes {
public:
    std::optional<std::string> Leer(std::string_view clave) const override;
    bool Escribir(std::string_view clave, std::string_view valor) override;
};

}  // namespace varnel
