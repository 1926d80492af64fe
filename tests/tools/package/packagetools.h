// SPDX-License-Identifier: GPL-3.0-or-later
// Running outside programs from the package and licence tests, bounded in time.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace drevant::packagetest {

struct Result {
    bool started = false;
    bool finished = false;
    int exitCode = -1;
    QByteArray out; // standard output and error, merged
};

inline Result run(const QString& program, const QStringList& args, int timeoutMs = 300000,
                  const QString& workingDir = QString()) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    p.start(program, args);
    Result r;
    if (!p.waitForStarted(30000))
        return r;
    r.started = true;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.out = "timed out";
        return r;
    }
    r.out = p.readAll();
    r.finished = p.exitStatus() == QProcess::NormalExit;
    r.exitCode = r.finished ? p.exitCode() : -1;
    return r;
}

inline bool succeeded(const Result& r) {
    return r.finished && r.exitCode == 0;
}

inline QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The full path of a program the set-up script installs, or empty.
inline QString tool(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

} // namespace drevant::packagetest
