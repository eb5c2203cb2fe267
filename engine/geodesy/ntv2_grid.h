#pragma once

// An NTv2 grid shift file read in place from its bytes, and the horizontal
// shift PROJ's hgridshift computes with it. The reading is constexpr so an
// embedded grid is checked while it is compiled: a malformed one never builds.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string_view>

#include "engine/geodesy/transverse_mercator.h"

namespace varnel {

static_assert(std::endian::native == std::endian::little, "the grid's numbers are read as they lie in memory");

// One subgrid: extent and steps in radians, east positive (the file counts
// seconds with longitude positive west), worked out as PROJ does.
struct SubrejillaNtv2 {
    std::string_view nombre;
    double sur = 0.0;
    double norte = 0.0;
    double oeste = 0.0;
    double este = 0.0;
    double pasoLatitud = 0.0;
    double pasoLongitud = 0.0;
    int columnas = 0;
    int filas = 0;
    std::size_t datos = 0;  // offset of its first record (south-east corner)
};

inline constexpr int kMaxSubrejillasNtv2 = 4;

struct RejillaNtv2 {
    std::string_view bytes;
    std::array<SubrejillaNtv2, kMaxSubrejillasNtv2> subrejillas{};
    int cuantas = 0;
    bool valida = false;
};

namespace ntv2 {

inline constexpr std::size_t kRegistro = 16;  // every header record and every grid node
inline constexpr double kGradoARadian = std::numbers::pi / 180.0;

template <typename T>
constexpr T Leer(std::string_view b, std::size_t en) {
    std::array<char, sizeof(T)> crudo{};
    for (std::size_t i = 0; i < sizeof(T); ++i) crudo[i] = b[en + i];
    return std::bit_cast<T>(crudo);
}

constexpr bool Clave(std::string_view b, std::size_t en, std::string_view clave) {
    return b.substr(en, 8).starts_with(clave) &&
           b.substr(en + clave.size(), 8 - clave.size()).find_first_not_of(' ') == std::string_view::npos;
}

constexpr double Radianes(double segundos) { return segundos * kGradoARadian / 3600.0; }

// A subgrid's header at `en`; an invalid one leaves `columnas` at 0.
constexpr SubrejillaNtv2 LeerSubrejilla(std::string_view b, std::size_t en) {
    constexpr std::array<std::string_view, 11> kClaves{"SUB_NAME", "PARENT", "CREATED", "UPDATED",  "S_LAT",   "N_LAT",
                                                       "E_LONG",   "W_LONG", "LAT_INC", "LONG_INC", "GS_COUNT"};
    if (b.size() < en + kClaves.size() * kRegistro) return {};
    for (std::size_t i = 0; i < kClaves.size(); ++i)
        if (!Clave(b, en + i * kRegistro, kClaves[i])) return {};
    // Only top-level subgrids: children would need PROJ's descent into them.
    if (b.substr(en + kRegistro + 8, 8) != "NONE    ") return {};
    const auto valor = [&](std::size_t i) { return Leer<double>(b, en + i * kRegistro + 8); };
    SubrejillaNtv2 s{b.substr(en + 8, 8),
                     Radianes(valor(4)),
                     Radianes(valor(5)),
                     -Radianes(valor(7)),
                     -Radianes(valor(6)),
                     Radianes(valor(8)),
                     Radianes(valor(9)),
                     0,
                     0,
                     en + kClaves.size() * kRegistro};
    if (!(s.oeste < s.este && s.sur < s.norte && s.pasoLatitud > 1e-10 && s.pasoLongitud > 1e-10 &&
          s.este - s.oeste < 2.0 * std::numbers::pi && s.sur >= -std::numbers::pi / 2 &&
          s.norte <= std::numbers::pi / 2))
        return {};
    // PROJ's own count of nodes, rounding and all (lround is not constexpr).
    // NOLINTNEXTLINE(bugprone-incorrect-roundings)
    const int columnas = static_cast<int>((s.este - s.oeste) * (1.0 / s.pasoLongitud) + 0.5) + 1;
    // NOLINTNEXTLINE(bugprone-incorrect-roundings)
    const int filas = static_cast<int>((s.norte - s.sur) * (1.0 / s.pasoLatitud) + 0.5) + 1;
    const auto nodos = Leer<std::uint32_t>(b, en + 10 * kRegistro + 8);
    if (nodos != static_cast<std::uint64_t>(columnas) * static_cast<std::uint64_t>(filas)) return {};
    if (b.size() < s.datos + nodos * kRegistro) return {};
    s.columnas = columnas;
    s.filas = filas;
    return s;
}

}  // namespace ntv2

// The file's header and every subgrid checked against each other and the
// file's length: little-endian, GS_TYPE SECONDS, an END record last.
constexpr RejillaNtv2 LeerRejillaNtv2(std::string_view b) {
    using ntv2::kRegistro;
    RejillaNtv2 r{b};
    constexpr std::size_t kCabecera = 11 * kRegistro;
    if (b.size() < kCabecera || !ntv2::Clave(b, 0, "NUM_OREC") || ntv2::Leer<std::int32_t>(b, 8) != 11 ||
        !ntv2::Clave(b, kRegistro, "NUM_SREC") || ntv2::Leer<std::int32_t>(b, kRegistro + 8) != 11 ||
        !ntv2::Clave(b, 2 * kRegistro, "NUM_FILE") || !ntv2::Clave(b, 3 * kRegistro, "GS_TYPE") ||
        b.substr(3 * kRegistro + 8, 8) != "SECONDS ")
        return r;
    const auto cuantas = ntv2::Leer<std::int32_t>(b, 2 * kRegistro + 8);
    if (cuantas < 1 || cuantas > kMaxSubrejillasNtv2) return r;
    std::size_t en = kCabecera;
    for (int i = 0; i < cuantas; ++i) {
        const SubrejillaNtv2 s = ntv2::LeerSubrejilla(b, en);
        if (s.columnas == 0) return r;
        r.subrejillas[static_cast<std::size_t>(i)] = s;
        en = s.datos + static_cast<std::size_t>(s.columnas) * static_cast<std::size_t>(s.filas) * kRegistro;
    }
    r.cuantas = cuantas;
    r.valida = b.size() == en + kRegistro && ntv2::Clave(b, en, "END");
    return r;
}

enum class SentidoRejilla { Directo, Inverso };

// The last cell interpolated in: its subgrid, its south-west node and its four
// nodes' shifts in radians (floats, as read). The inverse looks a cell up two
// to four times per point and a track stays in one cell for hundreds of
// points, so the nodes are read once. Owned by whoever converts a run of
// points (one thread), and used with one grid only.
struct CeldaNtv2 {
    const SubrejillaNtv2* subrejilla = nullptr;
    int x = 0;
    int y = 0;
    std::array<double, 4> lam{};  // nodes (x, y), (x+1, y), (x, y+1), (x+1, y+1)
    std::array<double, 4> phi{};
};

// The shift PROJ's hgridshift gives: the first subgrid (in the file's order)
// whose extent holds the point, bilinear interpolation of its four nodes'
// shifts; the inverse by PROJ's iteration, moving to another subgrid when it
// leaves the first. Degrees in and out; nothing where no subgrid reaches or
// the iteration does not converge, as PROJ reports the point outside the grid.
std::optional<PosicionGeografica> DesplazarConRejilla(const RejillaNtv2& rejilla, PosicionGeografica p,
                                                      SentidoRejilla sentido);
// The same, keeping the cell in `celda` for the next point.
std::optional<PosicionGeografica> DesplazarConRejilla(const RejillaNtv2& rejilla, PosicionGeografica p,
                                                      SentidoRejilla sentido, CeldaNtv2& celda);

}  // namespace varnel
