#include "ui/logic/tab_order.h"

#include <algorithm>

namespace varnel::logica {

std::vector<NombreControl> OrdenTab(std::span<const formularios::Control> tabla) {
    std::vector<const formularios::Control*> foco;
    for (const formularios::Control& c : tabla)
        if (c.indiceTab >= 0) foco.push_back(&c);
    std::stable_sort(foco.begin(), foco.end(),
                     [](const auto* a, const auto* b) { return a->indiceTab < b->indiceTab; });
    std::vector<NombreControl> nombres;
    nombres.reserve(foco.size());
    for (const formularios::Control* c : foco) nombres.push_back(NombreControl::De(*c));
    return nombres;
}

}  // namespace varnel::logica
