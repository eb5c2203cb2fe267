#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/logic/settings_store.h"

namespace varnel::prueba {

// Settings in memory, every write recorded in order.
class AjustesFalsos : public logica::AlmacenAjustes {
public:
    std::map<std::string, std::string, std::less<>> valores;
    std::vector<std::pair<std::string, std::string>> escritos;
    bool ilegible = false;      // every read fails, as a file that cannot be read
    bool sinEscritura = false;  // every write fails, as a read-only store

    std::optional<std::string> Leer(std::string_view clave) const override {
        const auto it = valores.find(clave);
        if (ilegible || it == valores.end()) return std::nullopt;
        return it->second;
    }
    bool Escribir(std::string_view clave, std::string_view valor) override {
        escritos.emplace_back(clave, valor);
        if (sinEscritura) return false;
        valores[std::string(clave)] = valor;
        return true;
    }
};

}  // namespace varnel::prueba
