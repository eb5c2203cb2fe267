#include "ui/qt/settings_store_qt.h"

#include <QSettings>

#include "ui/qt/qt_text.h"

namespace varnel {
namespace {

constexpr auto kOrganizacion = "Varnel";
constexpr auto kAplicacion = "varnel";

}  // namespace

// A QSettings for each use: the file is read as it is now, whoever wrote it
// last. The native format is an INI file on Linux, named .conf (IniFormat
// would name it .ini).

std::optional<std::string> AjustesQt::Leer(std::string_view clave) const {
    const QSettings ajustes(QSettings::NativeFormat, QSettings::UserScope, kOrganizacion, kAplicacion);
    const QString nombre = Q(clave);
    if (ajustes.status() != QSettings::NoError || !ajustes.contains(nombre)) return std::nullopt;
    const QVariant valor = ajustes.value(nombre);
    if (!valor.canConvert<QString>()) return std::nullopt;
    return valor.toString().toStdString();
}

bool AjustesQt::Escribir(std::string_view clave, std::string_view valor) {
    QSettings ajustes(QSettings::NativeFormat, QSettings::UserScope, kOrganizacion, kAplicacion);
    ajustes.setValue(Q(clave), Q(valor));
    ajustes.sync();
    return ajustes.status() == QSettings::NoError;
}

}  // namespace varnel
