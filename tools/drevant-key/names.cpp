// SPDX-License-Identifier: GPL-3.0-or-later
#include "names.h"

#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drevant::keytool {

namespace {

ExportFileReading failure(const QString& message) {
    return {std::nullopt, ExportFileError{0, message}};
}

// Closes a descriptor on every return path.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

bool nameExists(const QString& name) {
    struct stat st {};
    return !name.isEmpty() && ::stat(nameBytes(name).constData(), &st) == 0;
}

std::optional<QByteArray> readNamedFile(const QString& name, qint64 maxBytes, QString& error) {
    const QByteArray path = nameBytes(name);
    if (path.contains('\0')) {
        error = QStringLiteral("no such file");
        return std::nullopt;
    }
    auto fail = [&](const QString& what) -> std::optional<QByteArray> {
        error = what;
        return std::nullopt;
    };
    auto systemError = [](const char* what) {
        return QString::fromLatin1(what) + QString::fromLocal8Bit(std::strerror(errno));
    };
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return fail(QStringLiteral("no such file"));
        return fail(systemError("cannot open: "));
    }
    if (S_ISDIR(st.st_mode))
        return fail(QStringLiteral("is a folder, not a file"));
    if (!S_ISREG(st.st_mode))
        return fail(QStringLiteral("is not a regular file (a device, pipe or socket)"));
    // O_NONBLOCK: if the name was swapped for a FIFO since the check, opening does not hang.
    const Descriptor fd(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        return fail(systemError("cannot open: "));
    struct stat opened {};
    if (::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode))
        return fail(QStringLiteral("is not a regular file (a device, pipe or socket)"));
    if (opened.st_size > maxBytes) {
        return fail(QStringLiteral("the file has ") + QString::number(opened.st_size) +
                    QStringLiteral(" bytes, more than the ") + QString::number(maxBytes) +
                    QStringLiteral(" it can have"));
    }
    // One byte more than allowed, so a file that grew since the size check is still caught.
    QByteArray bytes(maxBytes + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + filled,
                                 static_cast<std::size_t>(bytes.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail(systemError("cannot read: "));
        if (n == 0)
            break;
        filled += n;
    }
    bytes.truncate(filled);
    return bytes;
}

ExportFileReading readNamedExportFile(const QString& name) {
    QString error;
    const auto bytes = readNamedFile(name, MaxExportFileBytes, error);
    if (!bytes) {
        if (error.startsWith(QLatin1String("the file has "))) {
            error.replace(QLatin1String(" it can have"), QLatin1String(" an export file can have"));
            error += QStringLiteral(": not an export file");
        } else if (error.startsWith(QLatin1String("is a folder")))
            error = QStringLiteral("is a folder, not an export file");
        return failure(error);
    }
    return parseExportFile(*bytes);
}

} // namespace drevant::keytool
