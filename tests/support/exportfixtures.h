// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/declarevars.h"
#include "support/sampletables.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace drevant::testing {

// A session with a sample and an empty log, as the titration window leaves it.
inline DeclareVars sessionWith(const QString& letter, const SampleTable& table) {
    DeclareVars vars;
    resetDataLog(vars);
    vars.SampleParams = table;
    vars.SystemCode = letter;
    vars.TitrantNormality = QStringLiteral("0.25");
    vars.SampleVolumeL = 0.05;
    return vars;
}

// Logs points 1..count with 32-bit volumes growing by 0.1 mL and pH values from 2.
inline void logPoints(DeclareVars& vars, int count) {
    for (int k = 1; k <= count; ++k) {
        vars.VolLog[k] = k == 1 ? Number::integer(0) : Number::single(0.0001f * (k - 1));
        vars.PhLog[k] = Number::real(2.0 + 0.05 * (k - 1));
    }
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Whether a write into `folder` would be refused: false when the user may write anyway
// (root ignores permission bits).
inline bool writesRefusedIn(const QString& folder) {
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        return false;
    }
    return true;
}

// While it lives, file permissions are checked as for an ordinary user, also when the tests
// run as root (who ignores permission bits): root hands `owned` (paths) to "nobody" and
// checks files as that user (setfsuid, this thread only). An ordinary user stays himself.
class AsOrdinaryUser {
public:
    explicit AsOrdinaryUser(const QStringList& owned) : m_root(::geteuid() == 0) {
        if (!m_root)
            return;
        for (const QString& path : owned)
            (void)::chown(QFile::encodeName(path).constData(), Nobody, Nobody);
        ::setfsgid(Nobody);
        ::setfsuid(Nobody);
    }
    ~AsOrdinaryUser() {
        if (m_root) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    static constexpr uid_t Nobody = 65534;
    bool m_root;
};

// Runs `write` with the process's file size limit lowered to `bytes`, a stand-in for a full
// disk: a write past it fails with "File too large" (SIGXFSZ is ignored meanwhile). The limit
// is restored after. False, without running `write`, when the limit could not be set.
template <typename Write> bool underFileSizeLimit(rlim_t bytes, Write write) {
    rlimit saved{};
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0)
        return false;
    rlimit small = saved;
    small.rlim_cur = bytes;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool limited = setrlimit(RLIMIT_FSIZE, &small) == 0;
    if (limited)
        write();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return limited;
}

} // namespace drevant::testing
