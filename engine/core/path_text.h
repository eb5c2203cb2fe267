#pragma once

#include <filesystem>
#include <string>

namespace varnel {

// A path as the text the window shows. Windows paths are UTF-16 and become
// UTF-8, a lone surrogate (an NTFS name may hold one) as U+FFFD; elsewhere a
// path is bytes and is shown as it stands. Never throws.
std::string TextoRuta(const std::filesystem::path& ruta);

// False for a path with no text of its own: a Windows name holding a lone
// surrogate, which no report could name as it is.
bool RutaEsTexto(const std::filesystem::path& ruta);

// Throws error 76 naming `ruta` when it is not text: a run refuses such a
// path before it opens anything, instead of writing a name it cannot show.
void ExigirRutaConTexto(const std::filesystem::path& ruta);

}  // namespace varnel
