// SPDX-License-Identifier: GPL-3.0-or-later
#include "filesystem.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drevant {

namespace {

QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
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

bool hasNul(const QByteArray& path) {
    return path.isEmpty() || path.contains('\0');
}

} // namespace

NameKind nameKind(const QByteArray& path) {
    struct stat st {};
    if (hasNul(path) || ::lstat(path.constData(), &st) != 0)
        return NameKind::Missing;
    if (S_ISLNK(st.st_mode))
        return NameKind::SymbolicLink;
    if (S_ISDIR(st.st_mode))
        return NameKind::Folder;
    return S_ISREG(st.st_mode) ? NameKind::RegularFile : NameKind::Other;
}

RawFile readRegularFile(const QByteArray& path, qint64 maxBytes) {
    RawFile out;
    if (hasNul(path))
        return out;
    struct stat st {};
    if (::stat(path.constData(), &st) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            out.status = RawFile::CannotOpen;
            out.systemError = systemText(errno);
        }
        return out;
    }
    out.status = S_ISDIR(st.st_mode)   ? RawFile::Folder
                 : S_ISREG(st.st_mode) ? RawFile::Read
                                       : RawFile::NotRegular;
    if (out.status != RawFile::Read)
        return out;
    // O_NONBLOCK: if the name was swapped for a FIFO since the check, opening does not hang.
    const Descriptor fd(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (fd.get() < 0) {
        out.status = RawFile::CannotOpen;
        out.systemError = systemText(errno);
        return out;
    }
    if (::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode)) {
        out.status = RawFile::NotRegular;
        return out;
    }
    return readOpenedFile(opened.st_size, maxBytes, [&fd](char* buffer, qint64 wanted) {
        ssize_t n = 0;
        do {
            n = ::read(fd.get(), buffer, static_cast<std::size_t>(wanted));
        } while (n < 0 && errno == EINTR);
        return static_cast<qint64>(n);
    });
}

QString lastSystemError() {
    return systemText(errno);
}

QString makeFolders(const QByteArray& path) {
    if (hasNul(path))
        return systemText(ENOENT);
    // Each folder from the top down; one that exists already is fine if it is a folder.
    for (qsizetype end = 1; end <= path.size(); ++end) {
        if (end < path.size() && path.at(end) != '/')
            continue;
        const QByteArray part = path.left(end);
        if (part.endsWith('/'))
            continue;
        if (::mkdir(part.constData(), 0777) == 0)
            continue;
        const int error = errno;
        struct stat st {};
        if (::stat(part.constData(), &st) == 0) {
            if (S_ISDIR(st.st_mode))
                continue;
            return systemText(ENOTDIR);
        }
        return systemText(error);
    }
    return QString();
}

FileIdentity fileIdentity(const QByteArray& path) {
    struct stat st {};
    if (hasNul(path) || ::stat(path.constData(), &st) != 0)
        return {};
    return {static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
}

} // namespace drevant
