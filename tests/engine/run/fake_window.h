#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "engine/run/window_ops.h"

namespace varnel::prueba {

// Records what a run does to the window, in order.
class VentanaFalsa : public OperacionesVentana {
public:
    std::string mensajes;
    std::string porta;
    bool descargar = true;
    OpcionGarmin opcion = OpcionGarmin::Option1;
    std::filesystem::path carpeta;
    DatumLista datum = DatumLista::Ed50;
    int pitidos = 0;
    std::vector<std::string> modales;
    std::vector<std::string> registro;  // "mensajes:...", "repintar-mensajes", "vaciar-porta", "porta:..."

    void PonerTextoMensajes(const std::string& t) override {
        mensajes = t;
        registro.push_back("mensajes:" + t);
    }
    void RepintarMensajes() override { registro.emplace_back("repintar-mensajes"); }
    std::string TextoPorta() const override { return porta; }
    void PonerTextoPorta(const std::string& t) override {
        porta = t;
        registro.push_back("porta:" + std::to_string(t.size()));
    }
    void VaciarPortaYRepintar() override {
        porta.clear();
        registro.emplace_back("vaciar-porta");
    }
    bool DescargarMarcado() const override { return descargar; }
    OpcionGarmin OpcionSeleccionada() const override { return opcion; }
    std::filesystem::path CarpetaIntercambio() const override { return carpeta; }
    DatumLista DatumSitna() const override { return datum; }
    void Pitido() override {
        ++pitidos;
        registro.emplace_back("pitido");
    }
    void MostrarMensajeModal(const std::string& t) override {
        modales.push_back(t);
        registro.push_back("modal:" + t);
    }
};

}  // namespace varnel::prueba
