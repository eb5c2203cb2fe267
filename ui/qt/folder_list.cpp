#include "ui/qt/folder_list.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

#include "ui/qt/artwork.h"
#include "ui/qt/enter_key.h"

namespace varnel {
namespace {

constexpr int kRolRuta = Qt::UserRole;
constexpr int kRolNivel = Qt::UserRole + 1;
constexpr int kSangria = 8;

class DelegadoSangria : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opcion, const QModelIndex& indice) const override {
        QStyleOptionViewItem o = opcion;
        o.rect.setLeft(o.rect.left() + kSangria * indice.data(kRolNivel).toInt());
        QStyledItemDelegate::paint(p, o, indice);
    }
    QSize sizeHint(const QStyleOptionViewItem& opcion, const QModelIndex& indice) const override {
        QSize s = QStyledItemDelegate::sizeHint(opcion, indice);
        s.rwidth() += kSangria * indice.data(kRolNivel).toInt();
        return s;
    }
};

}  // namespace

ListaCarpetas::ListaCarpetas(QWidget* padre) : QListWidget(padre) {
    setItemDelegate(new DelegadoSangria(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setIconSize(QSize(16, 16));
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit activada(); });
}

void ListaCarpetas::PonerCarpetaInicial(const QString& ruta) {
    if (PonerCarpeta(ruta)) return;
    const QFileInfo info(ruta);
    if (!info.isDir()) return;
    carpeta_ = QDir::cleanPath(info.absoluteFilePath());
    Rellenar();  // the path down to it; its subfolders cannot be read
    emit carpetaCambiada(carpeta_);
}

bool ListaCarpetas::PonerCarpeta(const QString& ruta) {
    const QFileInfo info(ruta);
    if (ruta.isEmpty() || !info.isDir() || !info.isReadable() || !info.isExecutable()) return false;
    const QString nueva = QDir::cleanPath(info.absoluteFilePath());
    const bool cambia = nueva != carpeta_;
    carpeta_ = nueva;
    Rellenar();
    if (cambia) emit carpetaCambiada(carpeta_);
    return true;
}

QString ListaCarpetas::Resaltada() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->data(kRolRuta).toString() : carpeta_;
}

void ListaCarpetas::Rellenar() {
    clear();
    // Our own pictures: the styles' open and closed folders can look alike.
    static const QIcon abierta = Dibujo(QStringLiteral("folder-open"));
    static const QIcon cerrada = Dibujo(QStringLiteral("folder-closed"));

    // The chain from the root down to the current folder.
    QStringList cadena;
    for (QDir d(carpeta_);;) {
        cadena.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp()) break;
    }
    QListWidgetItem* actual = nullptr;
    int nivel = 0;
    for (const QString& ruta : cadena) {
        const QString nombre = QDir(ruta).isRoot() ? QDir::toNativeSeparators(ruta) : QFileInfo(ruta).fileName();
        auto* item = new QListWidgetItem(abierta, nombre, this);
        item->setData(kRolRuta, ruta);
        item->setData(kRolNivel, nivel++);
        actual = item;
    }
    // Sorted as a Spanish reader expects: case aside, "Ávila" with the A's.
    auto subcarpetas = QDir(carpeta_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    QCollator orden(QLocale(QLocale::Spanish, QLocale::Spain));
    orden.setCaseSensitivity(Qt::CaseInsensitive);
    orden.setNumericMode(true);
    std::stable_sort(subcarpetas.begin(), subcarpetas.end(), [&orden](const QFileInfo& a, const QFileInfo& b) {
        return orden.compare(a.fileName(), b.fileName()) < 0;
    });
    for (const QFileInfo& sub : subcarpetas) {
        auto* item = new QListWidgetItem(cerrada, sub.fileName(), this);
        item->setData(kRolRuta, QDir::cleanPath(sub.absoluteFilePath()));
        item->setData(kRolNivel, nivel);
    }
    setCurrentItem(actual);
    scrollToItem(actual);
    AjustarAyudas();
}

void ListaCarpetas::AjustarAyudas() {
    // A name the list cuts short is whole in its row's tooltip.
    const int ancho = viewport()->width();
    const QFontMetrics fm(font());
    for (int i = 0; i < count(); ++i) {
        QListWidgetItem* item = this->item(i);
        const int necesita =
            kSangria * item->data(kRolNivel).toInt() + iconSize().width() + 8 + fm.horizontalAdvance(item->text());
        item->setToolTip(necesita > ancho ? item->text() : QString());
    }
}

void ListaCarpetas::resizeEvent(QResizeEvent* e) {
    QListWidget::resizeEvent(e);
    AjustarAyudas();
}

void ListaCarpetas::focusOutEvent(QFocusEvent* e) {
    // Runs before the click that took the focus away is carried out. Another
    // program, a menu or a tooltip taking the focus is no choice of a folder.
    const Qt::FocusReason razon = e->reason();
    if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason && razon != Qt::MenuBarFocusReason)
        emit focoPerdido();
    QListWidget::focusOutEvent(e);
}

void ListaCarpetas::keyPressEvent(QKeyEvent* e) {
    if (EsIntro(e)) {
        emit activada();
        return;
    }
    QListWidget::keyPressEvent(e);
}

}  // namespace varnel
