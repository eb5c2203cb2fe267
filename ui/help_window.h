#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace varnel {

// The help window: four fixed explanatory texts and "Aceptar", shown modally
// over the main window.
class FrmAyuda : public QDialog {
    Q_OBJECT
public:
    explicit FrmAyuda(QWidget* padre);

    // Sets the four texts and shows the window modally; returns when it is hidden.
    void Mostrar();

private:
    // Centred on the main window, title bars included, from the first showing.
    void CentrarSobrePadre();

    QPushButton* OKButton_ = nullptr;
    bool centradaConMarco_ = false;
    QLabel* LblDescargar2_ = nullptr;
    QLabel* lblOzi2_ = nullptr;
    QLabel* lblMapsource2_ = nullptr;
    QLabel* lblVarnel2_ = nullptr;
};

}  // namespace varnel
