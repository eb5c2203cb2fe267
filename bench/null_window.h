#pragma once

#include <filesystem>
#include <string>

#include "window_ops.h"

namespace varnel::banco {

// A window that only holds the box text and the folder.
class VentanaNula : public OperacionesVentana {
public:
    std::string porta;
    std::string mensajes;
    bool descargar = true;
    std::filesystem::path carpeta;
    int errores = 0;

    void PonerTextoMensajes(const std::string& t) override { mensajes = t; }
    std::string TextoMensajes() const override { return mensajes; }
    void RepintarMensajes() override {}
    std::string TextoPorta() const override { return porta; }
    void PonerTextoPorta(const std::string& t) override { porta = t; }
    void VaciarPortaYRepintar() override { porta.clear(); }
    bool DescargarMarcado() const override { return descargar; }
    OpcionGarmin OpcionSeleccionada() const override { return OpcionGarmin::Option1; }
    std::filesystem::path CarpetaIntercambio() const override { return carpeta; }
    void Pitido() override {}
    void MostrarMensajeModal(const std::string&) override { ++errores; }
};

}  // namespace varnel::banco
