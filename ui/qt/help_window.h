#pragma once

#include <QDialog>
#include <QHash>
#include <QString>

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
    QHash<QString, QLabel*> textos_;  // the four help texts, by name
};

}  // namespace varnel
