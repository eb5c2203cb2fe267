#include "ui/qt/drive_list.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSignalBlocker>
#include <QStorageInfo>

namespace varnel {

bool EsUnidadDeUsuario(const QString& raiz, const QByteArray& tipo) {
    static const QSet<QByteArray> kSistemasInternos = {
        "proc",      "sysfs",   "devtmpfs",    "devpts",      "cgroup",         "cgroup2", "securityfs",
        "pstore",    "debugfs", "tracefs",     "configfs",    "fusectl",        "mqueue",  "hugetlbfs",
        "bpf",       "autofs",  "binfmt_misc", "efivarfs",    "rpc_pipefs",     "nsfs",    "ramfs",
        "selinuxfs", "tmpfs",   "squashfs",    "fuse.portal", "fuse.gvfsd-fuse"};
    if (kSistemasInternos.contains(tipo)) return false;
    // System areas, unless removable media mounted below them.
    if (raiz.startsWith(QLatin1String("/run/media/"))) return true;
    for (const char* sistema : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/var/lib", "/var/snap"})
        if (raiz == QLatin1String(sistema) || raiz.startsWith(QLatin1String(sistema) + QLatin1Char('/'))) return false;
    return true;
}

namespace {

QStringList Unidades() {
    QStringList raices;
#ifdef Q_OS_WIN
    for (const QFileInfo& d : QDir::drives()) raices << d.absolutePath();
#else
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString raiz = v.rootPath();
        if (!v.isValid() || !v.isReady() || !EsUnidadDeUsuario(raiz, v.fileSystemType())) continue;
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

ListaUnidades::ListaUnidades(QWidget* padre) : QComboBox(padre), fuente_(Unidades) {
    Rellenar();
    connect(this, &QComboBox::currentIndexChanged, this, [this](int) { emit unidadElegida(Unidad()); });
}

void ListaUnidades::PonerFuente(std::function<QStringList()> fuente) {
    fuente_ = std::move(fuente);
    Rellenar();
}

void ListaUnidades::Rellenar() {
    // The drive shown stays chosen; nothing is reported.
    const QString elegida = Unidad();
    const QSignalBlocker bloqueo(this);
    clear();
    for (const QString& raiz : fuente_()) addItem(QDir::toNativeSeparators(raiz), raiz);
    setCurrentIndex(findData(elegida));
}

void ListaUnidades::showPopup() {
    Rellenar();
    QComboBox::showPopup();
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
