#pragma once

#include <QComboBox>
#include <QString>

namespace varnel {

// The drive list: on Windows the drive letters, elsewhere the mounted file
// systems a user can browse, shown by their mount point.
class ListaUnidades : public QComboBox {
    Q_OBJECT
public:
    explicit ListaUnidades(QWidget* padre = nullptr);

    // The root of the chosen drive.
    QString Unidad() const { return currentData().toString(); }
    // Shows the drive that holds `ruta`, without reporting a choice.
    void MostrarUnidadDe(const QString& ruta);

signals:
    // The user chose another drive.
    void unidadElegida(const QString& raiz);
};

}  // namespace varnel
