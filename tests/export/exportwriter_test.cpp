// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/exportfixtures.h"
#include "support/gtestscriptedrandom.h"
#include "support/plainscan.h"
#include "support/scriptedclock.h"

#include "chemistry/phsolver.h"
#include "chemistry/samplegenerator.h"
#include "export/exportwriter.h"
#include "export/terminationrequest.h"
#include "export/terminationsignals.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace drevant {
namespace {

using testing::AsOrdinaryUser;
using testing::fileBytes;
using testing::logPoints;
using testing::ScriptedClock;
using testing::ScriptedRandom;
using testing::sessionWith;
using testing::SolvePhPlainScan;
using testing::underFileSizeLimit;
using testing::workedExampleTable;
using testing::writeBytes;
using testing::writesRefusedIn;

const std::function<void()> noYield;

class ExportFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList entries() const {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir m_dir;
};

// The worked sample with three logged points: the whole number 0, a 32-bit volume and a
// 64-bit volume, each printed at its own precision.
DeclareVars shortTitration(const QString& normality) {
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    vars.TitrantNormality = normality;
    vars.VolLog[1] = Number::integer(0);
    vars.PhLog[1] = Number::real(2.5);
    vars.VolLog[2] = Number::single(0.0013f);
    vars.PhLog[2] = Number::real(3.108);
    vars.VolLog[3] = Number::real(0.0023456789012345678);
    vars.PhLog[3] = Number::real(12.264);
    return vars;
}

struct GoldenCase {
    const char* name;
    QLocale locale;
    const char* normality; // as the normality label shows it in that locale
    const char* bytes;
};

class GoldenExport : public ExportFile, public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(GoldenExport, WholeFileMatches) {
    const GoldenCase& c = GetParam();
    DeclareVars vars = shortTitration(QString::fromLatin1(c.normality));
    ScriptedRandom random({0.41, 0.25, 0.8});
    const ExportResult r = writeExportFile(path("run1.dat"), vars, random, noYield, c.locale);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_TRUE(r.error.isEmpty());
    EXPECT_EQ(r.SampleKey, QStringLiteral("E6912999B05D20A3308"));
    EXPECT_EQ(fileBytes(path("run1.dat")), QByteArray(c.bytes));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("run1.dat")}); // no temporary file left
}

