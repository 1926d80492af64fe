// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace drevant {

// File names are bytes on Unix. A name that is valid UTF-8 becomes its text; every byte of a
// name that is not (a folder made on another system, unpacked from an archive) is kept as the
// code unit U+DC80 + byte, so that nameBytes gives back exactly the bytes the name had and the
// file opens. Qt's own decoding would replace such bytes with U+FFFD and lose the file.
QString nameFromBytes(const QByteArray& bytes);
QByteArray nameBytes(const QString& name);

// Whether the code unit at `i` stands for a raw byte of a name (see nameFromBytes). The low
// half of a character beyond U+FFFF can have the same value; it follows its high half.
inline bool isEscapedByte(const QString& name, qsizetype i) {
    const char16_t c = name.at(i).unicode();
    return c >= 0xDC80 && c <= 0xDCFF && !(i > 0 && name.at(i - 1).isHighSurrogate());
}

// A name safe for one line of output: control characters as "?".
QString shownName(const QString& name);

// A name as a list shows it: each raw byte as U+FFFD.
QString listedName(const QString& name);

// The platform's part (one file per platform): a path in the file system's own form, the
// names in a folder, and whether a path is a folder, all by the bytes of the names.
QByteArray nativePath(const QString& path);
enum class EntryKind { Folders, Files };
// The names (not "." and "..") of the entries of that kind in `folder`, links followed,
// hidden ones included, unsorted; none when the folder cannot be read.
QStringList folderEntries(const QString& folder, EntryKind kind);
bool isFolderPath(const QString& path);
// The user's home folder: on Unix by the bytes of HOME (a name that is not UTF-8 is kept),
// on Windows the user's profile folder.
QString homeFolderPath();

} // namespace drevant
