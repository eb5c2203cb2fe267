#pragma once

#include <QListWidget>
#include <QString>

#include "ui/logic/folder_list_model.h"
#include "ui/qt/qt_text.h"

namespace varnel {

// The folder list, drawn from its model (ui/logic): the root, the folders down
// to the current folder, the current folder (open) and its subfolders, indented
// by depth, Spanish order. A click or the
// arrow keys only move the highlight. It reports a double click or Enter, and
// the focus moving to another control of the window (not to another program
// or a popup); what follows is the windows' logic's business.
class ListaCarpetas : public QListWidget {
    Q_OBJECT
public:
    explicit ListaCarpetas(QWidget* padre = nullptr);

    // The current folder: the exchange folder.
    QString Carpeta() const { return QRuta(modelo_.Carpeta()); }
    // Makes `ruta` the current folder; false, with nothing changed, when it
    // cannot be listed.
    bool PonerCarpeta(const QString& ruta);
    // The working folder at start: current even when it cannot be listed, so
    // that the runs use its absolute path.
    void PonerCarpetaInicial(const QString& ruta);
    // The folder of the highlighted entry.
    QString Resaltada() const;
    // The current folder listed again, the highlight back on it.
    void ListarOtraVez();

signals:
    void carpetaCambiada(const QString& ruta);
    void activada();
    void focoPerdido();

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Rellenar();
    void AjustarAyudas();
    void resizeEvent(QResizeEvent* e) override;

    static const logica::SistemaCarpetas& Sistema();
    logica::ModeloCarpetas modelo_{Sistema()};
};

}  // namespace varnel
