// Which drive the drive list shows for a folder, both toolkits alike.
#include <gtest/gtest.h>

#include "ui/logic/drive_choice.h"

namespace varnel::logica {
namespace {

using std::filesystem::path;

struct CasoUnidad {
    const char* nombre;
    std::vector<path> delSistema;
    path carpeta;
    std::vector<path> raices;  // as the list shows them
    std::size_t elegida;
};

void PrintTo(const CasoUnidad& c, std::ostream* os) { *os << c.nombre; }

class ElegirUnidadTest : public ::testing::TestWithParam<CasoUnidad> {};

TEST_P(ElegirUnidadTest, LaQueContieneLaCarpeta) {
    const CasoUnidad& c = GetParam();
    const UnidadesMostradas u = ElegirUnidad(c.delSistema, c.carpeta);
    EXPECT_EQ(u.raices, c.raices);
    EXPECT_EQ(u.elegida, c.elegida);
}

const std::vector<path> kMontajes = {"/", "/media", "/media/usb", "/home/ana/red/"};

std::vector<CasoUnidad> Casos() {
    std::vector<CasoUnidad> casos = {
        // The longest mount point that holds it, not the first nor "/".
        {"MontajeMasLargo", kMontajes, "/media/usb/fotos", kMontajes, 2},
        {"ElMontajeMismo", kMontajes, "/media/usb", kMontajes, 2},
        // By whole parts: "/media/usb2" is not on "/media/usb".
        {"PartesEnteras", kMontajes, "/media/usb2/x", kMontajes, 1},
        {"BarraFinalDelMontaje", kMontajes, "/home/ana/red/mapas", kMontajes, 3},
        {"RutaSinNormalizar", kMontajes, "/media/./usb/../usb/x", kMontajes, 2},
        {"LaRaiz", kMontajes, "/home/ana", kMontajes, 0},
        // Without "/" listed, a folder on no mount point is on no drive, nothing added.
        {"EnNinguna", {"/media/usb"}, "/home/ana", {"/media/usb"}, 1},
        {"SinCarpeta", kMontajes, path(), kMontajes, 4},
    };
#ifdef _WIN32
    // Drive letters case aside; a letter the system does not list is added, as it writes them.
    casos.push_back({"LetraEnMinuscula", {"C:\\", "D:\\"}, "d:\\mapas", {"C:\\", "D:\\"}, 1});
    casos.push_back({"LetraQueFalta", {"C:\\", "D:\\"}, "e:\\mapas", {"C:\\", "D:\\", "E:\\"}, 2});
    casos.push_back({"UnidadDeRedSinLetra", {"C:\\"}, "\\\\servidor\\mapas\\x", {"C:\\"}, 1});
#endif
    return casos;
}

INSTANTIATE_TEST_SUITE_P(Casos, ElegirUnidadTest, ::testing::ValuesIn(Casos()),
                         [](const auto& info) { return std::string(info.param.nombre); });

}  // namespace
}  // namespace varnel::logica
