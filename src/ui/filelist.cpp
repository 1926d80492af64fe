// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist.h"

#include <QDir>
#include <QKeyEvent>
#include <QSet>

namespace drevant {

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this] { emit fileClicked(); });
}

void FileList::keyPressEvent(QKeyEvent* event) {
    // The view itself makes the first file current (without selecting it) when the focus
    // arrives, so a change of the current row alone does not mean the user picked anything:
    // only a key that moved or made the selection does.
    const int rowBefore = currentRow();
    const QList<QListWidgetItem*> selectedBefore = selectedItems();
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
    if (!folder.isEmpty()) {
        const QDir dir(folder, Pattern(), QDir::Name | QDir::IgnoreCase,
                       QDir::Files | QDir::Hidden | QDir::CaseSensitive);
        addItems(dir.entryList());
    }
}

QString FileList::FileName() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}

} // namespace drevant
