// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher tool's command line and standard streams on Windows: arguments come from the
// UTF-16 command line (argv holds only the ANSI code page), and the output is binary so that
// it has the same bytes as on Linux.
#include "names.h"
#include "output.h"
#include "sheetpaths.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h> // CommandLineToArgvW, after windows.h

namespace drevant::keytool {

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

std::optional<QString> canonicalPath(const QString& name) {
    const QString path = QFileInfo(name).canonicalFilePath();
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

// The folder of the file standard output was redirected to (a sheet written with ">"), from
// the handle itself, as the system resolved it.
std::optional<QString> standardOutputFolder() {
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == INVALID_HANDLE_VALUE || out == nullptr || ::GetFileType(out) != FILE_TYPE_DISK)
        return std::nullopt;
    wchar_t buffer[32768];
    const DWORD length = ::GetFinalPathNameByHandleW(out, buffer, 32768, FILE_NAME_NORMALIZED);
    if (length == 0 || length >= 32768)
        return std::nullopt;
    QString file = QDir::fromNativeSeparators(QString::fromWCharArray(buffer, int(length)));
    if (file.startsWith(QLatin1String("//?/UNC/")))
        file = u'/' + file.mid(7); // "//server/share/..."
    else if (file.startsWith(QLatin1String("//?/")))
        file = file.mid(4);                               // "C:/..."
    return canonicalPath(QFileInfo(file).absolutePath()); // "C:/" for a file at the root
}

} // namespace drevant::keytool
