// SPDX-License-Identifier: GPL-3.0-or-later
// Platforms whose file names are always text (Windows): Qt's own file functions.
#include "export/filenames.h"

#include <QDir>
#include <QFileInfo>

namespace drevant {

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

QStringList folderEntries(const QString& folder, EntryKind kind) {
    const QDir::Filters filters = (kind == EntryKind::Folders ? QDir::Dirs : QDir::Files) |
                                  QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    return QDir(folder).entryList(filters, QDir::Unsorted);
}

bool isFolderPath(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

QString homeFolderPath() {
    return QDir::homePath();
}

} // namespace drevant
