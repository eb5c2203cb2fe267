#pragma once

namespace varnel {
struct PosicionGeografica {
    double latitud;
    double longitud;
};
}  // namespace varnel
