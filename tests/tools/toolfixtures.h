// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chemistry/phsolver.h"
#include "chemistry/samplegenerator.h"
#include "export/exportwriter.h"
#include "support/exportfixtures.h"
#include "support/scriptedclock.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

namespace drevant::tooltest {

// A clock that always reads the same time (seconds since midnight).
using FixedClock = testing::ScriptedClock;

// A student's titration as the titration window logs it: point 1 at 0 (the whole number),
// then every `stepMl` up to 20 mL, 32-bit volumes, each pH from SolvePh for the session's
// sample as it stands (before the export fills its zero entries).
inline void titrate(DeclareVars& vars, double normality, double stepMl) {
    resetDataLog(vars);
    const double kw = std::pow(10.0, -14);
    const int points = static_cast<int>(std::floor(20.0 / stepMl + 1e-9)) + 1;
    for (int k = 1; k <= points && k < LogSize; ++k) {
        const double ml = (k - 1) * stepMl;
        const float volumeL = static_cast<float>(ml / 1000);
        vars.VolLog[k] = k == 1 ? Number::integer(0) : Number::single(volumeL);
        vars.PhLog[k] = Number::real(
            SolvePh(vars.SampleParams, kw, vars.SampleVolumeL, volumeL, normality).CurrentPh);
    }
}

// Writes one export file of a generated sample with the program's own writer. `level` picks
// the recipe: 0 Simple, 1 Medium, 2 Complex. Returns the sample key the writer wrote.
inline QString writeStudentFile(const QString& path, int level, double seed,
                                const QString& normality = QStringLiteral("0.1"),
                                double sampleVolumeL = 0.05, double stepMl = 0.5,
                                const QLocale& locale = QLocale::c()) {
    DeclareVars vars;
    zeroSampleParams(vars);
    StandardRandom random;
    FixedClock clock(seed);
    GenerateSample(vars, random, clock, level == 0, level == 1, level == 2);
    vars.TitrantNormality = normality; // as the label shows it, "0.1" or "0,1"
    vars.SampleVolumeL = sampleVolumeL;
    titrate(vars, QString(normality).replace(u',', u'.').toDouble(), stepMl);
    const ExportResult r = writeExportFile(path, vars, random, {}, locale);
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    return r.SampleKey;
}

using testing::fileBytes;
using testing::writeBytes;

struct ToolRun {
    int exitCode = -1;
    bool finished = false;
    QString out;
    QString err;
    QStringList errLines() const { return err.split(u'\n', Qt::SkipEmptyParts); }
};

// Runs the built drevant-key with `arguments`; the environment can be changed by `env`, the
// working folder by `folder`.
inline ToolRun runTool(const QStringList& arguments,
                       QProcessEnvironment env = QProcessEnvironment::systemEnvironment(),
                       int timeoutMs = 60000, const QString& folder = QString()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(DREVANT_KEY_BINARY), arguments);
    ToolRun run;
    if (!process.waitForStarted(timeoutMs))
        return run;
    run.finished = process.waitForFinished(timeoutMs);
    if (!run.finished)
        process.kill();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Runs the tool through the shell, so its arguments and redirections can be raw bytes.
inline ToolRun runShell(const QByteArray& script) {
    QProcess process;
    process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromLatin1(script),
                                              QStringLiteral(DREVANT_KEY_BINARY)});
    ToolRun run;
    if (!process.waitForStarted(20000))
        return run;
    run.finished = process.waitForFinished(20000);
    if (!run.finished)
        process.kill();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLatin1(process.readAllStandardOutput()); // bytes kept one to one
    run.err = QString::fromLatin1(process.readAllStandardError());
    return run;
}

// A shell word that gives exactly these bytes, whatever they are: $(printf '\ooo...').
inline QByteArray shellBytes(const QByteArray& bytes) {
    QByteArray escaped;
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 || ch == '\'' || ch == '%' || ch == '\\')
            escaped += '\\' + QByteArray::number(b, 8).rightJustified(3, '0');
        else
            escaped += ch;
    }
    return "\"$(printf '" + escaped + "')\"";
}

// A CSV text split into rows and cells (RFC 4180 quoting), to check its shape.
inline std::vector<QStringList> parseCsv(const QString& text) {
    std::vector<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                cell += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << cell;
            cell.clear();
        } else if (c == u'\n') {
            row << cell;
            cell.clear();
            rows.push_back(row);
            row.clear();
        } else {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty()) {
        row << cell;
        rows.push_back(row);
    }
    return rows;
}

} // namespace drevant::tooltest
