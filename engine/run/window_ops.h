#pragma once

#include <filesystem>
#include <string>

#include "engine/geodesy/list_datum.h"

namespace varnel {

// Which of the three Garmin display options is selected.
enum class OpcionGarmin { Option1, Option2, Option3 };

// The few things a conversion run needs from the main window. The engine sees
// the Cuadro Descargar text with CR LF between lines; translating to and from
// the widget is the window's job. All texts are UTF-8.
class OperacionesVentana {
public:
    virtual ~OperacionesVentana() = default;

    virtual void PonerTextoMensajes(const std::string& texto) = 0;
    virtual void RepintarMensajes() = 0;

    virtual std::string TextoPorta() const = 0;
    virtual void PonerTextoPorta(const std::string& texto) = 0;
    virtual void VaciarPortaYRepintar() = 0;

    virtual bool DescargarMarcado() const = 0;
    virtual OpcionGarmin OpcionSeleccionada() const = 0;
    virtual std::filesystem::path CarpetaIntercambio() const = 0;
    // The datum the SITNA list is on: every point read is brought to it.
    virtual DatumLista DatumSitna() const = 0;

    virtual void Pitido() = 0;
    // Modal, OK button only, no icon, caption "Varnel". Returns when closed.
    virtual void MostrarMensajeModal(const std::string& texto) = 0;
};

}  // namespace varnel
