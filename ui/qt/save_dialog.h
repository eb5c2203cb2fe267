#pragma once

#include <filesystem>
#include <optional>

#include "ui/logic/controls.h"

class QWidget;

namespace varnel {

// Qt's save dialog as the logic asks for it; nothing when cancelled.
std::optional<std::filesystem::path> PedirRutaGuardadoQt(QWidget* padre, const logica::DialogoGuardado& d);

}  // namespace varnel
