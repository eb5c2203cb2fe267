#pragma once

// PROJ as the oracle of the geodesy tests: the tables it made once
// (tests/data/proj-*.csv, read everywhere) and, where the library is
// installed, PROJ itself.

#include <gtest/gtest.h>

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
#endif

}  // namespace varnel::prueba
