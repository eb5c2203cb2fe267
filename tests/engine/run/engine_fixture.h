#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/run/varnel_engine.h"
#include "tests/engine/run/fake_window.h"
#include "tests/test_support.h"

namespace varnel {

inline void PrintTo(const Conversion& c, std::ostream* os) { *os << c.boton; }

namespace prueba {

// Names a case of a suite run over the conversions after its button.
inline std::string NombreDeConversion(const ::testing::TestParamInfo<Conversion>& info) {
    return std::string(info.param.boton);
}

class MotorTest : public ::testing::Test {
protected:
    MotorTest() { ventana.carpeta = dir.Ruta(); }

    std::string Ruta(std::string_view nombre) const { return Utf8(dir / nombre); }
    std::string Leer(std::string_view nombre) const { return LeerBytes(dir / nombre); }
    void Poner(std::string_view nombre, const std::string& bytes) const { EscribirBytes(dir / nombre, bytes); }
    bool Existe(std::string_view nombre) const { return std::filesystem::exists(dir / nombre); }

    // The error report: one beep, the messages box and the modal text.
    void EsperarError(const std::string& mensajes, const std::string& modal) const {
        EXPECT_EQ(ventana.pitidos, 1);
        EXPECT_EQ(ventana.mensajes, mensajes);
        ASSERT_EQ(ventana.modales.size(), 1u);
        EXPECT_EQ(ventana.modales[0], modal);
    }
    void EsperarResumen(const std::string& resumen) const {
        EXPECT_EQ(ventana.pitidos, 0);
        EXPECT_TRUE(ventana.modales.empty());
        EXPECT_EQ(ventana.mensajes, resumen);
    }

    CarpetaTemporal dir;
    VentanaFalsa ventana;
    MotorVarnel motor{ventana};
};

}  // namespace prueba
}  // namespace varnel
