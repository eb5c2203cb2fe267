#pragma once

#include <QByteArray>
#include <QComboBox>
#include <QString>
#include <QStringList>
#include <functional>

#include "ui/logic/drive_choice.h"

namespace varnel {

// Whether a mounted file system is one a user browses for files: not a
// package image (squashfs), not a system area or pseudo file system.
bool EsUnidadDeUsuario(const QString& raiz, const QByteArray& tipo);

// The drive list: on Windows the drive letters, elsewhere the mounted file
// systems a user can browse, shown by their mount point. It is read again
// each time it opens, so a stick mounted meanwhile is there.
class ListaUnidades : public QComboBox {
    Q_OBJECT
public:
    explicit ListaUnidades(QWidget* padre = nullptr);

    // The root of the chosen drive.
    QString Unidad() const { return currentData().toString(); }
    // Shows the drive that holds `ruta` (logica::ElegirUnidad), without reporting a choice.
    void MostrarUnidadDe(const QString& ruta);
    // Where the drives come from (the system's mounts unless a test says).
    void PonerFuente(std::function<QStringList()> fuente);
    void showPopup() override;

signals:
    // The user chose another drive.
    void unidadElegida(const QString& raiz);

private:
    void Rellenar();
    void Mostrar(const logica::UnidadesMostradas& unidades);

    std::function<QStringList()> fuente_;
    QString carpeta_;  // the folder whose drive is shown
};

}  // namespace varnel
