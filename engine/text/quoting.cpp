#include "engine/text/quoting.h"

namespace varnel {

std::string Citar(std::string_view v, std::size_t maximo) {
    std::string s = "«";
    if (v.size() <= maximo) {
        s += v;
    } else {
        std::size_t corte = maximo;
        while (corte > 0 && (static_cast<unsigned char>(v[corte]) & 0xC0) == 0x80) --corte;
        s += v.substr(0, corte);
        s += "…";
    }
    s += "»";
    return s;
}

}  // namespace varnel
