#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/run/varnel_engine.h"
#include "tests/test_support.h"
#include "ui/logic/conversion_buttons.h"
#include "ui/logic/run_report.h"

namespace varnel {

inline void PrintTo(const Conversion& c, std::ostream* os) {
    *os << Formato(c.entrada).nombre << " a " << Formato(c.salida).nombre;
}

namespace prueba {

// Names a case of a suite run over the conversions after its button.
inline std::string NombreDeConversion(const ::testing::TestParamInfo<Conversion>& info) {
    for (const logica::BotonConversion& b : logica::kBotonesConversion)
        if (b.conversion == info.param) return std::string(b.boton);
    return "sinBoton" + std::to_string(info.index);
}

// A saved track's cases: the list's datum and the file's format.
using DatumYFormato = std::tuple<DatumLista, FormatoTraza>;
inline auto CasosDatumYFormato() {
    return ::testing::Combine(::testing::Values(DatumLista::Ed50, DatumLista::Etrs89),
                              ::testing::Values(FormatoTraza::Gpx, FormatoTraza::Kml));
}
inline std::string NombreDatumYFormato(const ::testing::TestParamInfo<DatumYFormato>& info) {
    const FormatoTraza f = std::get<1>(info.param);
    return std::string(NombreDatum(std::get<0>(info.param))) + (f == FormatoTraza::Gpx   ? "_gpx"
                                                                : f == FormatoTraza::Kml ? "_kml"
                                                                                         : "_kmz");
}

// Runs in a fresh exchange folder; the run's outcome is kept as data and
// worded as the window words it.
class MotorTest : public ::testing::Test {
protected:
    std::string Ruta(std::string_view nombre) const { return Utf8(dir / nombre); }
    std::string Leer(std::string_view nombre) const { return LeerBytes(dir / nombre); }
    void Poner(std::string_view nombre, const std::string& bytes) const { EscribirBytes(dir / nombre, bytes); }
    bool Existe(std::string_view nombre) const { return std::filesystem::exists(dir / nombre); }

    void Convertir(const Conversion& conversion) {
        resultado = motor.Ejecutar({conversion, intercambio, cuadro, opcion, datum});
    }
    void Soltar(const std::vector<std::filesystem::path>& ficheros) {
        resultado = motor.SoltarFicheros({ficheros, intercambio, datum});
    }
    // The box's list saved as a track in `fichero`, a name in the folder.
    void Guardar(std::string_view fichero, FormatoTraza formato) {
        resultado = motor.GuardarTraza(
            {cuadro.value_or(""), dir / RutaUtf8(std::string(fichero)), formato, datum, "Varnel 1.00"});
    }

    // What the messages box and the error box show.
    std::string Mensajes() const { return logica::Informe(resultado).mensajes; }
    std::string Modal() const { return logica::Informe(resultado).modal.value_or(""); }
    // The list for the box of a run towards SITNA.
    std::string Lista() const {
        EXPECT_TRUE(resultado.lista.has_value()) << "la ejecución no da lista";
        return resultado.lista.value_or("");
    }

    void EsperarError(const std::string& mensajes, const std::string& modal) const {
        ASSERT_TRUE(resultado.error.has_value()) << Mensajes();
        EXPECT_EQ(Mensajes(), mensajes);
        EXPECT_EQ(Modal(), modal);
    }
    void EsperarResumen(const std::string& resumen) const {
        EXPECT_FALSE(resultado.error.has_value());
        EXPECT_EQ(Mensajes(), resumen);
    }

    CarpetaTemporal dir;
    // The request: the box text (nothing: the list file), the folder, the options.
    std::optional<std::string> cuadro = "";
    std::filesystem::path intercambio = dir.Ruta();
    OpcionGarmin opcion = OpcionGarmin::Option1;
    DatumLista datum = DatumLista::Ed50;
    MotorVarnel motor;
    ResultadoEjecucion resultado;
};

}  // namespace prueba
}  // namespace varnel
