#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

#include "engine/formats/line_reading.h"
#include "engine/geodesy/list_converter.h"
#include "engine/geodesy/zone30_projection.h"

namespace varnel::prueba {

// One line in, what the format makes of it: a point (as its text), a line
// that carries none, or a line that is not a point (and why, when it says).
struct CasoLinea {
    const char* nombre;
    const char* linea;
    Lectura lectura;
    const char* x = "";  // the point's values as text, when it is one
    const char* y = "";
    const char* motivo = "";
};

inline void PrintTo(const CasoLinea& c, std::ostream* os) { *os << ::testing::PrintToString(std::string(c.linea)); }

inline std::string NombreDeCaso(const ::testing::TestParamInfo<CasoLinea>& info) { return info.param.nombre; }

// Reads the case's line with a new reader of the format, after `previas`
// (a header, say), brings its point to a list on `datum` as a run does, and
// checks the outcome: a point the list cannot hold is refused as a line.
inline void ComprobarLinea(CrearLectorFn crear, const CasoLinea& c,
                           std::initializer_list<std::string_view> previas = {}, DatumLista datum = DatumLista::Ed50) {
    const auto lector = crear();
    ConversorLista conversor(datum);
    PuntoFichero punto;
    Valor x = Valor::Texto("antes");
    Valor y = Valor::Texto("antes");
    for (std::string_view p : previas) ASSERT_EQ(lector->Leer(p, punto), Lectura::LineaIgnorada) << p;
    Lectura lectura = lector->Leer(c.linea, punto);
    std::string motivo = lector->Motivo();
    if (lectura == Lectura::Punto && !conversor.ALista(punto, x, y)) {
        lectura = Lectura::NoEsPunto;
        motivo = kFueraDelHuso30;
    }
    ASSERT_EQ(lectura, c.lectura);
    EXPECT_EQ(motivo, c.motivo);
    if (c.lectura == Lectura::Punto) {
        EXPECT_EQ(x.ComoTexto(), c.x);
        EXPECT_EQ(y.ComoTexto(), c.y);
    } else {  // untouched
        EXPECT_EQ(x, Valor::Texto("antes"));
        EXPECT_EQ(y, Valor::Texto("antes"));
    }
}

}  // namespace varnel::prueba
