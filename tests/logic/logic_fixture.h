#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/logic/fake_controls.h"
#include "tests/logic/fake_settings_store.h"
#include "tests/test_support.h"
#include "ui/logic/window_logic.h"

namespace varnel::prueba {

// The windows' rules over controls in memory, started as the program starts,
// the exchange folder a fresh temporary folder.
class LogicaTest : public ::testing::Test {
protected:
    LogicaTest() {
        c.legibles = {dir.Ruta()};
        c.actual = c.resaltada = dir.Ruta();
        logica.Iniciar();
        c.registro.clear();
    }

    std::string Ruta(std::string_view nombre) const { return Utf8(dir / nombre); }

    CarpetaTemporal dir;
    ControlesFalsos c;
    AjustesFalsos ajustes;
    logica::LogicaVentana logica{c, ajustes};
};

}  // namespace varnel::prueba
