// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile.h"

#include "filenames.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drevant {

namespace {

// ".drevant-" and eight random letters or digits: never ending in ".dat", so the dialog's
// file list does not show it while it exists.
QString temporaryName() {
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = QStringLiteral(".drevant-");
    for (int i = 0; i < 8; ++i)
        name += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(36)]);
    return name;
}

// Follows symbolic links as far as they go, so that saving over a link replaces the file it
// names and keeps the link.
QString resolvedTarget(const QString& path) {
    QFileInfo info(path);
    if (!info.isSymLink())
        return path; // as given: QFileInfo would turn the bytes of a non-UTF-8 name into U+FFFD
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

} // namespace

AtomicFile::AtomicFile(const QString& path) : m_target(resolvedTarget(path)) {}

AtomicFile::~AtomicFile() {
    cancel();
}

bool AtomicFile::fail(int systemError) {
    m_error = qt_error_string(systemError);
    return false;
}

bool AtomicFile::open() {
    const QByteArray target = nameBytes(m_target);
    struct stat existing {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return fail(EISDIR);
    if (exists && ::access(target.constData(), W_OK) != 0)
        return fail(errno);

    // Cut from the name itself (not through QFileInfo), so that its bytes stay as they are.
    const qsizetype slash = m_target.lastIndexOf(u'/');
    const QString folder = slash < 0    ? QStringLiteral(".")
                           : slash == 0 ? QStringLiteral("/")
                                        : m_target.left(slash);
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const QString candidate = folder + u'/' + temporaryName();
        fd =
            ::open(nameBytes(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            m_temporaryPath = candidate;
        else if (errno != EEXIST)
            return fail(errno);
    }
    if (fd < 0)
        return fail(EEXIST);
    if (exists)
        (void)::fchmod(fd, existing.st_mode & 07777); // as the file it replaces; best effort
    if (!m_file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        m_error = m_file.errorString();
        cancel();
        return false;
    }
    return true;
}

bool AtomicFile::commit() {
    if (m_temporaryPath.isEmpty() || !m_file.isOpen())
        return fail(EBADF);
    errno = 0;
    if (!m_file.flush()) {
        const int error = errno;
        m_error = error != 0 ? qt_error_string(error) : m_file.errorString();
        cancel();
        return false;
    }
    // On disk before the rename; a file system that cannot sync (EINVAL) is taken as it is.
    if (::fsync(m_file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP) {
        fail(errno);
        cancel();
        return false;
    }
    m_file.close();
    if (::rename(nameBytes(m_temporaryPath).constData(), nameBytes(m_target).constData()) != 0) {
        fail(errno);
        cancel();
        return false;
    }
    m_temporaryPath.clear();
    return true;
}

void AtomicFile::cancel() {
    if (m_file.isOpen())
        m_file.close();
    if (!m_temporaryPath.isEmpty()) {
        ::unlink(nameBytes(m_temporaryPath).constData());
        m_temporaryPath.clear();
    }
}

} // namespace drevant
