// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist.h"

#include "export/filenames.h"

#include <QDir>
#include <QKeyEvent>
#include <QSet>
#include <QStyledItemDelegate>

#include <algorithm>

namespace drevant {

namespace {

// Items no wider than the list's viewport, so that a long name (up to the 255 bytes a file
// system allows) is elided in its middle instead of widening the list behind a horizontal
// scroll bar; the start and the ".dat" end of every name stay visible.
class FittedNameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (const auto* view = qobject_cast<const QAbstractItemView*>(parent()))
            size.setWidth(std::min(size.width(), view->viewport()->width()));
        return size;
    }
};

} // namespace

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    // Sizes asked item by item: the cap below follows the viewport when a vertical scroll bar
    // comes or goes, and Adjust lays the items out again then.
    setUniformItemSizes(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new FittedNameDelegate(this));
    setTextElideMode(Qt::ElideMiddle);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setResizeMode(QListView::Adjust); // lays the items out again at the new width
    connect(this, &QListWidget::itemClicked, this, [this] { emit fileClicked(); });
}

void FileList::keyPressEvent(QKeyEvent* event) {
    // The view itself makes the first file current (without selecting it) when the focus
    // arrives, so a change of the current row alone does not mean the user picked anything:
    // only a key that moved or made the selection does.
    const int rowBefore = currentRow();
    const QList<QListWidgetItem*> selectedBefore = selectedItems();
    // Nothing picked yet: the file the focus made current is where Down and Up begin, so the
    // first of them picks it rather than stepping over it.
    if (selectedBefore.isEmpty() && currentItem() &&
        (event->key() == Qt::Key_Down || event->key() == Qt::Key_Up) &&
        event->modifiers() == Qt::NoModifier) {
        setCurrentItem(currentItem(), QItemSelectionModel::ClearAndSelect);
        emit fileClicked();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
    QListWidgetItem* current = currentItem();
    if (!current)
        return;
    // A move key that finds the current file already in place (Home on the first) picks it.
    static const QSet<int> moveKeys = {Qt::Key_Up,   Qt::Key_Down,   Qt::Key_Home,
                                       Qt::Key_End,  Qt::Key_PageUp, Qt::Key_PageDown,
                                       Qt::Key_Left, Qt::Key_Right};
    if (!current->isSelected() && moveKeys.contains(event->key()) &&
        event->modifiers() == Qt::NoModifier)
        setCurrentItem(current, QItemSelectionModel::ClearAndSelect);
    if (current->isSelected() && (currentRow() != rowBefore || selectedItems() != selectedBefore))
        emit fileClicked();
}

void FileList::showFiles(const QString& folder) {
    m_path = folder;
    clear();
    if (folder.isEmpty())
        return;
    // By the names' bytes: a name that is not UTF-8 is listed (shown with U+FFFD for each
    // such byte) and chosen with its bytes kept.
    QStringList names = folderEntries(folder, EntryKind::Files);
    names.removeIf([](const QString& name) { return !name.endsWith(u".dat"); });
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    for (const QString& name : names) {
        auto* item = new QListWidgetItem(listedName(name), this);
        item->setData(NameRole, name);
    }
}

QString FileList::FileName() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->data(NameRole).toString() : QString();
}

} // namespace drevant
