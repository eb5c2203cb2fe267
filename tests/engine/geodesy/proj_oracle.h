#pragma once

// PROJ as the oracle of the geodesy tests: the tables it made once
// (tests/data/proj-*.csv, read everywhere) and, where the library is
// installed, PROJ itself.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_support.h"

#if __has_include(<proj.h>)
#include <proj.h>
#endif

namespace varnel::prueba {

// The rows of a committed table after its line of column names, each cut at
// its commas; a row without `columnas` fields fails the test and is skipped.
inline std::vector<std::vector<std::string>> FilasCsv(const char* fichero, std::size_t columnas) {
    std::istringstream texto(DatoDePrueba(fichero));
    std::vector<std::vector<std::string>> filas;
    std::string linea;
    std::getline(texto, linea);  // the column names
    while (std::getline(texto, linea)) {
        std::vector<std::string> campos;
        std::istringstream partes(linea);
        for (std::string campo; std::getline(partes, campo, ',');) campos.push_back(campo);
        if (campos.size() != columnas) {
            ADD_FAILURE() << "fila mal formada: " << linea;
            continue;
        }
        filas.push_back(std::move(campos));
    }
    return filas;
}

inline double NumeroCsv(const std::string& s) { return std::strtod(s.c_str(), nullptr); }

#if __has_include(<proj.h>)
// A PROJ operation with its own context, both freed in order.
class OperacionProj {
public:
    // `crear` makes the operation in the context it is given.
    explicit OperacionProj(const std::function<PJ*(PJ_CONTEXT*)>& crear) : contexto_(proj_context_create()) {
        pj_.reset(crear(contexto_.get()));
    }
    bool Valida() const { return pj_ != nullptr; }
    PJ_COORD Transformar(PJ_DIRECTION sentido, PJ_COORD c) const { return proj_trans(pj_.get(), sentido, c); }

private:
    struct BorrarContexto {
        void operator()(PJ_CONTEXT* c) const { proj_context_destroy(c); }
    };
    struct BorrarPj {
        void operator()(PJ* p) const { proj_destroy(p); }
    };
    std::unique_ptr<PJ_CONTEXT, BorrarContexto> contexto_;
    std::unique_ptr<PJ, BorrarPj> pj_;  // destroyed before its context
};

// ED50 to WGS 84 (PJ_FWD) and back as PROJ does it with IGN's grid: the
// committed grid through hgridshift, EPSG:1633 from its database where the
// grid does not reach. Latitude then longitude in degrees, as EPSG:4230 and
// EPSG:4326 have them.
class CambioDatumProj {
public:
    bool Valida() const { return rejilla_.Valida() && epsg1633_.Valida(); }
    PJ_COORD Transformar(PJ_DIRECTION sentido, PJ_COORD c) const {
        const PJ_COORD r = rejilla_.Transformar(sentido, c);
        return r.v[0] == HUGE_VAL ? epsg1633_.Transformar(sentido, c) : r;
    }

private:
    OperacionProj rejilla_{[](PJ_CONTEXT* c) {
        const std::string tubo =
            "+proj=pipeline +step +proj=axisswap +order=2,1 +step +proj=unitconvert +xy_in=deg +xy_out=rad "
            "+step +proj=hgridshift +grids=" +
            RutaDatoDePrueba("../../data/SPED2ETV2.gsb").lexically_normal().string() +
            " +step +proj=unitconvert +xy_in=rad +xy_out=deg +step +proj=axisswap +order=2,1";
        return proj_create(c, tubo.c_str());
    }};
    OperacionProj epsg1633_{[](PJ_CONTEXT* c) {
        return proj_create_from_database(c, "EPSG", "1633", PJ_CATEGORY_COORDINATE_OPERATION, 0, nullptr);
    }};
};
#endif

}  // namespace varnel::prueba
