// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomicfile.h"

#include "export/filenames.h"

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
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

// Whether a failure to create the temporary file means the folder does not let this user
// create files (rather than a missing folder, a full disk and so on).
bool creationRefused(int systemError) {
    return systemError == EACCES || systemError == EPERM;
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
    const QByteArray target = nativePath(m_target);
    struct stat existing {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return fail(EISDIR);
    if (exists && ::access(target.constData(), W_OK) != 0)
        return fail(errno);

    const QString folder = QFileInfo(m_target).absolutePath();
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const QString candidate = folder + u'/' + temporaryName();
        fd = ::open(nativePath(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                    0666);
        if (fd >= 0)
            m_temporaryPath = candidate;
        else if (errno != EEXIST)
            break;
    }
    if (fd < 0 && creationRefused(errno) && exists && S_ISREG(existing.st_mode)) {
        // A folder where no file may be created, a file that may be written: in place.
        fd = ::open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0)
            return fail(errno);
        m_inPlace = true;
    }
    if (fd < 0)
        return fail(errno);
    if (exists && !m_inPlace)
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
    if ((m_temporaryPath.isEmpty() && !m_inPlace) || !m_file.isOpen())
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
    if (m_inPlace)
        return true;
    if (::rename(nativePath(m_temporaryPath).constData(), nativePath(m_target).constData()) != 0) {
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
        ::unlink(nativePath(m_temporaryPath).constData());
        m_temporaryPath.clear();
    }
}

} // namespace drevant
