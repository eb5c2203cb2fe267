#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

// Which drive the drive list shows for a folder, whatever toolkit draws it.
namespace varnel::logica {

struct UnidadesMostradas {
    std::vector<std::filesystem::path> raices;  // the drives' roots, in the list's order
    std::size_t elegida;                        // the one that holds the folder; raices.size(): none
};

// Of the system's drives (their roots: "C:\", or mount points "/", "/media/usb"),
// the one that holds the folder is the longest root it lies under, drive letters
// compared case aside. A folder on a drive letter the system does not list
// (no longer, or not to this user) adds its drive's root, at the end; any
// other folder on no listed drive is on none.
UnidadesMostradas ElegirUnidad(std::vector<std::filesystem::path> delSistema, const std::filesystem::path& carpeta);

}  // namespace varnel::logica
