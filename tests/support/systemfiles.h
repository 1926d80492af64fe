// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The POSIX file-system stand-ins some tests use (a FIFO, a file size limit for a full disk,
// permission bits), each one small function; on Windows, which has none of them, the test
// skips with the reason (DREVANT_SKIP_ON_WINDOWS) and the functions only report failure.

#include <QFile>
#include <QString>
#include <QStringList>

#include <csignal>
#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#define DREVANT_SKIP_ON_WINDOWS(reason) GTEST_SKIP() << (reason)
#else
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#define DREVANT_SKIP_ON_WINDOWS(reason) (void)0
#endif

namespace drevant::testing {

#ifdef _WIN32
inline constexpr bool IsWindows = true;
#else
inline constexpr bool IsWindows = false;
#endif

// Whether this Windows program runs under Wine, whose files live on the host's file system
// (names of at most 255 bytes of UTF-8, symbolic links Windows programs cannot make).
inline bool underWine() {
#ifdef _WIN32
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

// Makes a FIFO at path; false where it cannot (and always on Windows).
inline bool makeFifo(const QString& path) {
#ifdef _WIN32
    Q_UNUSED(path);
    return false;
#else
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
}

// The permission bits of a file (st_mode & 0777), or -1.
inline int permissionBits(const QString& path) {
#ifdef _WIN32
    Q_UNUSED(path);
    return -1;
#else
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
#endif
}

// Sets the permission bits of a file.
inline bool setPermissionBits(const QString& path, int bits) {
#ifdef _WIN32
    Q_UNUSED(path);
    Q_UNUSED(bits);
    return false;
#else
    return ::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(bits)) == 0;
#endif
}

// The longest file name (bytes) the folder's file system takes.
inline long longestNameBytes(const QString& folder) {
#ifdef _WIN32
    Q_UNUSED(folder);
    return 255;
#else
    return ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
#endif
}

// Runs `write` with the process's file size limit lowered to `bytes`, a stand-in for a full
// disk: a write past it fails with "File too large" (SIGXFSZ is ignored meanwhile). The limit
// is restored after. False, without running `write`, when the limit could not be set.
template <typename Write> bool underFileSizeLimit(std::int64_t bytes, Write write) {
#ifdef _WIN32
    Q_UNUSED(bytes);
    Q_UNUSED(write);
    return false;
#else
    rlimit saved{};
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0)
        return false;
    rlimit small = saved;
    small.rlim_cur = static_cast<rlim_t>(bytes);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool limited = setrlimit(RLIMIT_FSIZE, &small) == 0;
    if (limited)
        write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return limited;
#endif
}

// While it lives, file permissions are checked as for an ordinary user, also when the tests
// run as root (who ignores permission bits): root hands `owned` (paths) to "nobody" and
// checks files as that user (setfsuid, this thread only). An ordinary user, and Windows,
// stay as they are.
class AsOrdinaryUser {
public:
    explicit AsOrdinaryUser(const QStringList& owned) {
#ifndef _WIN32
        m_root = ::geteuid() == 0;
        if (!m_root)
            return;
        for (const QString& path : owned)
            (void)::chown(QFile::encodeName(path).constData(), Nobody, Nobody);
        ::setfsgid(Nobody);
        ::setfsuid(Nobody);
#else
        Q_UNUSED(owned);
#endif
    }
    ~AsOrdinaryUser() {
#ifndef _WIN32
        if (m_root) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
#endif
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
#ifndef _WIN32
    static constexpr uid_t Nobody = 65534;
#endif
    bool m_root = false;
};

} // namespace drevant::testing
