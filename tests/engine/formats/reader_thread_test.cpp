// The reader on its own thread gives exactly what the reader gives: every
// point with its line, in order, across batches; the error after the points
// before it; and it stops a reader nobody takes from any more.

#include "engine/formats/reader_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <stdexcept>
#include <vector>

namespace varnel {
namespace {

// Point i (from 0) on line 2 i + 1; after `puntos` points, the end or `fallo`.
class LectorContado final : public LectorPuntosFichero {
public:
    enum class Fallo { Ninguno, Contenido, Otro };
    LectorContado(std::int64_t puntos, Fallo fallo, std::atomic<std::int64_t>* leidos = nullptr,
                  std::atomic<bool>* destruido = nullptr)
        : puntos_(puntos), fallo_(fallo), leidos_(leidos), destruido_(destruido) {}
    ~LectorContado() override {
        if (destruido_) *destruido_ = true;
    }

    bool Siguiente(PuntoFichero& p) override {
        if (i_ == puntos_) {
            if (fallo_ == Fallo::Contenido) {
                linea_ = 2 * i_ + 1;
                throw ErrorEjecucion::EnLinea(codigo::TiposNoCoinciden, {linea_, "f.gpx"}, "motivo");
            }
            if (fallo_ == Fallo::Otro) throw std::runtime_error("lectura fallida");
            return false;
        }
        p.forma = PuntoFichero::Forma::Geograficas;
        p.geo = {42.0 + static_cast<double>(i_) * 1e-6, -1.5};
        p.x = Valor::Texto("x" + std::to_string(i_));  // a text value must travel whole too
        linea_ = 2 * i_ + 1;
        ++i_;
        if (leidos_) *leidos_ = i_;
        return true;
    }
    UbicacionLinea Ubicacion() const override { return {linea_, "f.gpx"}; }

private:
    std::int64_t puntos_;
    Fallo fallo_;
    std::atomic<std::int64_t>* leidos_;
    std::atomic<bool>* destruido_;
    std::int64_t i_ = 0;
    std::int64_t linea_ = 0;
};

struct Caso {
    std::int64_t puntos;
    LectorContado::Fallo fallo;
};

class LectorEnHiloTest : public ::testing::TestWithParam<Caso> {};

TEST_P(LectorEnHiloTest, DaLoQueDaElLector) {
    const Caso c = GetParam();
    LectorEnHilo lector(std::make_unique<LectorContado>(c.puntos, c.fallo));
    EXPECT_EQ(lector.Ubicacion().fichero, "f.gpx");
    PuntoFichero p;
    std::int64_t n = 0;
    const auto leerTodo = [&] {
        while (lector.Siguiente(p)) {
            ASSERT_EQ(p.geo.latitud, 42.0 + static_cast<double>(n) * 1e-6);
            ASSERT_EQ(p.x.ComoTexto(), "x" + std::to_string(n));
            ASSERT_EQ(lector.Ubicacion().numero, 2 * n + 1);
            ++n;
        }
    };
    switch (c.fallo) {
    case LectorContado::Fallo::Ninguno:
        leerTodo();
        EXPECT_FALSE(lector.Siguiente(p));  // and stays at the end
        break;
    case LectorContado::Fallo::Contenido:
        try {
            leerTodo();
            FAIL() << "sin error";
        } catch (const ErrorEjecucion& e) {
            EXPECT_EQ(e.Linea().numero, 2 * c.puntos + 1);
            EXPECT_EQ(lector.Ubicacion().numero, 2 * c.puntos + 1);
        }
        break;
    case LectorContado::Fallo::Otro: EXPECT_THROW(leerTodo(), std::runtime_error); break;
    }
    EXPECT_EQ(n, c.puntos);  // every point before the end or the error came out
}

// Around the batch size (512) and the points that may wait (4 batches).
INSTANTIATE_TEST_SUITE_P(
    Lotes, LectorEnHiloTest,
    ::testing::Values(Caso{0, LectorContado::Fallo::Ninguno}, Caso{1, LectorContado::Fallo::Ninguno},
                      Caso{511, LectorContado::Fallo::Ninguno}, Caso{512, LectorContado::Fallo::Ninguno},
                      Caso{513, LectorContado::Fallo::Ninguno}, Caso{5000, LectorContado::Fallo::Ninguno},
                      Caso{0, LectorContado::Fallo::Contenido}, Caso{512, LectorContado::Fallo::Contenido},
                      Caso{1300, LectorContado::Fallo::Contenido}, Caso{700, LectorContado::Fallo::Otro}));

TEST(LectorEnHiloParadaTest, QuienDejaDeTomarParaAlLector) {
    std::atomic<std::int64_t> leidos{0};
    std::atomic<bool> destruido{false};
    {
        LectorEnHilo lector(
            std::make_unique<LectorContado>(10'000'000, LectorContado::Fallo::Ninguno, &leidos, &destruido));
        PuntoFichero p;
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(lector.Siguiente(p));
    }
    EXPECT_TRUE(destruido);
    // A few batches ahead at most, not the ten million.
    EXPECT_LE(leidos.load(), 6 * 512);
}

}  // namespace
}  // namespace varnel
