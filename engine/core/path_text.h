#pragma once

#include <filesystem>
#include <string>

namespace varnel {

// A path as the text the window shows. Windows paths are UTF-16 and become
// UTF-8; elsewhere a path is bytes and is shown as it stands.
inline std::string TextoRuta(const std::filesystem::path& ruta) {
#ifdef _WIN32
    const std::u8string u8 = ruta.u8string();
    return std::string(u8.begin(), u8.end());
#else
    return ruta.string();
#endif
}

}  // namespace varnel
