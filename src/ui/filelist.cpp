// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist.h"

#include <QDir>

namespace drevant {

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this] { emit fileClicked(); });
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling && row >= 0)
            emit fileClicked();
    });
}

void FileList::showFiles(const QString& folder) {
    m_path = folder;
    m_filling = true;
    clear();
    if (!folder.isEmpty()) {
        const QDir dir(folder, Pattern(), QDir::Name | QDir::IgnoreCase,
                       QDir::Files | QDir::CaseSensitive);
        addItems(dir.entryList());
    }
    m_filling = false;
}

QString FileList::FileName() const {
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}

} // namespace drevant
