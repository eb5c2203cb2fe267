#include "ui/logic/drive_choice.h"

#include <algorithm>
#include <iterator>

namespace varnel::logica {
namespace {

// "c:" and "C:" are one drive.
std::filesystem::path::string_type Mayusculas(std::filesystem::path::string_type s) {
    for (auto& ch : s)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<std::filesystem::path::value_type>(ch - 'a' + 'A');
    return s;
}

bool EsLetra(const std::filesystem::path& unidad) {
    const auto& s = unidad.native();
    return s.size() == 2 && s[1] == ':' && ((s[0] >= 'a' && s[0] <= 'z') || (s[0] >= 'A' && s[0] <= 'Z'));
}

// How many parts of the folder's path the root takes; -1 when it does not hold it.
int Alcance(const std::filesystem::path& raiz, const std::filesystem::path& carpeta) {
    if (Mayusculas(raiz.root_name().native()) != Mayusculas(carpeta.root_name().native()) ||
        raiz.has_root_directory() != carpeta.has_root_directory())
        return -1;
    int partes = 0;
    const std::filesystem::path relativa = carpeta.relative_path();
    auto c = relativa.begin();
    for (const std::filesystem::path& parte : raiz.relative_path()) {
        if (parte.empty()) continue;  // "/media/usb/"
        if (c == relativa.end() || *c != parte) return -1;
        ++c;
        ++partes;
    }
    return partes;
}

}  // namespace

UnidadesMostradas ElegirUnidad(std::vector<std::filesystem::path> delSistema, const std::filesystem::path& carpeta) {
    const std::filesystem::path limpia = carpeta.lexically_normal();
    int mejor = -1;
    std::size_t elegida = delSistema.size();
    for (std::size_t i = 0; i < delSistema.size(); ++i) {
        const int alcance = Alcance(delSistema[i].lexically_normal(), limpia);
        if (alcance > mejor) {
            mejor = alcance;
            elegida = i;
        }
    }
    if (elegida == delSistema.size() && EsLetra(limpia.root_name())) {
        // As the system writes a drive: "D:\", not "d:\".
        delSistema.emplace_back(Mayusculas(limpia.root_name().native()) + limpia.root_directory().native());
    }
    return {std::move(delSistema), elegida};
}

}  // namespace varnel::logica
