#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "ui/forms/form.h"
#include "ui/logic/control_name.h"

namespace varnel::logica {

// The controls of a window that take the focus, in the order Tab moves it
// through them: by their tab indexes, whatever order they are created in.
std::vector<NombreControl> OrdenTab(std::span<const formularios::Control> tabla);

}  // namespace varnel::logica
