// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/filenames.h"

#include <QDir>

#include <dirent.h>
#include <sys/stat.h>

namespace drevant {

QByteArray nativePath(const QString& path) {
    return nameBytes(path);
}

QStringList folderEntries(const QString& folder, EntryKind kind) {
    QStringList names;
    const QByteArray base = nameBytes(folder);
    DIR* dir = ::opendir(base.constData());
    if (!dir)
        return names;
    const QByteArray prefix = base.endsWith('/') ? base : base + '/';
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        struct stat st {};
        if (::stat((prefix + name).constData(), &st) != 0)
            continue;
        const bool wanted = kind == EntryKind::Folders ? S_ISDIR(st.st_mode) : S_ISREG(st.st_mode);
        if (wanted)
            names << nameFromBytes(name);
    }
    ::closedir(dir);
    return names;
}

bool isFolderPath(const QString& path) {
    struct stat st {};
    return !path.isEmpty() && ::stat(nameBytes(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QString homeFolderPath() {
    const QString home = nameFromBytes(qgetenv("HOME"));
    return isFolderPath(home) ? home : QDir::homePath();
}

} // namespace drevant
