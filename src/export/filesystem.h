// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace drevant {

// The few file-system calls that need the system's own interface (names as bytes, files
// that must not be followed or waited on). Paths are the bytes of nameBytes.

// What a name is on disk, without following a symbolic link at its end.
enum class NameKind { Missing, RegularFile, Folder, SymbolicLink, Other };
NameKind nameKind(const QByteArray& path);

// The bytes of a regular file, at most maxBytes + 1 of them (so that a file that grew past
// the limit since its size was taken is still seen to be too large). A folder, pipe or
// device is refused without being read or waited on.
struct RawFile {
    enum Status { Read, Missing, Folder, NotRegular, TooLarge, CannotOpen, CannotRead };
    Status status = Missing;
    QByteArray bytes;    // when Read
    qint64 size = 0;     // when TooLarge
    QString systemError; // when CannotOpen or CannotRead, in the system's words
};
RawFile readRegularFile(const QByteArray& path, qint64 maxBytes);

// Shared by the platforms' readRegularFile: an opened regular file of `size` bytes read with
// `readSome` (bytes read into the buffer, 0 at the end, -1 on an error whose text
// lastSystemError gives), at most maxBytes + 1 bytes of it.
using ReadSome = std::function<qint64(char* buffer, qint64 wanted)>;
RawFile readOpenedFile(qint64 size, qint64 maxBytes, const ReadSome& readSome);
QString lastSystemError();

// Creates a folder and the missing folders above it. Empty when the folder exists
// afterwards, else why not, in the system's words.
QString makeFolders(const QByteArray& path);

// A file's identity (device and inode), links followed; all zero for a name that is not there.
struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
FileIdentity fileIdentity(const QByteArray& path);

} // namespace drevant
