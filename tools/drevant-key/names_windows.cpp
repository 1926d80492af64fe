// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher tool's file-system calls on Windows: names are UTF-16, handed to the system as
// they are (the wide Win32 calls), so any Unicode name opens.
#include "names.h"
#include "output.h"

#include "export/windowsname.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h> // CommandLineToArgvW, after windows.h

namespace drevant::keytool {

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

// Opens a name to read it or to look at it; folders open too (backup semantics), so that
// they can be told apart. Others may go on reading, writing or renaming the file.
HANDLE openForReading(const QString& name) {
    if (name.isEmpty() || name.contains(QChar(u'\0')))
        return INVALID_HANDLE_VALUE;
    return ::CreateFileW(windowsSystemName(name).c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool isMissing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
           error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH ||
           error == ERROR_INVALID_DRIVE;
}

FileStatus statusOf(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(handle, &info))
        return {FileKind::Other, 0, 0};
    const FileKind kind =
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Folder : FileKind::Regular;
    return {kind, info.dwVolumeSerialNumber,
            (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

// A device name (CON, NUL.txt) opens the device, not a file: it is never read.
bool isDevice(const QString& name) {
    wchar_t full[MAX_PATH];
    const std::wstring wide = QString(name).replace(u'/', u'\\').toStdWString();
    const DWORD length = ::GetFullPathNameW(wide.c_str(), MAX_PATH, full, nullptr);
    return length > 4 && length < MAX_PATH && std::wstring(full, 4) == L"\\\\.\\";
}

} // namespace

bool nameExists(const QString& name) {
    return fileStatus(name).kind != FileKind::Missing;
}

FileStatus fileStatus(const QString& name) {
    if (isDevice(name))
        return {FileKind::Other, 0, 0};
    const Handle handle(openForReading(name));
    if (handle.get() == INVALID_HANDLE_VALUE)
        return {};
    return statusOf(handle.get());
}

std::optional<QByteArray> readNamedFile(const QString& name, qint64 maxBytes, QString& error) {
    auto fail = [&](const QString& what) -> std::optional<QByteArray> {
        error = what;
        return std::nullopt;
    };
    if (isDevice(name))
        return fail(QStringLiteral("is not a regular file (a device, pipe or socket)"));
    const Handle handle(openForReading(name));
    if (handle.get() == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        if (name.isEmpty() || name.contains(QChar(u'\0')) || isMissing(code))
            return fail(QStringLiteral("no such file"));
        return fail(QStringLiteral("cannot open: ") + windowsErrorText(code));
    }
    const FileStatus status = statusOf(handle.get());
    if (status.kind == FileKind::Folder)
        return fail(QStringLiteral("is a folder, not a file"));
    if (status.kind != FileKind::Regular)
        return fail(QStringLiteral("is not a regular file (a device, pipe or socket)"));
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle.get(), &size))
        return fail(QStringLiteral("cannot read: ") + windowsErrorText(::GetLastError()));
    if (size.QuadPart > maxBytes) {
        return fail(QStringLiteral("the file has ") + QString::number(size.QuadPart) +
                    QStringLiteral(" bytes, more than the ") + QString::number(maxBytes) +
                    QStringLiteral(" it can have"));
    }
    // One byte more than allowed, so a file that grew since the size check is still caught.
    QByteArray bytes(maxBytes + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        DWORD n = 0;
        const DWORD wanted =
            static_cast<DWORD>(std::min<qsizetype>(bytes.size() - filled, 1 << 30));
        if (!::ReadFile(handle.get(), bytes.data() + filled, wanted, &n, nullptr))
            return fail(QStringLiteral("cannot read: ") + windowsErrorText(::GetLastError()));
        if (n == 0)
            break;
        filled += n;
    }
    bytes.truncate(filled);
    return bytes;
}

QStringList commandLineArguments(int argc, char* argv[]) {
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    QStringList arguments;
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i)
        arguments << QString::fromWCharArray(wide[i]);
    ::LocalFree(wide);
    return arguments;
}

bool standardOutputIsOpen() {
    const int fd = ::_fileno(stdout);
    return fd >= 0 && ::_get_osfhandle(fd) != -1;
}

void occupyClosedStandardDescriptors() {
    if (::_fileno(stdin) < 0 || ::_get_osfhandle(::_fileno(stdin)) == -1)
        (void)std::freopen("NUL", "r", stdin);
    if (::_fileno(stderr) < 0 || ::_get_osfhandle(::_fileno(stderr)) == -1)
        (void)std::freopen("NUL", "w", stderr);
    for (FILE* stream : {stdout, stderr}) {
        if (::_fileno(stream) >= 0)
            ::_setmode(::_fileno(stream), _O_BINARY);
    }
    ::SetConsoleOutputCP(CP_UTF8);
}

} // namespace drevant::keytool
