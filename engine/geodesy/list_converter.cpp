#include "engine/geodesy/list_converter.h"

#include "engine/geodesy/datum.h"
#include "engine/geodesy/datum_transformation.h"
#include "engine/geodesy/zone30_projection.h"

namespace varnel {
namespace {

bool EnLaLista(DatumFichero d, DatumLista lista) { return (d == DatumFichero::Ed50) == (lista == DatumLista::Ed50); }

DatumFichero PropioDeLista(DatumLista lista) {
    return lista == DatumLista::Ed50 ? DatumFichero::Ed50 : DatumFichero::Etrs89;
}

std::size_t IndiceElipsoide(const Elipsoide& e) {
    if (&e == &elipsoide::Wgs84) return 1;
    if (&e == &elipsoide::Grs80) return 2;
    return 0;
}

}  // namespace

const ProyeccionUtm& ConversorLista::Huso30(const Elipsoide& e) {
    std::optional<ProyeccionUtm>& p = huso30_[IndiceElipsoide(e)];
    if (!p) p.emplace(e, 30);
    return *p;
}

const ProyeccionUtm& ConversorLista::Origen(const Elipsoide& e, int huso) {
    if (!origen_ || origen_->Huso() != huso || elipsoideOrigen_ != &e) {
        origen_.emplace(e, huso);
        elipsoideOrigen_ = &e;
    }
    return *origen_;
}

// The shape every projected point must have: six and seven digits, and
// where zone 30 means anything.
bool ConversorLista::EnElHuso30(const PuntoFichero& p, const Elipsoide& e) {
    const auto este = p.x.ComoNumero();
    const auto norte = p.y.ComoNumero();
    if (!este || !norte || !CabeEnLista(*este, *norte)) return false;
    const auto utm = PosicionDeZona(p.sur, *este, *norte);
    return utm && CercaDelHuso30(Huso30(e).Inversa(*utm));
}

bool ConversorLista::ALista(const PuntoFichero& p, Valor& x, Valor& y) {
    const DatumFichero datum = p.datum.value_or(PropioDeLista(lista_));
    const bool mismo = EnLaLista(datum, lista_);
    if (p.forma == PuntoFichero::Forma::Utm && p.huso == 30 && mismo) {
        if (propio_ == PuntoPropio::Comprobado && !EnElHuso30(p, ElipsoideDe(datum))) return false;
        x = p.x;
        y = p.y;
        return true;
    }

    PosicionGeografica g = p.geo;
    if (p.forma == PuntoFichero::Forma::Utm) {
        const auto este = p.x.ComoNumero();
        const auto norte = p.y.ComoNumero();
        if (!este || !norte) return false;
        const auto utm = PosicionDeZona(p.sur, *este, *norte);
        if (!utm) return false;
        g = Origen(ElipsoideDe(datum), p.huso).Inversa(*utm);
    }
    if (!CercaDelHuso30(g)) return false;
    if (mismo) return RedondearEnLista(Huso30(ElipsoideDe(datum)).Directa(g), x, y);

    g = lista_ == DatumLista::Ed50 ? Etrs89AEd50(g, celda_) : Ed50AEtrs89(g, celda_);
    bool visto = false;
    for (std::size_t i = 0; i < numDesplazados_; ++i) visto = visto || desplazados_[i] == datum;
    if (!visto) desplazados_[numDesplazados_++] = datum;
    return RedondearEnLista(Huso30(ElipsoideDe(PropioDeLista(lista_))).Directa(g), x, y);
}

std::vector<DatumFichero> ConversorLista::DatumsDesplazados() const {
    return {desplazados_.begin(), desplazados_.begin() + static_cast<std::ptrdiff_t>(numDesplazados_)};
}

}  // namespace varnel
