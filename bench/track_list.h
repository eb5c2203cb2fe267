#pragma once

#include <cstdint>
#include <string>

// A walk of `n` GPS points a few metres apart round Pamplona, as the box
// holds it after a drop: the same list on every run (a fixed generator).
inline std::string ListaDeUnPaseo(int n) {
    std::string lista;
    std::uint32_t semilla = 12345;
    auto azar = [&semilla] {
        semilla = semilla * 1664525U + 1013904223U;
        return static_cast<int>((semilla >> 16) % 11) - 5;  // -5..5 m
    };
    int x = 610000;
    int y = 4741000;
    for (int i = 0; i < n; ++i) {
        if (i) lista += "\r\n";
        x += azar() + (i / 4000 % 2 ? -2 : 2);
        y += azar() + 1;
        lista += std::to_string(x) + "," + std::to_string(y);
    }
    return lista;
}
