#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

#include "ui/logic/controls.h"

namespace varnel::win {

// The common item dialog for saving, as the logic asks for it; nothing when
// the user cancels or the dialog cannot be made.
std::optional<std::filesystem::path> PedirRutaGuardadoWin(HWND propietario, const logica::DialogoGuardado& d);

}  // namespace varnel::win
