#include "engine/geodesy/ntv2_grid.h"

#include <cmath>
#include <limits>

// Every step follows PROJ's hgridshift (grids.cpp) to the letter, rounding
// included: the shifts are turned into radians and kept as floats, the
// cell's corners weighed in doubles, and the same tolerances at the edges.

namespace varnel {
namespace {

constexpr double kTolerancia = 1e-5;  // PROJ's REL_TOLERANCE_HGRIDSHIFT
constexpr int kIteraciones = 10;
constexpr double kConvergencia = 1e-12;

struct Lp {
    double lam;
    double phi;
};

constexpr double kFuera = HUGE_VAL;

double Epsilon(const SubrejillaNtv2& s) { return (s.pasoLongitud + s.pasoLatitud) * kTolerancia; }

bool Contiene(const SubrejillaNtv2& s, Lp p) {
    const double eps = Epsilon(s);
    if (!(p.phi + eps >= s.sur && p.phi - eps <= s.norte)) return false;
    if (p.lam + eps < s.oeste) {
        p.lam += 2 * std::numbers::pi;
    } else if (p.lam - eps > s.este) {
        p.lam -= 2 * std::numbers::pi;
    }
    return p.lam + eps >= s.oeste && p.lam - eps <= s.este;
}

const SubrejillaNtv2* Buscar(const RejillaNtv2& r, Lp p) {
    for (int i = 0; i < r.cuantas; ++i) {
        const SubrejillaNtv2& s = r.subrejillas[static_cast<std::size_t>(i)];
        if (Contiene(s, p)) return &s;
    }
    return nullptr;
}

// A node's shift in radians, east positive; x counts from the west, while
// the file's rows run from east to west.
Lp Nodo(const RejillaNtv2& r, const SubrejillaNtv2& s, int x, int y) {
    const std::size_t indice = static_cast<std::size_t>(y) * static_cast<std::size_t>(s.columnas) +
                               static_cast<std::size_t>(s.columnas - 1 - x);
    const std::size_t en = s.datos + indice * ntv2::kRegistro;
    constexpr double kSegundo = (std::numbers::pi / 180.0) / 3600.0;
    const auto lat = static_cast<float>(ntv2::Leer<float>(r.bytes, en) * kSegundo);
    const float lon = -static_cast<float>(ntv2::Leer<float>(r.bytes, en + 4) * kSegundo);
    return {lon, lat};
}

// lround(floor(v)) as an int, NaN as 0: within int's range without a call
// into the maths library, which this lookup makes twice per iteration.
int Piso(double v) {
    if (std::isnan(v)) return 0;
    if (v >= -2147483648.0 && v < 2147483648.0) {
        const int i = static_cast<int>(v);  // towards zero
        return i > v ? i - 1 : i;
    }
    return static_cast<int>(std::lround(std::floor(v)));
}

// `t` from the subgrid's south-west corner, in radians.
Lp Interpolar(const RejillaNtv2& r, const SubrejillaNtv2& s, Lp t, CeldaNtv2& c) {
    t.lam /= s.pasoLongitud;
    t.phi /= s.pasoLatitud;
    int x = Piso(t.lam);
    int y = Piso(t.phi);
    double fx = t.lam - x;
    double fy = t.phi - y;
    constexpr Lp kNada{kFuera, kFuera};
    // Just past the last node (by a hundred-thousandth of a cell) counts as on it.
    const auto ajustar = [](int& i, double& f, int nodos) {
        if (i < 0) {
            if (i != -1 || f <= 1 - 10 * kTolerancia) return false;
            ++i;
            f = 0.0;
        } else if (i + 1 >= nodos) {
            if (i + 1 != nodos || f >= 10 * kTolerancia) return false;
            --i;
            f = 1.0;
        }
        return true;
    };
    if (!ajustar(x, fx, s.columnas) || !ajustar(y, fy, s.filas)) return kNada;
    if (c.subrejilla != &s || c.x != x || c.y != y) {
        const std::array<Lp, 4> f{Nodo(r, s, x, y), Nodo(r, s, x + 1, y), Nodo(r, s, x, y + 1),
                                  Nodo(r, s, x + 1, y + 1)};
        for (std::size_t i = 0; i < f.size(); ++i) {
            c.lam[i] = f[i].lam;
            c.phi[i] = f[i].phi;
        }
        c.subrejilla = &s;
        c.x = x;
        c.y = y;
    }
    const double m00 = (1.0 - fx) * (1.0 - fy);
    const double m10 = fx * (1.0 - fy);
    const double m01 = (1.0 - fx) * fy;
    const double m11 = fx * fy;
    return {m00 * c.lam[0] + m10 * c.lam[1] + m01 * c.lam[2] + m11 * c.lam[3],
            m00 * c.phi[0] + m10 * c.phi[1] + m01 * c.phi[2] + m11 * c.phi[3]};
}

// The point from the subgrid's south-west corner, a turn added or taken
// off when it lies across the antimeridian.
Lp DesdeEsquina(const SubrejillaNtv2& s, Lp p) {
    Lp t{p.lam - s.oeste, p.phi - s.sur};
    if (t.lam + Epsilon(s) < 0) {
        t.lam += 2 * std::numbers::pi;
    } else if (t.lam - Epsilon(s) > s.este - s.oeste) {
        t.lam -= 2 * std::numbers::pi;
    }
    return t;
}

double AjustarLongitud(double lam) {
    if (std::fabs(lam) < std::numbers::pi + 1e-12) return lam;
    lam += std::numbers::pi;
    lam -= 2 * std::numbers::pi * std::floor(lam / (2 * std::numbers::pi));
    return lam - std::numbers::pi;
}

std::optional<Lp> Inversa(const RejillaNtv2& r, const SubrejillaNtv2* s, Lp entrada, Lp tb, Lp t, CeldaNtv2& c) {
    t = {tb.lam - t.lam, tb.phi - t.phi};
    Lp del{};
    int vueltas = kIteraciones;
    double dif2 = 0.0;
    do {
        del = Interpolar(r, *s, t, c);
        // The iteration may leave the first subgrid: go on in the one it reached.
        if (del.lam == kFuera) {
            const Lp absoluto{t.lam + s->oeste, t.phi + s->sur};
            const SubrejillaNtv2* otra = Buscar(r, absoluto);
            if (otra == nullptr || otra == s) break;
            s = otra;
            t = {absoluto.lam - s->oeste, absoluto.phi - s->sur};
            tb = DesdeEsquina(*s, entrada);
            dif2 = std::numeric_limits<double>::max();
            continue;
        }
        const Lp dif{t.lam + del.lam - tb.lam, t.phi + del.phi - tb.phi};
        t.lam -= dif.lam;
        t.phi -= dif.phi;
        dif2 = dif.lam * dif.lam + dif.phi * dif.phi;
    } while (--vueltas != 0 && dif2 > kConvergencia * kConvergencia);
    if (vueltas == 0) return std::nullopt;
    return Lp{AjustarLongitud(t.lam + s->oeste), t.phi + s->sur};
}

}  // namespace

std::optional<PosicionGeografica> DesplazarConRejilla(const RejillaNtv2& rejilla, PosicionGeografica p,
                                                      SentidoRejilla sentido) {
    CeldaNtv2 celda;
    return DesplazarConRejilla(rejilla, p, sentido, celda);
}

std::optional<PosicionGeografica> DesplazarConRejilla(const RejillaNtv2& rejilla, PosicionGeografica p,
                                                      SentidoRejilla sentido, CeldaNtv2& celda) {
    const Lp entrada{p.longitud * ntv2::kGradoARadian, p.latitud * ntv2::kGradoARadian};
    const SubrejillaNtv2* s = Buscar(rejilla, entrada);
    if (s == nullptr) return std::nullopt;
    const Lp tb = DesdeEsquina(*s, entrada);
    const Lp t = Interpolar(rejilla, *s, tb, celda);
    if (t.lam == kFuera) return std::nullopt;
    std::optional<Lp> salida = Lp{entrada.lam + t.lam, entrada.phi + t.phi};
    if (sentido == SentidoRejilla::Inverso) salida = Inversa(rejilla, s, entrada, tb, t, celda);
    if (!salida) return std::nullopt;
    return PosicionGeografica{salida->phi / ntv2::kGradoARadian, salida->lam / ntv2::kGradoARadian};
}

}  // namespace varnel
