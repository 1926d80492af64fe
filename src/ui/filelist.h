// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace drevant {

// A file list: the files of its `Path` whose names match `Pattern` ("*.dat"), compared with
// case, as the save names them. Names that begin with a dot are listed too: an empty name in
// the box saves ".dat".
class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    void showFiles(const QString& folder);
    const QString& Path() const { return m_path; }
    QString Pattern() const { return QStringLiteral("*.dat"); }
    // The selected (current) file's name without its folder, or empty; a name that is not
    // UTF-8 keeps its bytes (see filenames.h).
    QString FileName() const;

    static constexpr int NameRole = Qt::UserRole; // an item's name as the file system has it

signals:
    // The user picked a file: a mouse click on it, or a key that moved the selection to it
    // (arrows, Home/End, page keys, a typed letter). Never for the focus arriving or a fill.
    void fileClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_path;
};

} // namespace drevant
