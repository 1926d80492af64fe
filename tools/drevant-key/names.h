// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/exportfilereader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace drevant::keytool {

// File names are bytes. A name that is valid UTF-8 becomes its text; every byte of a name
// that is not (as unzip makes from other systems' archives) is kept as the code unit
// U+DC80 + byte, so that nameBytes gives back exactly the bytes the name had and the file
// opens. Output written through TextOutput prints those bytes unchanged.
QString nameFromBytes(const QByteArray& bytes);
QByteArray nameBytes(const QString& name);

// Whether the code unit at `i` stands for a raw byte of a name (see nameFromBytes). The low
// half of a character beyond U+FFFF can have the same value; it follows its high half.
inline bool isEscapedByte(const QString& name, qsizetype i) {
    const char16_t c = name.at(i).unicode();
    return c >= 0xDC80 && c <= 0xDCFF && !(i > 0 && name.at(i - 1).isHighSurrogate());
}

// Reads and parses the export file with this name, opened by its bytes. Only regular files
// are read (a folder, pipe or device is refused without reading, and a FIFO never blocks),
// and never more than MaxExportFileBytes + 1 bytes.
ExportFileReading readNamedExportFile(const QString& name);

// The bytes of the regular file with this name, at most maxBytes of them; or nothing, with
// a one-line reason in `error`.
std::optional<QByteArray> readNamedFile(const QString& name, qint64 maxBytes, QString& error);

// Whether a file of this name exists (by its bytes).
bool nameExists(const QString& name);

// What a name is on the disk, and which file it is (device and inode, or on Windows volume
// and file index), so that two names of one file are seen as one.
enum class FileKind { Missing, Regular, Folder, Other };
struct FileStatus {
    FileKind kind = FileKind::Missing;
    unsigned long long device = 0;
    unsigned long long inode = 0;
};
FileStatus fileStatus(const QString& name);

// The command line's arguments as names: bytes on POSIX (see nameFromBytes), the UTF-16
// command line on Windows, where argv holds only the ANSI code page.
QStringList commandLineArguments(int argc, char* argv[]);

// The file-system calls above are in names_posix.cpp or names_windows.cpp.

} // namespace drevant::keytool
