#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where the user's choices outlive the program, one UTF-8 text per key: each
// toolkit keeps them where its platform keeps a user's settings.
namespace varnel::logica {

class AlmacenAjustes {
public:
    virtual ~AlmacenAjustes() = default;

    // Nothing when the key is missing or cannot be read.
    virtual std::optional<std::string> Leer(std::string_view clave) const = 0;
    // False when it could not be kept.
    virtual bool Escribir(std::string_view clave, std::string_view valor) = 0;
};

}  // namespace varnel::logica
