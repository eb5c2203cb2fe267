#pragma once

#include <gtest/gtest.h>

#include <string>

#include "fake_window.h"
#include "test_support.h"
#include "varnel_engine.h"

namespace varnel::prueba {

class MotorTest : public ::testing::Test {
protected:
    MotorTest() { ventana.carpeta = dir.Ruta(); }

    std::string Ruta(const char* nombre) const { return Utf8(dir / nombre); }
    std::string Leer(const char* nombre) const { return LeerBytes(dir / nombre); }
    void Poner(const char* nombre, const std::string& bytes) const { EscribirBytes(dir / nombre, bytes); }
    bool Existe(const char* nombre) const { return std::filesystem::exists(dir / nombre); }

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

}  // namespace varnel::prueba
