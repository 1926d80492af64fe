// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Needs the window-logic layer: only binaries that link drevant_forms include this.
#include "forms/exportdialog.h"
#include "support/exportfixtures.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace drevant::testing {

// Two volumes made of real folders, so the lists have something to show: "one" holds the
// start location one/Documents (with a subfolder runs), "two" holds a folder data.
class TwoVolumes {
public:
    TwoVolumes() {
        EXPECT_TRUE(m_dir.isValid());
        for (const char* folder : {"one/Documents/runs", "two/data"})
            EXPECT_TRUE(QDir(m_dir.path()).mkpath(QString::fromLatin1(folder)));
    }

    QString path(const QString& relative) const { return m_dir.filePath(relative); }
    QString one() const { return path(QStringLiteral("one")); }
    QString two() const { return path(QStringLiteral("two")); }
    QString start() const { return path(QStringLiteral("one/Documents")); }
    ExportVolume volumeOne() const { return {one(), QStringLiteral("ONE")}; }
    ExportVolume volumeTwo() const { return {two(), QStringLiteral("TWO")}; }
    ExportLocations locations() const {
        return ExportLocations({volumeOne(), volumeTwo()}, start());
    }

private:
    QTemporaryDir m_dir;
};

// Everything in a folder, hidden entries (a save's temporary file) included, sorted.
inline QStringList folderEntries(const QString& folder) {
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                 QDir::NoDotAndDotDot);
    entries.sort();
    return entries;
}

inline QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

// The worked sample with a short logged titration, remembered folder and drive empty.
inline DeclareVars loggedSession() {
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    logPoints(vars, 3);
    return vars;
}

// Whether two sessions hold the same values, number kinds included.
inline ::testing::AssertionResult sameSession(const DeclareVars& a, const DeclareVars& b) {
    for (int i = 0; i < 9; ++i) {
        if (!a.SampleParams[i].identicalTo(b.SampleParams[i]))
            return ::testing::AssertionFailure() << "SampleParams(" << i << ") differs";
    }
    for (int i = 0; i < LogSize; ++i) {
        if (!(a.VolLog[i] == b.VolLog[i]) || !(a.PhLog[i] == b.PhLog[i]))
            return ::testing::AssertionFailure() << "log entry " << i << " differs";
    }
    if (a.SystemCode != b.SystemCode || a.TitrantNormality != b.TitrantNormality ||
        a.SampleVolumeL != b.SampleVolumeL)
        return ::testing::AssertionFailure() << "titration settings differ";
    if (a.ExportPath != b.ExportPath || a.ExportDrive != b.ExportDrive)
        return ::testing::AssertionFailure()
               << "remembered place differs: " << qPrintable(a.ExportDrive) << " "
               << qPrintable(a.ExportPath) << " vs " << qPrintable(b.ExportDrive) << " "
               << qPrintable(b.ExportPath);
    return ::testing::AssertionSuccess();
}

// The first line of a file, without its line end.
inline QByteArray firstLine(const QString& path) {
    const QByteArray bytes = fileBytes(path);
    return bytes.left(bytes.indexOf("\r\n"));
}

// Records what the lists were told to show, in order.
class RecordingView : public ExportListsView {
public:
    explicit RecordingView(const DeclareVars* vars = nullptr) : m_vars(vars) {}
    void showDrive(const QString& text) override { calls << QStringLiteral("drive ") + text; }
    void showFolder(const QString& folder) override {
        calls << QStringLiteral("folder ") + folder;
        if (m_vars)
            exportDriveAtFolder = m_vars->ExportDrive;
    }
    void showFiles(const QString& folder) override { calls << QStringLiteral("files ") + folder; }

    QStringList calls;
    QString exportDriveAtFolder; // ExportDrive when the folder list last moved

private:
    const DeclareVars* m_vars;
};

// The name box, recording every correction made in it.
class RecordingNameBox : public ExportNameBox {
public:
    explicit RecordingNameBox(QString text) : m_text(std::move(text)) {}
    QString text() const override { return m_text; }
    void setText(const QString& text) override {
        m_text = text;
        shown << text;
    }
    QStringList shown;

private:
    QString m_text;
};

// No event yield: a save that runs straight through.
inline const std::function<void()> noYield;

} // namespace drevant::testing
