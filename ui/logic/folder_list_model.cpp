#include "ui/logic/folder_list_model.h"

namespace varnel::logica {

bool ModeloCarpetas::PonerCarpeta(const std::filesystem::path& ruta) {
    const std::filesystem::path nueva = sistema_.Completa(ruta);
    if (nueva.empty()) return false;
    const auto subcarpetas = sistema_.Subcarpetas(nueva);
    if (!subcarpetas) return false;
    carpeta_ = nueva;
    Rellenar(*subcarpetas);
    return true;
}

bool ModeloCarpetas::PonerCarpetaInicial(const std::filesystem::path& ruta) {
    if (PonerCarpeta(ruta)) return true;
    const std::filesystem::path completa = sistema_.Completa(ruta);
    if (completa.empty() || !sistema_.EsCarpeta(completa)) return false;
    carpeta_ = completa;
    Rellenar({});
    return true;
}

void ModeloCarpetas::ListarOtraVez() {
    Rellenar(sistema_.Subcarpetas(carpeta_).value_or(std::vector<std::filesystem::path>()));
}

std::filesystem::path ModeloCarpetas::RutaDe(std::ptrdiff_t fila) const {
    if (fila < 0 || static_cast<std::size_t>(fila) >= entradas_.size()) return carpeta_;
    return entradas_[static_cast<std::size_t>(fila)].ruta;
}

void ModeloCarpetas::Rellenar(const std::vector<std::filesystem::path>& subcarpetas) {
    entradas_.clear();
    std::filesystem::path ruta = carpeta_.root_path();
    entradas_.push_back({ruta, ruta, 0, true});
    int nivel = 1;
    for (const std::filesystem::path& parte : carpeta_.relative_path()) {
        if (parte.empty()) continue;  // a trailing separator
        ruta /= parte;
        entradas_.push_back({ruta, parte, nivel++, true});
    }
    filaActual_ = entradas_.size() - 1;
    for (const std::filesystem::path& nombre : subcarpetas)
        entradas_.push_back({carpeta_ / nombre, nombre, nivel, false});
}

}  // namespace varnel::logica
