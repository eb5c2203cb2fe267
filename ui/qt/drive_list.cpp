#include "ui/qt/drive_list.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSignalBlocker>
#include <QStorageInfo>
#include "ui/qt/qt_text.h"

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
    // The drive of the folder shown stays chosen; nothing is reported.
    std::vector<std::filesystem::path> raices;
    for (const QString& raiz : fuente_()) raices.push_back(RutaDe(raiz));
    Mostrar(logica::ElegirUnidad(std::move(raices), RutaDe(carpeta_)));
}

void ListaUnidades::showPopup() {
    Rellenar();
    QComboBox::showPopup();
}

void ListaUnidades::MostrarUnidadDe(const QString& ruta) {
    carpeta_ = ruta;
    std::vector<std::filesystem::path> raices;
    raices.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i) raices.push_back(RutaDe(itemData(i).toString()));
    Mostrar(logica::ElegirUnidad(std::move(raices), RutaDe(carpeta_)));
}

void ListaUnidades::Mostrar(const logica::UnidadesMostradas& unidades) {
    const QSignalBlocker bloqueo(this);
    // Rebuilt only when the drives changed: this runs inside the list's own
    // signal when a chosen drive cannot be read.
    QStringList raices;
    for (const std::filesystem::path& raiz : unidades.raices) raices << QRuta(raiz);
    QStringList ahora;
    for (int i = 0; i < count(); ++i) ahora << itemData(i).toString();
    if (raices != ahora) {
        clear();
        for (const QString& raiz : raices) addItem(QDir::toNativeSeparators(raiz), raiz);
    }
    setCurrentIndex(unidades.elegida < unidades.raices.size() ? static_cast<int>(unidades.elegida) : -1);
}

}  // namespace varnel