// Line 2: the 9-character label, five blanks, the normality text from column 15.
// Line 3: the 8-character label, six blanks, the sign blank in column 15, number, blank.
// Data: volume and pH joined, each with sign blank and trailing blank; the 32-bit 0.0013
// shows no digits of its 64-bit widening (0.00130000000353903).
INSTANTIATE_TEST_SUITE_P(
    Export, GoldenExport,
    ::testing::Values(GoldenCase{"cLocale", QLocale::c(), "0.25",
                                 "E6912999B05D20A3308\r\n"
                                 "Cb0 (N)=      0.25\r\n"
                                 "V0 (L)=        0.05 \r\n"
                                 "Vol(L)     pH\r\n"
                                 " 0  2.5 \r\n"
                                 " 0.0013  3.108 \r\n"
                                 " 0.00234567890123457  12.264 \r\n"},
                      GoldenCase{"commaLocale", QLocale(QLocale::German, QLocale::Germany), "0,25",
                                 "E6912999B05D20A3308\r\n"
                                 "Cb0 (N)=      0,25\r\n"
                                 "V0 (L)=        0,05 \r\n"
                                 "Vol(L)     pH\r\n"
                                 " 0  2,5 \r\n"
                                 " 0,0013  3,108 \r\n"
                                 " 0,00234567890123457  12,264 \r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExportFile, OnlyTheStartingPoint) {
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    vars.VolLog[1] = Number::integer(0);
    vars.PhLog[1] = Number::real(2.5);
    ScriptedRandom random({0.41, 0.25, 0.8});
    ASSERT_TRUE(writeExportFile(path("a.dat"), vars, random, noYield, QLocale::c()).ok);
    EXPECT_TRUE(fileBytes(path("a.dat")).endsWith("Vol(L)     pH\r\n 0  2.5 \r\n"));
}

// The data end at the first "" in the pH log; nothing after it is looked at.
TEST_F(ExportFile, StopsAtFirstEmptyPh) {
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    logPoints(vars, 5);
    vars.PhLog[3] = NoPhMarker;
    ScriptedRandom random({0.41, 0.25, 0.8});
    int yields = 0;
    ASSERT_TRUE(writeExportFile(
                    path("a.dat"), vars, random, [&] { ++yields; }, QLocale::c())
                    .ok);
    const QByteArray bytes = fileBytes(path("a.dat"));
    EXPECT_EQ(bytes.count("\r\n"), 4 + 2);
    EXPECT_EQ(yields, 3); // after lines 1 and 2, and after the entry that stops
}

struct YieldCase {
    const char* name;
    int points;
    int yields; // one after each data line, one after the entry that stops (if any)
};

class YieldAfterEachEntry : public ExportFile, public ::testing::WithParamInterface<YieldCase> {};

TEST_P(YieldAfterEachEntry, CountsLinesAndYields) {
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    logPoints(vars, GetParam().points);
    ScriptedRandom random({0.41, 0.25, 0.8});
    int yields = 0;
    const QString file = path("a.dat");
    ASSERT_TRUE(writeExportFile(
                    file, vars, random, [&] { ++yields; }, QLocale::c())
                    .ok);
    EXPECT_EQ(yields, GetParam().yields);
    EXPECT_EQ(fileBytes(file).count("\r\n"), 4 + GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(Export, YieldAfterEachEntry,
                         ::testing::Values(YieldCase{"startOnly", 1, 2},
                                           YieldCase{"burettePoints201", 201, 202},
                                           // a full log has no "" entry: 1000 lines, 1000 yields
                                           YieldCase{"fullLog", 1000, 1000}),
                         [](const auto& info) { return std::string(info.param.name); });

// Events run between lines: a point logged during the write is written too.
TEST_F(ExportFile, LogIsReadAsItIsWhenEachLineIsWritten) {
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    logPoints(vars, 2);
    ScriptedRandom random({0.41, 0.25, 0.8});
    bool pressed = false;
    auto pressDuringSave = [&] {
        if (!pressed) {
            vars.VolLog[3] = Number::single(0.0005f);
            vars.PhLog[3] = Number::real(4.2);
            pressed = true;
        }
    };
    ASSERT_TRUE(writeExportFile(path("a.dat"), vars, random, pressDuringSave, QLocale::c()).ok);
    EXPECT_TRUE(fileBytes(path("a.dat")).endsWith(" 0.0005  4.2 \r\n"));
}

// Fillers stay in the session: a second export draws nothing and writes the same key.
TEST_F(ExportFile, SecondExportReusesTheFillers) {
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    logPoints(vars, 3);
    ScriptedRandom first({0.41, 0.25, 0.8});
    const ExportResult r1 = writeExportFile(path("1.dat"), vars, first, noYield, QLocale::c());
    ASSERT_TRUE(r1.ok);
    const SampleTable afterFirst = vars.SampleParams;
    EXPECT_TRUE(
        afterFirst[DiproticConc].identicalTo(Number::single(0.41f / 1000)) ||
        afterFirst[DiproticConc].identicalTo(Number::single(static_cast<float>(0.41 / 1000))));

    ScriptedRandom second; // any draw is a failure
    const ExportResult r2 = writeExportFile(path("2.dat"), vars, second, noYield, QLocale::c());
    ASSERT_TRUE(r2.ok);
    EXPECT_EQ(second.drawn(), 0u);
    EXPECT_EQ(r2.SampleKey, r1.SampleKey);
    EXPECT_EQ(r2.KeyField, r1.KeyField);
    EXPECT_EQ(fileBytes(path("2.dat")), fileBytes(path("1.dat")));
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(vars.SampleParams[i].identicalTo(afterFirst[i])) << "entry " << i;
}

// A table whose 32-bit entries are widened to 64 bits, same values.
SampleTable widened(const SampleTable& t) {
    SampleTable w = t;
    for (Number& n : w) {
        if (n.isSingle())
            n = Number::real(n.toDouble());
    }
    return w;
}

// The smallest titrant volume (litres) in [low, high] at which the pH of `table` has moved
// past the grid step it has at `low`; found by bisection down to adjacent doubles.
double stepBoundary(const SampleTable& table, double low, double high) {
    const double kw = 1e-14, v0 = 0.05, n = 0.25;
    const int startSteps = SolvePh(table, kw, v0, low, n).steps;
    while (std::nextafter(low, high) < high) {
        const double mid = low + (high - low) / 2;
        if (SolvePh(table, kw, v0, mid, n).steps == startSteps)
            low = mid;
        else
            high = mid;
    }
    return high;
}

// After an export of a system A sample, entries 2 to 7 hold 32-bit fillers, and the
// solver's products of them are 32-bit. The pH grid is coarse (0.014), so the rounding of
// those products shows as a shift of the volume at which the pH moves to the next grid
// step: the session's table steps at a different volume than the same values widened.
TEST_F(ExportFile, ThirtyTwoBitFillersTakePartInLaterPh) {
    DeclareVars vars;
    zeroSampleParams(vars);
    resetDataLog(vars);
    ScriptedRandom generator({0.5, 0.3, 0.6}); // Simple case 1: weak acid 1
    ScriptedClock clock(100.0);
    GenerateSample(vars, generator, clock, true, false, false);
    ASSERT_EQ(vars.SystemCode, QStringLiteral("A"));
    vars.TitrantNormality = QStringLiteral("0.25");
    vars.SampleVolumeL = 0.05;
    logPoints(vars, 2);
    ScriptedRandom fillers({0.731, 0.613, 0.457, 0.389, 0.925, 0.271, 0.5});
    ASSERT_TRUE(writeExportFile(path("a.dat"), vars, fillers, noYield, QLocale::c()).ok);

    const SampleTable& session = vars.SampleParams;
    for (int i = Acid2Conc; i <= DiproticK1; ++i)
        EXPECT_TRUE(session[i].isSingle()) << "entry " << i;
    EXPECT_TRUE(session[DiproticK2].isDouble());
    // The product the solver forms is rounded to 32 bits, unlike the exact 64-bit product.
    const Number c2k2 = session[Acid2Conc] * session[Acid2K];
    EXPECT_TRUE(c2k2.isSingle());
    EXPECT_NE(c2k2.toDouble(), session[Acid2Conc].toDouble() * session[Acid2K].toDouble());

    const SampleTable wide = widened(session);
    const double bSession = stepBoundary(session, 0.001, 0.0011);
    const double bWide = stepBoundary(wide, 0.001, 0.0011);
    ASSERT_NE(bSession, bWide);
    // Between the two boundaries the two tables give different pH values, and the session
    // one is the solver's answer for the table as stored (the reference scan agrees).
    const double v = std::min(bSession, bWide);
    const PhSolution s = SolvePh(session, 1e-14, 0.05, v, 0.25);
    const PhSolution w = SolvePh(wide, 1e-14, 0.05, v, 0.25);
    EXPECT_NE(s.CurrentPh, w.CurrentPh);
    EXPECT_EQ(s.steps, SolvePhPlainScan(session, 1e-14, 0.05, v, 0.25).steps);
}

// While the data lines are written, the target still holds the old file: a save in
// progress is never visible as a half-written file.
TEST_F(ExportFile, TargetStaysWholeWhileWriting) {
    const QString file = path("run1.dat");
    ASSERT_TRUE(writeBytes(file, "old contents\r\n"));
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    logPoints(vars, 201);
    ScriptedRandom random({0.41, 0.25, 0.8});
    int checks = 0;
    auto check = [&] {
        ++checks;
        EXPECT_EQ(fileBytes(file), QByteArray("old contents\r\n"));
    };
    ASSERT_TRUE(writeExportFile(file, vars, random, check, QLocale::c()).ok);
    EXPECT_EQ(checks, 202);
    EXPECT_TRUE(fileBytes(file).startsWith("E6912999B05D20A3308\r\n"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("run1.dat")});
}

// An interrupted save (here: an exception out of the event yield) leaves the old file and
// no temporary file, and the next save works.
TEST_F(ExportFile, InterruptedSaveLeavesOldFile) {
    const QString file = path("run1.dat");
    ASSERT_TRUE(writeBytes(file, "old contents\r\n"));
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    logPoints(vars, 20);
    ScriptedRandom random({0.41, 0.25, 0.8});
    int yields = 0;
    auto interrupt = [&] {
        if (++yields == 5)
            throw std::runtime_error("interrupted");
    };
    EXPECT_THROW(writeExportFile(file, vars, random, interrupt, QLocale::c()), std::runtime_error);
    EXPECT_EQ(fileBytes(file), QByteArray("old contents\r\n"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("run1.dat")});

    ScriptedRandom none;
    EXPECT_TRUE(writeExportFile(file, vars, none, noYield, QLocale::c()).ok);
    EXPECT_TRUE(fileBytes(file).startsWith("E6912999B05D20A3308\r\n"));
}

// Paths that cannot be written: a clear one-line error naming the path, and the session,
// the generator and the folder untouched.
struct FailureCase {
    const char* name;
    QString (*path)(const QString& dir); // from the temporary folder
    const char* reason;                  // part of the error text
};

class UnwritablePath : public ExportFile, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(UnwritablePath, ReportsAndChangesNothing) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
    const QString target = GetParam().path(m_dir.path());
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    logPoints(vars, 3);
    const SampleTable before = vars.SampleParams;
    ScriptedRandom random; // no draw may happen
    const ExportResult r = writeExportFile(target, vars, random, noYield, QLocale::c());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("Could not save"))) << r.error.toStdString();
    EXPECT_FALSE(r.error.contains(u'\n') || r.error.contains(u'\r') || r.error.contains(QChar(0)));
    EXPECT_TRUE(r.error.contains(QString::fromUtf8(GetParam().reason))) << r.error.toStdString();
    if (!target.isEmpty() && !target.contains(QChar(0))) {
        EXPECT_TRUE(r.error.startsWith(
            QStringLiteral("Could not save %1: ").arg(QDir::toNativeSeparators(target))))
            << r.error.toStdString();
    }
    EXPECT_GT(r.error.size(), QStringLiteral("Could not save : ").size() + target.size());
    EXPECT_EQ(random.drawn(), 0u);
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(vars.SampleParams[i].identicalTo(before[i])) << "entry " << i;
    EXPECT_EQ(entries(), QStringList{QStringLiteral("sub")});
    EXPECT_TRUE(QDir(m_dir.filePath(QStringLiteral("sub"))).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Export, UnwritablePath,
    ::testing::Values(
        FailureCase{"missingFolder", [](const QString& d) { return d + "/missing/run1.dat"; },
                    testing::IsWindows ? "Path not found" : "No such file or directory"},
        FailureCase{"nameTooLong",
                    [](const QString& d) { return d + "/" + QString(300, u'x') + ".dat"; },
                    "File name too long"},
        FailureCase{"targetIsAFolder", [](const QString& d) { return d + "/sub"; }, "directory"},
        FailureCase{"emptyPath", [](const QString&) { return QString(); },
                    "no file path was given"},
        FailureCase{"noFileName", [](const QString& d) { return d + "/sub/"; },
                    "no file name was given"},
        FailureCase{"relative", [](const QString&) { return QStringLiteral("run1.dat"); },
                    "the path is relative"},
        FailureCase{"nulInName", [](const QString& d) { return d + "/a" + QChar(0) + "b.dat"; },
                    "NUL character"}),
    [](const auto& info) { return std::string(info.param.name); });

struct LockedFolderCase {
    const char* name;
    const char* existing;    // the file's bytes before the save; null: no such file
    bool fileWritable;       // the user may write the file
    std::int64_t sizeLimit;  // 0: none; else a stand-in for a full disk
    const char* errorEnding; // empty: saved
};

class LockedFolder : public ExportFile, public ::testing::WithParamInterface<LockedFolderCase> {};

void PrintTo(const LockedFolderCase& c, std::ostream* out) {
    *out << c.name;
}

// A folder where the user may not create files (a teacher's pre-made hand-in files): a file
// there that the user may write is written in place, whole and checked; anything else is
// refused and leaves the folder as it was; a failure in place says the file is incomplete.
TEST_P(LockedFolder, WritesAWritableFileInPlaceOnly) {
    DREVANT_SKIP_ON_WINDOWS("a folder's rights on Windows are its access list, not bits");
    const LockedFolderCase c = GetParam();
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    logPoints(vars, 201);
    DeclareVars referenceVars = vars;
    ScriptedRandom referenceRandom({0.41, 0.25, 0.8});
    QTemporaryDir elsewhere;
    const QString reference = elsewhere.filePath(QStringLiteral("run1.dat"));
    ASSERT_TRUE(
        writeExportFile(reference, referenceVars, referenceRandom, noYield, QLocale::c()).ok);

    const QString file = path("run1.dat");
    QStringList owned{m_dir.path()};
    if (c.existing) {
        ASSERT_TRUE(writeBytes(file, c.existing));
        ASSERT_TRUE(QFile::setPermissions(
            file, c.fileWritable ? QFile::ReadOwner | QFile::WriteOwner : QFile::ReadOwner));
        owned << file;
    }
    const auto inodeOf = [](const QString& name) {
        struct stat st {};
        return ::stat(QFile::encodeName(name).constData(), &st) == 0 ? st.st_ino : ino_t(0);
    };
    const ino_t inode = inodeOf(file);
    ASSERT_TRUE(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    ExportResult r;
    {
        AsOrdinaryUser user(owned);
        if (!writesRefusedIn(m_dir.path()))
            GTEST_SKIP() << "running with rights that ignore folder permissions";
        ScriptedRandom random({0.41, 0.25, 0.8});
        const auto save = [&] { r = writeExportFile(file, vars, random, noYield, QLocale::c()); };
        if (c.sizeLimit > 0)
            ASSERT_TRUE(underFileSizeLimit(c.sizeLimit, save));
        else
            save();
    }
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(entries(), c.existing ? QStringList{QStringLiteral("run1.dat")} : QStringList{});
    if (*c.errorEnding == '\0') {
        EXPECT_TRUE(r.ok) << r.error.toStdString();
        EXPECT_EQ(fileBytes(file), fileBytes(reference));
        EXPECT_EQ(inodeOf(file), inode) << "the same file, written in place";
        return;
    }
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error,
              QStringLiteral("Could not save %1: %2").arg(file, QString::fromUtf8(c.errorEnding)));
    if (c.existing && !c.fileWritable) {
        EXPECT_EQ(fileBytes(file), QByteArray(c.existing));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Export, LockedFolder,
    ::testing::Values(
        LockedFolderCase{"writableFile", "old contents\r\n", true, 0, ""},
        LockedFolderCase{"readOnlyFile", "old contents\r\n", false, 0, "Permission denied"},
        LockedFolderCase{"noFile", nullptr, false, 0, "Permission denied"},
        LockedFolderCase{"writableFileDiskFull", "old contents\r\n", true, 512,
                         "File too large (written in place: the file is incomplete)"}),
    [](const auto& info) { return std::string(info.param.name); });

// A write that fails part-way (the file size limit stands in for a full disk): the error
// names the path, the existing file is kept whole, no temporary file is left. The fillers
// were drawn before the failure and stay, as the filler step had already run.
TEST_F(ExportFile, FailedWriteKeepsExistingFile) {
    DREVANT_SKIP_ON_WINDOWS("Windows has no file size limit to stand in for a full disk");
    const QString file = path("run1.dat");
    ASSERT_TRUE(writeBytes(file, "old contents\r\n"));
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    logPoints(vars, 201);
    ScriptedRandom random({0.41, 0.25, 0.8});

    ExportResult r;
    ASSERT_TRUE(underFileSizeLimit(512, [&] { // the file needs several kilobytes
        r = writeExportFile(file, vars, random, noYield, QLocale::c());
    }));

    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("Could not save %1: ").arg(file)))
        << r.error.toStdString();
    EXPECT_TRUE(r.error.endsWith(QStringLiteral("File too large"))) << r.error.toStdString();
    EXPECT_EQ(fileBytes(file), QByteArray("old contents\r\n"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("run1.dat")});
    EXPECT_EQ(random.drawn(), 3u);
    EXPECT_TRUE(vars.SampleParams[DiproticConc].isSingle());
}

// Signals are POSIX; Windows ends a program without them.
#ifndef _WIN32
class EndRequested : public ExportFile, public ::testing::WithParamInterface<int> {};

// SIGTERM, SIGINT or SIGHUP in the middle of a save (here from the yield after a data line):
// the handler only notes it, the save is abandoned at the next line (its temporary file
// removed, the old file whole), and the program's own quit runs once, from the event loop.
TEST_P(EndRequested, AbandonsTheSaveAndKeepsTheOldFile) {
    // One application and one watch for the whole binary, as in the program.
    static int quits = 0;
    static const bool watched = [] {
        static int argc = 1;
        static char name[] = "export_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv); // lives until the process ends
        watchTerminationSignals(QCoreApplication::instance(), [] { ++quits; });
        return true;
    }();
    ASSERT_TRUE(watched);
    const int quitsBefore = quits;

    const QString file = path("run1.dat");
    ASSERT_TRUE(writeBytes(file, "old contents\r\n"));
    DeclareVars vars = sessionWith(QStringLiteral("E"), workedExampleTable());
    logPoints(vars, 201);
    ScriptedRandom random({0.41, 0.25, 0.8});
    int lines = 0;
    QStringList entriesDuringSave;
    const ExportResult r = writeExportFile(
        file, vars, random,
        [&] {
            if (++lines == 30) {
                entriesDuringSave = entries();
                std::raise(GetParam());
            }
        },
        QLocale::c());
    const int signal = terminationRequest();
    QCoreApplication::processEvents();
    clearTerminationRequest();

    EXPECT_EQ(entriesDuringSave.size(), 2) << "the temporary file beside the old one";
    EXPECT_EQ(lines, 30) << "no line after the request";
    EXPECT_EQ(signal, GetParam());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, QStringLiteral("Could not save %1: the program was asked to end").arg(file));
    EXPECT_EQ(fileBytes(file), QByteArray("old contents\r\n"));
    EXPECT_EQ(entries(), QStringList{QStringLiteral("run1.dat")});
    EXPECT_EQ(quits, quitsBefore + 1);
}

