#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/logic/drive_choice.h"

// The drive list: the drive letters that exist, read again each time the
// list opens. Choosing one asks the window to switch the folder list to it.
namespace varnel::win {

class ListaUnidades {
public:
    // Takes over a drop-down list combo box.
    void Adjuntar(HWND combo);
    // Shows the drive of a folder (logica::ElegirUnidad), without asking for any change.
    void MostrarUnidadDe(const std::wstring& carpeta);
    // The root of the drive shown ("C:\"), or empty.
    std::wstring Unidad() const;

    // The parent hands over the combo box's notifications.
    void Notificacion(WORD codigo);

    // Where the letters come from; tests put their own here.
    void PonerFuente(std::function<std::vector<std::wstring>()> fuente);

    std::function<void(const std::wstring& raiz)> alElegirUnidad;

private:
    void Rellenar();
    void Mostrar(const logica::UnidadesMostradas& unidades);
    void Elegida();

    HWND combo_ = nullptr;
    std::function<std::vector<std::wstring>()> fuente_;
    std::vector<std::wstring> raices_;
    std::wstring carpeta_;   // the folder whose drive is shown
    std::wstring mostrada_;  // that drive's root
};

// The roots of the drives that exist ("C:\", "D:\"...).
std::vector<std::wstring> UnidadesDelSistema();

}  // namespace varnel::win
