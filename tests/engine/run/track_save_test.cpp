// The box's list saved as GPX, KML or KMZ: read back by the drop, the list comes
// back byte for byte on either datum; what the box holds decides what is
// written, and a refusal leaves the old file as it was.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/engine/run/engine_fixture.h"

namespace varnel::prueba {
namespace {

class GuardarIdaYVueltaTest : public MotorTest, public ::testing::WithParamInterface<DatumYFormato> {};

TEST_P(GuardarIdaYVueltaTest, SoltadoDaLaMismaLista) {
    const auto [datumLista, formato] = GetParam();
    datum = datumLista;
    // The list a GPS walk gave (eight points across Navarre) and a long one.
    for (const std::string& lista : {DatoDePrueba("gpx/navarra.ed50.expected.txt"), ListaSitna(2000)}) {
        cuadro = lista;
        const std::string nombre = formato == FormatoTraza::Gpx   ? "Sitna.gpx"
                                   : formato == FormatoTraza::Kml ? "Sitna.kml"
                                                                  : "Sitna.kmz";
        Guardar(nombre, formato);
        const int n = static_cast<int>(std::count(lista.begin(), lista.end(), '\n'));
        EsperarResumen("Generados " + std::to_string(n) + " Puntos en " + Ruta(nombre));
        EXPECT_EQ(resultado.escritos, std::vector<std::filesystem::path>{dir / nombre});

        Soltar({dir / nombre});
        EXPECT_FALSE(resultado.error.has_value()) << Mensajes();
        // Not EXPECT_EQ: a difference would print thousands of lines.
        EXPECT_TRUE(Leer("Sitna-Descargar.txt") == lista);
        EXPECT_TRUE(Lista() + "\r\n" == lista);  // the box has no line end after the last line
    }
}

INSTANTIATE_TEST_SUITE_P(DatumYFormato, GuardarIdaYVueltaTest,
                         ::testing::Combine(::testing::Values(DatumLista::Ed50, DatumLista::Etrs89),
                                            ::testing::Values(FormatoTraza::Gpx, FormatoTraza::Kml, FormatoTraza::Kmz)),
                         NombreDatumYFormato);

class GuardarTest : public MotorTest {};

TEST_F(GuardarTest, UnaLineaQueNoEsPuntoEsError13YNoSeTocaElFichero) {
    Poner("Sitna.gpx", "lo que había");
    cuadro = "611026,4741584\r\n579525 4724978\r\n608996,4709452\r\n";
    Guardar("Sitna.gpx", FormatoTraza::Gpx);
    ASSERT_TRUE(resultado.error.has_value()) << Mensajes();
    EXPECT_EQ(resultado.error->Codigo(), codigo::TiposNoCoinciden);
    EXPECT_EQ(resultado.error->Linea().numero, 2);
    EXPECT_EQ(Modal().rfind("Error:13 No coinciden los tipos (línea 2 del Cuadro Descargar", 0), 0u) << Modal();
    EXPECT_EQ(Leer("Sitna.gpx"), "lo que había");
    EXPECT_TRUE(resultado.escritos.empty());
}

// Empty, or only blank lines: nothing is written, and the window says so.
TEST_F(GuardarTest, SinPuntosNoSeEscribeNada) {
    for (const std::string& vacio : {std::string(), std::string("\r\n\r\n")}) {
        Poner("Sitna.kml", "lo que había");
        cuadro = vacio;
        Guardar("Sitna.kml", FormatoTraza::Kml);
        EXPECT_FALSE(resultado.error.has_value()) << Mensajes();
        EXPECT_EQ(Mensajes(), "Cuadro Descargar sin puntos: no se ha generado " + Ruta("Sitna.kml"));
        EXPECT_EQ(Modal(), "");
        EXPECT_EQ(Leer("Sitna.kml"), "lo que había");
        EXPECT_TRUE(resultado.escritos.empty());
    }
}

TEST_F(GuardarTest, UnaCarpetaQueNoExisteEsError76) {
    cuadro = ListaSitna(3);
    Guardar("no-existe/Sitna.gpx", FormatoTraza::Gpx);
    ASSERT_TRUE(resultado.error.has_value()) << Mensajes();
    EXPECT_EQ(resultado.error->Codigo(), codigo::RutaNoEncontrada);
    EXPECT_FALSE(Existe("no-existe"));
}

// The track is named after the file, whatever its name holds.
TEST_F(GuardarTest, ElNombreDelFicheroSeEscapa) {
    cuadro = ListaSitna(2);
    const std::string nombre = "Ruta R&D «Añón» 'alta'";
    Guardar(nombre + ".gpx", FormatoTraza::Gpx);
    EXPECT_FALSE(resultado.error.has_value()) << Mensajes();
    EXPECT_NE(LeerBytes(dir / RutaUtf8(nombre + ".gpx")).find("<name>Ruta R&amp;D «Añón» &apos;alta&apos;</name>"),
              std::string::npos);
    Soltar({dir / RutaUtf8(nombre + ".gpx")});
    EXPECT_EQ(Lista() + "\r\n", ListaSitna(2));
}

// The 32 768th point overflows the count, as in every run; nothing is written.
TEST_F(GuardarTest, MasDe32767PuntosDesborda) {
    cuadro = ListaSitna(32768);
    Guardar("Sitna.gpx", FormatoTraza::Gpx);
    ASSERT_TRUE(resultado.error.has_value()) << Mensajes();
    EXPECT_EQ(resultado.error->Codigo(), codigo::Desbordamiento);
    EXPECT_FALSE(Existe("Sitna.gpx"));
}

}  // namespace
}  // namespace varnel::prueba
