// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace drevant {

// A file list: the files of its `Path` whose names match `Pattern` ("*.dat"), compared with
// case, as the save names them. Hidden files are left out.
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    void showFiles(const QString& folder);
    const QString& Path() const { return m_path; }
    QString Pattern() const { return QStringLiteral("*.dat"); }
    // The selected (current) file's name without its folder, or empty.
    QString FileName() const;

signals:
    // The user clicked a file or moved the selection to one.
    void fileClicked();

private:
    QString m_path;
    bool m_filling = false;
};

} // namespace drevant
