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
#include "ui/qt/qt_text.h"

namespace varnel {
namespace {

constexpr int kRolNivel = Qt::UserRole;
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

// Qt's answers: its full paths, and the subfolders sorted as a Spanish
// reader expects, case aside, "Ávila" with the A's.
class SistemaQt : public logica::SistemaCarpetas {
public:
    std::filesystem::path Completa(const std::filesystem::path& ruta) const override {
        const QString q = QRuta(ruta);
        return q.isEmpty() ? std::filesystem::path() : RutaDe(QDir::cleanPath(QFileInfo(q).absoluteFilePath()));
    }
    bool EsCarpeta(const std::filesystem::path& ruta) const override { return QFileInfo(QRuta(ruta)).isDir(); }
    std::optional<std::vector<std::filesystem::path>> Subcarpetas(const std::filesystem::path& carpeta) const override {
        const QFileInfo info(QRuta(carpeta));
        if (!info.isDir() || !info.isReadable() || !info.isExecutable()) return std::nullopt;
        auto subcarpetas = QDir(QRuta(carpeta)).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
        QCollator orden(QLocale(QLocale::Spanish, QLocale::Spain));
        orden.setCaseSensitivity(Qt::CaseInsensitive);
        orden.setNumericMode(true);
        std::stable_sort(subcarpetas.begin(), subcarpetas.end(), [&orden](const QFileInfo& a, const QFileInfo& b) {
            return orden.compare(a.fileName(), b.fileName()) < 0;
        });
        std::vector<std::filesystem::path> nombres;
        nombres.reserve(static_cast<std::size_t>(subcarpetas.size()));
        for (const QFileInfo& sub : subcarpetas) nombres.push_back(RutaDe(sub.fileName()));
        return nombres;
    }
};

}  // namespace

const logica::SistemaCarpetas& ListaCarpetas::Sistema() {
    static const SistemaQt sistema;
    return sistema;
}

ListaCarpetas::ListaCarpetas(QWidget* padre) : QListWidget(padre) {
    setItemDelegate(new DelegadoSangria(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setIconSize(QSize(16, 16));
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit activada(); });
}

void ListaCarpetas::PonerCarpetaInicial(const QString& ruta) {
    const QString antes = Carpeta();
    if (!modelo_.PonerCarpetaInicial(RutaDe(ruta))) return;
    Rellenar();
    if (Carpeta() != antes) emit carpetaCambiada(Carpeta());
}

bool ListaCarpetas::PonerCarpeta(const QString& ruta) {
    const QString antes = Carpeta();
    if (!modelo_.PonerCarpeta(RutaDe(ruta))) return false;
    Rellenar();
    if (Carpeta() != antes) emit carpetaCambiada(Carpeta());
    return true;
}

void ListaCarpetas::ListarOtraVez() {
    modelo_.ListarOtraVez();
    Rellenar();
}

QString ListaCarpetas::Resaltada() const { return QRuta(modelo_.RutaDe(currentRow())); }

void ListaCarpetas::Rellenar() {
    clear();
    // Our own pictures: the styles' open and closed folders can look alike.
    static const QIcon abierta = Dibujo(QStringLiteral("folder-open"));
    static const QIcon cerrada = Dibujo(QStringLiteral("folder-closed"));
    for (const logica::EntradaCarpeta& e : modelo_.Entradas()) {
        const QString nombre = e.nivel == 0 ? QDir::toNativeSeparators(QRuta(e.nombre)) : QRuta(e.nombre);
        auto* item = new QListWidgetItem(e.abierta ? abierta : cerrada, nombre, this);
        item->setData(kRolNivel, e.nivel);
    }
    QListWidgetItem* actual = item(static_cast<int>(modelo_.FilaActual()));
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
