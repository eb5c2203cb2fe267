// The controls in memory keep the contract the toolkits keep.
#include "tests/contract/controls_contract.h"
#include "tests/logic/fake_controls.h"
#include "tests/test_support.h"

namespace varnel::prueba {
namespace {

struct BancoFalso {
    BancoFalso() { falsos.legibles = {dir.Ruta()}; }
    logica::Controles& Controles() { return falsos; }
    std::filesystem::path Legible() const { return dir.Ruta(); }
    int LargoSeleccion(logica::NombreControl c) const { return falsos.selecciones.at(std::string(c)).largo; }
    bool ParadaTab(logica::NombreControl c) const { return falsos.paradas.at(std::string(c)); }
    std::string Ayuda(logica::NombreControl c) const { return falsos.ayudas.at(std::string(c)); }

    CarpetaTemporal dir;
    ControlesFalsos falsos;
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Falsos, ContratoControles, BancoFalso);

}  // namespace varnel::prueba
