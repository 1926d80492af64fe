// SPDX-License-Identifier: GPL-3.0-or-later
// The reader's file-system calls on Windows. A path's bytes are UTF-8 here (names come from
// the UTF-16 command line or from Qt, never as raw bytes): they are handed to the wide Win32
// calls, so any Unicode name opens.
#include "filesystem.h"

#include "windowsname.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <windows.h>

namespace drevant {

namespace {

// Closes a handle on every return path.
class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() {
        if (m_handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

bool hasNul(const QByteArray& path) {
    return path.isEmpty() || path.contains('\0');
}

// A device name (CON, NUL.txt) opens the device, not a file: it is never read.
bool isDevice(const QString& name) {
    wchar_t full[MAX_PATH];
    const std::wstring wide = QDir::toNativeSeparators(name).toStdWString();
    const DWORD length = ::GetFullPathNameW(wide.c_str(), MAX_PATH, full, nullptr);
    return length > 4 && length < MAX_PATH && std::wstring(full, 4) == L"\\\\.\\";
}

// Opens a name to read it or to look at it; folders open too (backup semantics), so that they
// can be told apart. Others may go on reading, writing or renaming the file meanwhile.
HANDLE openForReading(const QByteArray& path, DWORD flags = 0) {
    if (hasNul(path) || isDevice(QString::fromUtf8(path)))
        return INVALID_HANDLE_VALUE;
    return ::CreateFileW(windowsSystemName(QString::fromUtf8(path)).c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
}

bool isMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH ||
           error == ERROR_INVALID_DRIVE;
}

NameKind kindOf(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(handle, &info))
        return NameKind::Other;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return NameKind::SymbolicLink;
    return (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? NameKind::Folder
                                                              : NameKind::RegularFile;
}

} // namespace

NameKind nameKind(const QByteArray& path) {
    if (!hasNul(path) && isDevice(QString::fromUtf8(path)))
        return NameKind::Other;
    // The link itself, not what it names.
    const Handle handle(openForReading(path, FILE_FLAG_OPEN_REPARSE_POINT));
    if (handle.get() == INVALID_HANDLE_VALUE)
        return NameKind::Missing;
    return kindOf(handle.get());
}

RawFile readRegularFile(const QByteArray& path, qint64 maxBytes) {
    RawFile out;
    if (hasNul(path))
        return out;
    if (isDevice(QString::fromUtf8(path))) {
        out.status = RawFile::NotRegular;
        return out;
    }
    const Handle handle(openForReading(path));
    if (handle.get() == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        if (!isMissing(code)) {
            out.status = RawFile::CannotOpen;
            out.systemError = windowsErrorText(code);
        }
        return out;
    }
    const NameKind kind = kindOf(handle.get());
    out.status = kind == NameKind::Folder        ? RawFile::Folder
                 : kind == NameKind::RegularFile ? RawFile::Read
                                                 : RawFile::NotRegular;
    if (out.status != RawFile::Read)
        return out;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle.get(), &size)) {
        out.status = RawFile::CannotRead;
        out.systemError = windowsErrorText(::GetLastError());
        return out;
    }
    return readOpenedFile(size.QuadPart, maxBytes, [&handle](char* buffer, qint64 wanted) {
        DWORD n = 0;
        const auto most = static_cast<DWORD>(std::min<qint64>(wanted, 1 << 30));
        return ::ReadFile(handle.get(), buffer, most, &n, nullptr) ? qint64(n) : qint64(-1);
    });
}

QString lastSystemError() {
    return windowsErrorText(::GetLastError());
}

QString makeFolders(const QByteArray& path) {
    if (hasNul(path))
        return windowsErrorText(ERROR_PATH_NOT_FOUND);
    const QString folder = QString::fromUtf8(path);
    if (QDir().mkpath(folder) && QFileInfo(folder).isDir())
        return QString();
    return QFileInfo(folder).exists() ? windowsErrorText(ERROR_DIRECTORY)
                                      : windowsErrorText(ERROR_PATH_NOT_FOUND);
}

FileIdentity fileIdentity(const QByteArray& path) {
    const Handle handle(openForReading(path));
    BY_HANDLE_FILE_INFORMATION info{};
    if (handle.get() == INVALID_HANDLE_VALUE || !::GetFileInformationByHandle(handle.get(), &info))
        return {};
    return {info.dwVolumeSerialNumber,
            (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

} // namespace drevant
