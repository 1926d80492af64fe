// SPDX-License-Identifier: GPL-3.0-or-later
#include "folderlist.h"

#include "export/filenames.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

#include <algorithm>

namespace drevant {

namespace {

// The folders from the root down to `folder`, `folder` last.
QStringList foldersFromRoot(const QString& folder) {
    QStringList chain{folder};
    QString current = folder;
    for (;;) {
        const QString parent = QFileInfo(current).path();
        if (parent == current || parent == QLatin1String("."))
            break;
        chain.prepend(parent);
        current = parent;
    }
    return chain;
}

QString entryName(const QString& folder) {
    const QString name = listedName(QFileInfo(folder).fileName());
    return name.isEmpty() ? QDir::toNativeSeparators(folder) : name; // a root shows itself
}

QString childPath(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

} // namespace

FolderList::FolderList(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setUniformRowHeights(true);
    setIndentation(12);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        emit folderChosen(item->data(0, PathRole).toString());
    });
}

void FolderList::showFolder(const QString& folder) {
    m_path = folder;
    clear();
    if (folder.isEmpty())
        return;
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QTreeWidgetItem* parent = nullptr;
    for (const QString& path : foldersFromRoot(folder)) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, entryName(path));
        item->setIcon(0, open);
        item->setData(0, PathRole, path);
        parent = item;
    }
    QTreeWidgetItem* current = parent;

    // By the names' bytes: a subfolder whose name is not UTF-8 is shown (U+FFFD for each such
    // byte) and entered with its bytes kept. Hidden folders are left out.
    QStringList subfolders = folderEntries(folder, EntryKind::Folders);
    subfolders.removeIf([](const QString& name) { return name.startsWith(u'.'); });
    std::sort(subfolders.begin(), subfolders.end(), [](const QString& a, const QString& b) {
        return QString::localeAwareCompare(listedName(a).toCaseFolded(),
                                           listedName(b).toCaseFolded()) < 0;
    });
    QList<QTreeWidgetItem*> children;
    children.reserve(subfolders.size());
    for (const QString& name : subfolders) {
        auto* item = new QTreeWidgetItem(QStringList{listedName(name)});
        item->setIcon(0, closed);
        item->setData(0, PathRole, childPath(folder, name));
        children << item;
    }
    current->addChildren(children);
    expandAll();
    setCurrentItem(current);
    scrollToItem(current);
}

QTreeWidgetItem* FolderList::itemOf(const QString& folder) const {
    for (QTreeWidgetItemIterator it(const_cast<FolderList*>(this)); *it; ++it) {
        if ((*it)->data(0, PathRole).toString() == folder)
            return *it;
    }
    return nullptr;
}

QStringList FolderList::shownFolders() const {
    QStringList folders;
    for (QTreeWidgetItemIterator it(const_cast<FolderList*>(this)); *it; ++it)
        folders << (*it)->data(0, PathRole).toString();
    return folders;
}

} // namespace drevant
