#include "drive_list.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSignalBlocker>
#include <QStorageInfo>

namespace varnel {
namespace {

QStringList Unidades() {
    QStringList raices;
#ifdef Q_OS_WIN
    for (const QFileInfo& d : QDir::drives()) raices << d.absolutePath();
#else
    static const QSet<QByteArray> kSistemasInternos = {
        "proc",        "sysfs",    "devtmpfs",   "devpts",  "cgroup", "cgroup2",   "securityfs", "pstore",
        "debugfs",     "tracefs",  "configfs",   "fusectl", "mqueue", "hugetlbfs", "bpf",        "autofs",
        "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs",    "ramfs",  "selinuxfs", "tmpfs"};
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString raiz = v.rootPath();
        if (!v.isValid() || !v.isReady() || kSistemasInternos.contains(v.fileSystemType())) continue;
        // System areas, unless removable media mounted below them.
        if ((raiz.startsWith(QLatin1String("/proc")) || raiz.startsWith(QLatin1String("/sys")) ||
             raiz.startsWith(QLatin1String("/dev")) || raiz.startsWith(QLatin1String("/run")) ||
             raiz.startsWith(QLatin1String("/boot"))) &&
            !raiz.startsWith(QLatin1String("/run/media/")))
            continue;
        const QFileInfo info(raiz);
        if (!info.isDir() || !info.isReadable() || !info.isExecutable()) continue;
        raices << raiz;
    }
    if (!raices.contains(QDir::rootPath())) raices << QDir::rootPath();
#endif
    raices.removeDuplicates();
    raices.sort();
    return raices;
}

}  // namespace

ListaUnidades::ListaUnidades(QWidget* padre) : QComboBox(padre) {
    for (const QString& raiz : Unidades()) addItem(QDir::toNativeSeparators(raiz), raiz);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int) { emit unidadElegida(Unidad()); });
}

void ListaUnidades::MostrarUnidadDe(const QString& ruta) {
    // The longest mount point that holds the folder.
    int mejor = -1;
    qsizetype largo = -1;
    const QString limpia = QDir::cleanPath(ruta);
    for (int i = 0; i < count(); ++i) {
        const QString raiz = QDir::cleanPath(itemData(i).toString());
        const bool contiene = limpia == raiz || limpia.startsWith(raiz.endsWith('/') ? raiz : raiz + '/');
        if (contiene && raiz.size() > largo) {
            mejor = i;
            largo = raiz.size();
        }
    }
    const QSignalBlocker bloqueo(this);
    setCurrentIndex(mejor);
}

}  // namespace varnel
