#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/line_reading.h"

namespace varnel::prueba {

// One line in, what the format makes of it: a point (as its text), a line
// that carries none, or a line that is not a point.
struct CasoLinea {
    const char* nombre;  // what the case is, as its test's name
    const char* linea;
    Lectura lectura;
    const char* x = "";  // the point's values as text, when it is one
    const char* y = "";
};

inline void PrintTo(const CasoLinea& c, std::ostream* os) { *os << ::testing::PrintToString(std::string(c.linea)); }

inline std::string NombreDeCaso(const ::testing::TestParamInfo<CasoLinea>& info) { return info.param.nombre; }

// Reads the case's line with `leer` and checks the outcome.
inline void ComprobarLinea(LeerLineaFn leer, const CasoLinea& c) {
    Valor x = Valor::Texto("antes");
    Valor y = Valor::Texto("antes");
    ASSERT_EQ(leer(c.linea, x, y), c.lectura);
    if (c.lectura == Lectura::Punto) {
        EXPECT_EQ(x.ComoTexto(), c.x);
        EXPECT_EQ(y.ComoTexto(), c.y);
    } else {  // untouched
        EXPECT_EQ(x, Valor::Texto("antes"));
        EXPECT_EQ(y, Valor::Texto("antes"));
    }
}

}  // namespace varnel::prueba
