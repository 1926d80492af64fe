// SPDX-License-Identifier: GPL-3.0-or-later
#include "platformfile.h"

#include "filenames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drevant::platformfile {

namespace {

QString systemError(int error) {
    return qt_error_string(error);
}

} // namespace

std::optional<QString> replaceProblem(const QString& path, bool& exists) {
    const QByteArray target = nameBytes(path);
    struct stat existing {};
    exists = ::stat(target.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return systemError(EISDIR);
    if (exists && ::access(target.constData(), W_OK) != 0)
        return systemError(errno);
    return std::nullopt;
}

std::optional<QString> nameProblem(const QString& folder, const QString& name) {
    long limit = ::pathconf(nameBytes(folder).constData(), _PC_NAME_MAX);
    if (limit <= 0)
        limit = 255; // the file system cannot tell
    if (nameBytes(name).size() > limit)
        return systemError(ENAMETOOLONG);
    return std::nullopt;
}

Creation createNew(QFile& file, const QString& path, const QString& permissionsOf, QString& error) {
    const int fd =
        ::open(nameBytes(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST)
            return Creation::NameTaken;
        error = systemError(errno);
        return errno == EACCES || errno == EPERM ? Creation::Refused : Creation::Failed;
    }
    struct stat existing {};
    if (::stat(nameBytes(permissionsOf).constData(), &existing) == 0)
        (void)::fchmod(fd, existing.st_mode & 07777); // as the file it replaces; best effort
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = file.errorString();
        removeQuietly(path);
        return Creation::Failed;
    }
    return Creation::Created;
}

bool openInPlace(QFile& file, const QString& path, QString& error) {
    const int fd = ::open(nameBytes(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat opened {};
    if (fd < 0 || ::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        error = systemError(fd < 0 ? errno : EINVAL);
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    // Emptied only once it is known to be a regular file.
    if (::ftruncate(fd, 0) != 0 ||
        !file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        error = systemError(errno);
        ::close(fd);
        return false;
    }
    return true;
}

bool syncToDisk(QFile& file, QString& error) {
    // A file system that cannot sync (EINVAL) is taken as it is.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP) {
        error = systemError(errno);
        return false;
    }
    return true;
}

bool replaceWith(const QString& from, const QString& to, QString& error) {
    if (::rename(nameBytes(from).constData(), nameBytes(to).constData()) != 0) {
        error = systemError(errno);
        return false;
    }
    return true;
}

void removeQuietly(const QString& path) {
    ::unlink(nameBytes(path).constData());
}

} // namespace drevant::platformfile
