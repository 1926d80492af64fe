// SPDX-License-Identifier: GPL-3.0-or-later
#include "platformfile.h"

#include "windowsname.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace drevant {

QString windowsErrorText(unsigned long error) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString message = length > 0 ? QString::fromWCharArray(text, static_cast<qsizetype>(length))
                                 : QStringLiteral("system error %1").arg(error);
    ::LocalFree(text);
    message = message.simplified();
    while (message.endsWith(u'.'))
        message.chop(1);
    return message;
}

std::wstring windowsSystemName(const QString& path) {
    QString native = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (native.startsWith(QLatin1String("\\\\")))
        native = QStringLiteral("\\\\?\\UNC\\") + native.mid(2);
    else
        native = QStringLiteral("\\\\?\\") + native;
    return native.toStdWString();
}

namespace platformfile {

namespace {

QString systemError(DWORD error) {
    return windowsErrorText(error);
}

std::wstring systemName(const QString& path) {
    return windowsSystemName(path);
}

// Names the Win32 layer takes for devices, in any case and with any extension ("NUL.dat").
bool isDeviceName(const QString& name) {
    const QString base = name.section(u'.', 0, 0).trimmed().toUpper();
    static const QStringList devices = {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                        QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                        QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (devices.contains(base))
        return true;
    return base.size() == 4 &&
           (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))) &&
           base.at(3) >= u'1' && base.at(3) <= u'9';
}

} // namespace

std::optional<QString> replaceProblem(const QString& path, bool& exists) {
    const DWORD attributes = ::GetFileAttributesW(systemName(path).c_str());
    exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists)
        return std::nullopt;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return QStringLiteral("Is a directory");
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return systemError(ERROR_ACCESS_DENIED);
    return std::nullopt;
}

std::optional<QString> nameProblem(const QString& folder, const QString& name) {
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("<>:\"|?*\\").contains(c))
            return QStringLiteral("Windows does not allow the character \"%1\" in a file name")
                .arg(c.unicode() < 0x20
                         ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                         : QString(c));
    }
    if (name.endsWith(u'.') || name.endsWith(u' '))
        return QStringLiteral("Windows does not allow a file name ending in a dot or a space");
    if (isDeviceName(name))
        return QStringLiteral("Windows keeps the name \"%1\" for a device")
            .arg(name.section(u'.', 0, 0).trimmed());
    DWORD longest = 255;
    const QString root =
        QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath()).section(u'\\', 0, 0) + u'\\';
    if (!::GetVolumeInformationW(root.toStdWString().c_str(), nullptr, 0, nullptr, &longest,
                                 nullptr, nullptr, 0))
        longest = 255;
    if (name.size() > static_cast<qsizetype>(longest))
        return QStringLiteral("File name too long");
    return std::nullopt;
}

Creation createNew(QFile& file, const QString& path, const QString& permissionsOf, QString& error) {
    Q_UNUSED(permissionsOf); // a new file takes its folder's access rights, as Windows does
    const HANDLE handle = ::CreateFileW(systemName(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS)
            return Creation::NameTaken;
        error = systemError(code);
        return Creation::Failed;
    }
    const int fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
        removeQuietly(path);
        error = systemError(ERROR_INVALID_HANDLE);
        return Creation::Failed;
    }
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::_close(fd);
        error = file.errorString();
        removeQuietly(path);
        return Creation::Failed;
    }
    return Creation::Created;
}

bool openInPlace(QFile& file, const QString& path, QString& error) {
    // createNew never reports Refused here (a folder's rights on Windows are its ACL, which
    // the save does not second-guess), so this is the plain Qt open for completeness.
    file.setFileName(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool syncToDisk(QFile& file, QString& error) {
    const intptr_t handle = ::_get_osfhandle(file.handle());
    if (handle == -1 || !::FlushFileBuffers(reinterpret_cast<HANDLE>(handle))) {
        error = systemError(handle == -1 ? ERROR_INVALID_HANDLE : ::GetLastError());
        return false;
    }
    return true;
}

bool replaceWith(const QString& from, const QString& to, QString& error) {
    if (!::MoveFileExW(systemName(from).c_str(), systemName(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = systemError(::GetLastError());
        return false;
    }
    return true;
}

void removeQuietly(const QString& path) {
    ::DeleteFileW(systemName(path).c_str());
}

} // namespace platformfile

} // namespace drevant
