#pragma once

#include <string_view>

#include "ui/forms/help_form.h"
#include "ui/forms/main_form.h"

namespace varnel::logica {

// A control's name that the window description holds: a literal is checked
// when it is compiled ("txtPorta" builds, "txtPorte" does not), so the rules
// cannot name a control that no toolkit creates.
class NombreControl {
public:
    // NOLINTNEXTLINE(google-explicit-constructor): a literal is a name.
    consteval NombreControl(const char* nombre) : nombre_(nombre) {
        if (formularios::Indice(formularios::kControlesPrincipal, nombre_) < 0 &&
            formularios::Indice(formularios::kControlesAyuda, nombre_) < 0)
            throw "no such control in the window description";
    }
    // A row of the description is a name by definition.
    static constexpr NombreControl De(const formularios::Control& fila) { return NombreControl(fila.nombre, 0); }

    constexpr std::string_view Ver() const { return nombre_; }
    // NOLINTNEXTLINE(google-explicit-constructor)
    constexpr operator std::string_view() const { return nombre_; }
    friend constexpr bool operator==(NombreControl a, NombreControl b) { return a.nombre_ == b.nombre_; }

private:
    constexpr NombreControl(std::string_view nombre, int) : nombre_(nombre) {}
    std::string_view nombre_;
};

}  // namespace varnel::logica
