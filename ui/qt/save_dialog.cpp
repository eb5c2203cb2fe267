#include "ui/qt/save_dialog.h"

#include <QFileDialog>

#include "ui/qt/qt_text.h"

namespace varnel {

std::optional<std::filesystem::path> PedirRutaGuardadoQt(QWidget* padre, const logica::DialogoGuardado& d) {
    QFileDialog dialogo(padre, Q(d.titulo), QRuta(d.carpeta));
    dialogo.setObjectName(QStringLiteral("DialogoGuardar"));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);  // asks before it replaces a file
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setNameFilter(Q(d.tipo) + QStringLiteral(" (*.") + Q(d.extension) + QLatin1Char(')'));
    dialogo.setDefaultSuffix(Q(d.extension));
    dialogo.selectFile(Q(d.nombre));
    if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList elegidos = dialogo.selectedFiles();
    if (elegidos.isEmpty()) return std::nullopt;
    return RutaDe(elegidos.constFirst());
}

}  // namespace varnel
