// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher tool's command line and standard streams on Windows: arguments come from the
// UTF-16 command line (argv holds only the ANSI code page), and the output is binary so that
// it has the same bytes as on Linux.
#include "names.h"
#include "output.h"

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

} // namespace drevant::keytool
