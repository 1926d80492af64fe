// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher tool's command line and standard streams on POSIX systems: names are bytes.
#include "names.h"
#include "output.h"

#include <fcntl.h>
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

} // namespace drevant::keytool
