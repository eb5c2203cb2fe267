#pragma once

#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "engine/geodesy/list_datum.h"
#include "ui/logic/drawing_logic.h"

class QLabel;
class QPushButton;

namespace varnel {

// What the drawing window needs from the main window.
struct FuentesDibujo {
    std::function<std::string()> texto;  // the Cuadro Descargar's
    std::function<DatumLista()> datum;
    std::function<void(std::int64_t)> seleccionarLinea;
    std::function<std::filesystem::path()> carpeta;  // where "Guardar imagen…" starts
    std::function<std::optional<std::filesystem::path>(const logica::DialogoGuardado&)> pedirRuta;
};

// "Dibujo de la lista": modeless, resizable, the drawing above and the
// summary, "Ajustar" and "Guardar imagen…" below. Everything it does is
// LogicaDibujo's; this paints and forwards.
class FrmDibujo : public QWidget {
public:
    FrmDibujo(QWidget* propietario, logica::AlmacenAjustes& ajustes, FuentesDibujo fuentes);

    // Shown where it was last, the list read at once.
    void Mostrar();
    // The box changed: the drawing follows a moment later, once for a burst of changes.
    void CajaCambiada();
    void LeerAhora();
    // "Guardar imagen…" to this path, the drawing at the window's size.
    bool GuardarImagen(const std::filesystem::path& ruta);

    logica::LogicaDibujo& Logica() { return logica_; }
    QWidget* Lienzo() const { return lienzo_; }
    QLabel* Resumen() const { return resumen_; }

protected:
    void hideEvent(QHideEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Actualizar();

    logica::AlmacenAjustes& ajustes_;
    FuentesDibujo fuentes_;
    logica::LogicaDibujo logica_;
    QWidget* lienzo_ = nullptr;
    QLabel* resumen_ = nullptr;
    QTimer espera_;
    bool colocada_ = false;
};

}  // namespace varnel
