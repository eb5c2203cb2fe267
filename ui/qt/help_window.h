#pragma once

#include <QDialog>
#include <string_view>
#include <vector>

namespace varnel {

// The help window drawn with Qt from the description: fixed size, modal over
// the main window and centred on it.
class FrmAyuda : public QDialog {
    Q_OBJECT
public:
    explicit FrmAyuda(QWidget* padre);

    // A control by its name in the description, or null.
    QWidget* Control(std::string_view nombre) const;
    // Shows the window modally, the focus on `foco`; returns once it is hidden.
    void Mostrar(QWidget* foco);

private:
    // Centred on the main window, title bars included, from the first showing.
    void CentrarSobrePadre();

    std::vector<QWidget*> controles_;  // one per row of the description
    bool centradaConMarco_ = false;
};

}  // namespace varnel