INSTANTIATE_TEST_SUITE_P(Signals, EndRequested, ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& info) { return std::to_string(info.param); });
#endif

struct PathCase {
    const char* name;
    QString folder;
    QString name_;
    const char* error; // empty: usable
};

class ExportPathCheck : public ::testing::TestWithParam<PathCase> {};

TEST_P(ExportPathCheck, NamesTheProblem) {
    const auto problem = exportPathProblem(GetParam().folder, GetParam().name_);
    if (*GetParam().error == '\0') {
        EXPECT_FALSE(problem) << problem->toStdString();
    } else {
        ASSERT_TRUE(problem);
        // The message shows the path in the system's own form (backslashes on Windows).
        const QString error = QString::fromUtf8(GetParam().error);
        const qsizetype reason = error.indexOf(QStringLiteral(": "));
        EXPECT_EQ(*problem, QDir::toNativeSeparators(error.left(reason)) + error.mid(reason));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Export, ExportPathCheck,
    ::testing::Values(
        PathCase{"usable", "/home/student", "run1.dat", ""},
        PathCase{"rootFolder", "/", "run1.dat", ""},
        PathCase{"emptyFolder", "", "run1.dat", "Could not save run1.dat: no folder was given"},
        PathCase{"emptyName", "/home/student", "",
                 "Could not save /home/student/: no file name was given"},
        PathCase{"slashInName", "/home/student", "a/b.dat",
                 "Could not save /home/student/a/b.dat: the file name contains \"/\""},
        PathCase{"nulInName", "/home/student", QStringLiteral("a") + QChar(0) + "b.dat",
                 "Could not save /home/student/a?b.dat: the file name contains a NUL "
                 "character"},
        PathCase{"nulInFolder", QStringLiteral("/home/a") + QChar(0), "b.dat",
                 "Could not save /home/a?/b.dat: the folder contains a NUL character"},
        PathCase{"controlCharacterInFolder", QStringLiteral("/home/a") + QChar(1), "b.dat", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExportPath, JoinsFolderAndName) {
    EXPECT_EQ(exportFilePath("/", "a.dat"), QStringLiteral("/a.dat"));
    EXPECT_EQ(exportFilePath("/home/work", "a.dat"), QStringLiteral("/home/work/a.dat"));
    EXPECT_EQ(exportFilePath("/home/work/", "a.dat"), QStringLiteral("/home/work/a.dat"));
}

// A save over a symbolic link replaces the file it names and keeps the links, through a chain
// as long as the system itself follows (40); past that the first link is replaced instead.
TEST_F(ExportFile, SavingThroughAChainOfLinksReplacesTheFileItNames) {
    DREVANT_SKIP_ON_WINDOWS("symbolic links need rights Windows users do not have");
    for (const int links : {1, 40, 41}) {
        SCOPED_TRACE(links);
        QTemporaryDir dir;
        const auto at = [&dir](int i) { return dir.filePath(QStringLiteral("link%1").arg(i)); };
        ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("real.dat")), "old"));
        for (int i = 0; i < links; ++i) {
            const QString next = i + 1 < links ? at(i + 1) : QStringLiteral("real.dat");
            std::error_code error;
            std::filesystem::create_symlink(QFileInfo(next).fileName().toStdString(),
                                            at(i).toStdString(), error);
            ASSERT_FALSE(error) << error.message();
        }
        DeclareVars vars = shortTitration(QStringLiteral("0.1"));
        ScriptedRandom random({0.41, 0.25, 0.8});
        ASSERT_TRUE(writeExportFile(at(0), vars, random, noYield, QLocale::c()).ok);
        const bool followed = links <= 40;
        EXPECT_EQ(QFileInfo(at(0)).isSymLink(), followed);
        EXPECT_EQ(fileBytes(dir.filePath(QStringLiteral("real.dat"))) == "old", !followed);
    }
}

} // namespace
} // namespace drevant
