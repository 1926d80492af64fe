// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher tool's command line and standard streams on POSIX systems: names are bytes.
#include "names.h"
#include "output.h"
#include "sheetpaths.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drevant::keytool {

QStringList commandLineArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << nameFromBytes(QByteArray(argv[i]));
    return arguments;
}

bool standardOutputIsOpen() {
    return ::fcntl(STDOUT_FILENO, F_GETFD) != -1;
}

void occupyClosedStandardDescriptors() {
    for (int fd : {STDIN_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) != -1)
            continue;
        const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

std::optional<QString> canonicalPath(const QString& name) {
    char* resolved = ::realpath(nameBytes(name).constData(), nullptr);
    if (resolved == nullptr)
        return std::nullopt;
    const QString path = nameFromBytes(QByteArray(resolved));
    std::free(resolved);
    return path;
}

std::optional<QString> standardOutputFolder() {
    struct stat st {};
    if (::fstat(STDOUT_FILENO, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    const std::optional<QString> file = canonicalPath(QStringLiteral("/proc/self/fd/1"));
    if (!file)
        return std::nullopt;
    return file->left(std::max<qsizetype>(1, file->lastIndexOf(u'/')));
}

} // namespace drevant::keytool
