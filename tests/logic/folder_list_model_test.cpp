// The folder list's model: what it shows for a folder, whatever toolkit draws it.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ui/logic/folder_list_model.h"

namespace varnel::logica {
namespace {

using std::filesystem::path;

// Folders in memory: those that can be listed with their subfolders in the
// system's order, and those that exist but cannot be listed.
class SistemaFalso : public SistemaCarpetas {
public:
    std::map<path, std::vector<path>> listables;
    std::set<path> ilegibles;

    path Completa(const path& ruta) const override { return ruta.lexically_normal(); }
    bool EsCarpeta(const path& ruta) const override { return listables.contains(ruta) || ilegibles.contains(ruta); }
    std::optional<std::vector<path>> Subcarpetas(const path& carpeta) const override {
        const auto it = listables.find(carpeta);
        if (it == listables.end()) return std::nullopt;
        return it->second;
    }
};

const path kRaiz = path("/");
const path kA = kRaiz / "a";
const path kAB = kA / "b";

class ModeloCarpetasTest : public ::testing::Test {
protected:
    ModeloCarpetasTest() {
        // Not sorted here: the order is the system's business, kept as given.
        sistema.listables = {{kRaiz, {"a"}}, {kA, {"b"}}, {kAB, {"zeta", "Ávila", "10", "2"}}};
        sistema.ilegibles = {kA / "cerrada"};
    }
    SistemaFalso sistema;
    ModeloCarpetas modelo{sistema};
};

TEST_F(ModeloCarpetasTest, LaCadenaDesdeLaRaizYLasSubcarpetasResaltadaLaActual) {
    ASSERT_TRUE(modelo.PonerCarpeta(kA / "." / "b"));
    EXPECT_EQ(modelo.Carpeta(), kAB);
    const std::vector<EntradaCarpeta> esperadas = {
        {kRaiz, kRaiz, 0, true},
        {kA, "a", 1, true},
        {kAB, "b", 2, true},
        {kAB / "zeta", "zeta", 3, false},
        {kAB / "Ávila", "Ávila", 3, false},
        {kAB / "10", "10", 3, false},
        {kAB / "2", "2", 3, false},
    };
    EXPECT_EQ(modelo.Entradas(), esperadas);
    EXPECT_EQ(modelo.FilaActual(), 2u);
    EXPECT_EQ(modelo.RutaDe(4), kAB / "Ávila");
    // No row highlighted, or one past the end: the current folder.
    EXPECT_EQ(modelo.RutaDe(-1), kAB);
    EXPECT_EQ(modelo.RutaDe(7), kAB);
}

TEST_F(ModeloCarpetasTest, LaRaizSolaEsSuPropiaFilaActual) {
    ASSERT_TRUE(modelo.PonerCarpeta(kRaiz));
    EXPECT_EQ(modelo.Entradas(), (std::vector<EntradaCarpeta>{{kRaiz, kRaiz, 0, true}, {kA, "a", 1, false}}));
    EXPECT_EQ(modelo.FilaActual(), 0u);
}

TEST_F(ModeloCarpetasTest, UnaCarpetaQueNoSeListaNoCambiaNada) {
    ASSERT_TRUE(modelo.PonerCarpeta(kA));
    const auto antes = modelo.Entradas();
    for (const path& mala : {kA / "cerrada", kA / "no-existe", path()}) {
        EXPECT_FALSE(modelo.PonerCarpeta(mala)) << mala;
        EXPECT_EQ(modelo.Carpeta(), kA);
        EXPECT_EQ(modelo.Entradas(), antes);
    }
}

TEST_F(ModeloCarpetasTest, AlEmpezarUnaCarpetaIlegibleEsLaActualSinSubcarpetas) {
    ASSERT_TRUE(modelo.PonerCarpetaInicial(kA / "cerrada"));
    EXPECT_EQ(modelo.Carpeta(), kA / "cerrada");
    EXPECT_EQ(modelo.Entradas(),
              (std::vector<EntradaCarpeta>{
                  {kRaiz, kRaiz, 0, true}, {kA, "a", 1, true}, {kA / "cerrada", "cerrada", 2, true}}));
    EXPECT_EQ(modelo.FilaActual(), 2u);
    // A listable one starts as any other; what is no folder is no start.
    ASSERT_TRUE(modelo.PonerCarpetaInicial(kAB));
    EXPECT_EQ(modelo.Entradas().size(), 7u);
    EXPECT_FALSE(modelo.PonerCarpetaInicial(kA / "no-existe"));
    EXPECT_EQ(modelo.Carpeta(), kAB);
}

TEST_F(ModeloCarpetasTest, ListarOtraVezVeLoQueCambio) {
    ASSERT_TRUE(modelo.PonerCarpeta(kAB));
    sistema.listables[kAB] = {"2"};  // the others removed meanwhile
    modelo.ListarOtraVez();
    EXPECT_EQ(modelo.Entradas().back(), (EntradaCarpeta{kAB / "2", "2", 3, false}));
    EXPECT_EQ(modelo.Entradas().size(), 4u);
    sistema.listables.erase(kAB);  // no longer listable: the path down to it stays
    modelo.ListarOtraVez();
    EXPECT_EQ(modelo.Entradas().size(), 3u);
    EXPECT_EQ(modelo.Carpeta(), kAB);
}

}  // namespace
}  // namespace varnel::logica
