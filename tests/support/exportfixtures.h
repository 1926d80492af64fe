// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/declarevars.h"
#include "support/sampletables.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include "support/systemfiles.h"

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

} // namespace drevant::testing
