// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeWidget>

namespace drevant {

// A folder list: the folder `Path` with its ancestors from the root down (open folders), and
// its subfolders below it (closed folders). Activating an entry (double-click or Enter)
// reports that folder; the owner decides whether it becomes the `Path`. Hidden folders are
// left out; a folder that cannot be read shows no subfolders.
class FolderList : public QTreeWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    void showFolder(const QString& folder);
    const QString& Path() const { return m_path; }

    // The entry of `folder`, or null when it is not shown.
    QTreeWidgetItem* itemOf(const QString& folder) const;
    // The folders shown, from the top of the list down.
    QStringList shownFolders() const;

    static constexpr int PathRole = Qt::UserRole;

signals:
    void folderChosen(const QString& folder);

protected:
    // No expand arrows: every entry is always open, the indentation shows the nesting.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

private:
    QString m_path;
};

} // namespace drevant
