// SPDX-License-Identifier: GPL-3.0-or-later
// The built drevant-key run as a teacher runs it, on files written by the program's own
// writer into a temporary folder.
#include "toolfixtures.h"

#include "csv.h"
#include "keytool.h"

#include <QImage>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>

namespace drevant::keytool {
namespace {

using tooltest::fileBytes;
using tooltest::parseCsv;
using tooltest::runTool;
using tooltest::writeBytes;
using tooltest::writeStudentFile;

class KeyToolRun : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // A class: one file per recipe and case, seeds chosen so the letters differ.
    QStringList writeClass(int count) {
        QStringList files;
        for (int i = 0; i < count; ++i) {
            const QString file = path(QStringLiteral("student%1.dat").arg(i, 3, 10, QChar(u'0')));
            writeStudentFile(file, i % 3, 1000.25 + 37.5 * i);
            files << file;
        }
        return files;
    }

    QTemporaryDir m_dir;
};

QString firstLine(const QString& file) {
    const QByteArray bytes = fileBytes(file);
    return QString::fromLatin1(bytes.left(bytes.indexOf('\r')));
}

TEST_F(KeyToolRun, ReportsEveryFileOfAClass) {
    const QStringList files = writeClass(9);
    const auto run = runTool(files);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, ExitAllFine) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    for (const QString& file : files) {
        const QString key = firstLine(file);
        EXPECT_TRUE(run.out.contains(file + u'\n')) << file.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("  Key: ") + key)) << key.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("  System %1: ").arg(key.front())));
    }
    EXPECT_EQ(
        run.out.count(QLatin1String("Titrant 0.1 N, sample 0.05 L (50 mL), 41 logged points")), 9);
}

TEST_F(KeyToolRun, CsvHasOneRowPerFile) {
    const QStringList files = writeClass(6);
    const auto run = runTool(QStringList{QStringLiteral("--csv")} + files);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, ExitAllFine) << run.err.toStdString();
    const auto rows = parseCsv(run.out);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], parseCsv(csvHeader()).front());
    for (int i = 0; i < 6; ++i) {
        const QStringList& row = rows[static_cast<std::size_t>(i + 1)];
        ASSERT_EQ(row.size(), CsvColumnCount);
        EXPECT_EQ(row[0], files[i]);
        EXPECT_EQ(row[1], firstLine(files[i]));
        EXPECT_EQ(row[2], firstLine(files[i]).left(1));
        EXPECT_EQ(row[CsvColumnCount - 1], QString());
    }
}

TEST_F(KeyToolRun, CurveOfAFileAndOfABareKey) {
    const QString file = path(QStringLiteral("a.dat"));
    writeStudentFile(file, 1, 4321.0, QStringLiteral("0.25"), 0.2);
    auto run = runTool({QStringLiteral("--curve"), file});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, ExitAllFine) << run.err.toStdString();
    QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 201);
    EXPECT_EQ(lines[0], QStringLiteral("file,key,normality_n,v0_l,titrant_ml,ph"));
    const QString start = file + u',' + firstLine(file) + QStringLiteral(",0.25,0.2,");
    EXPECT_TRUE(lines[1].startsWith(start + QStringLiteral("0.0,"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[201].startsWith(start + QStringLiteral("20.0,")));

    // The key A 7D A0 (0.005 mol/L, Ka 10^-5) at 0.25 N and 200 mL: the solver's known pH
    // values at 0, 2, 4 and 20 mL.
    run = runTool({QStringLiteral("--curve"), QStringLiteral("--normality"), QStringLiteral("0.25"),
                   QStringLiteral("--volume-ml=200"), QStringLiteral("A7DA0051A0059B051A32B0")});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, ExitAllFine) << run.err.toStdString();
    lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 201);
    const QString key = QStringLiteral(",A7DA0051A0059B051A32B0,0.25,0.2,");
    EXPECT_EQ(lines[1 + 0], key + QStringLiteral("0.0,3.668"));
    EXPECT_EQ(lines[1 + 20], key + QStringLiteral("2.0,5.012"));
    EXPECT_EQ(lines[1 + 40], key + QStringLiteral("4.0,8.358"));
    EXPECT_EQ(lines[1 + 200], key + QStringLiteral("20.0,12.264"));
}

// Both decimal separators: a file written in a comma locale reads as its point twin.
TEST_F(KeyToolRun, ReadsCommaLocaleFiles) {
    const QString point = path(QStringLiteral("point.dat"));
    const QString comma = path(QStringLiteral("comma.dat"));
    writeStudentFile(point, 2, 777.0, QStringLiteral("0.125"), 0.05, 0.5, QLocale::c());
    writeStudentFile(comma, 2, 777.0, QStringLiteral("0,125"), 0.05, 0.5, QLocale(QLocale::German));
    ASSERT_TRUE(fileBytes(comma).contains("0,125"));
    const auto a = runTool({QStringLiteral("--csv"), point});
    const auto b = runTool({QStringLiteral("--csv"), comma});
    EXPECT_EQ(a.exitCode, ExitAllFine) << a.err.toStdString();
    EXPECT_EQ(b.exitCode, ExitAllFine) << b.err.toStdString();
    EXPECT_EQ(a.out.section(u',', 1), b.out.section(u',', 1).replace(QLatin1String("comma.dat"),
                                                                     QLatin1String("point.dat")));
    EXPECT_TRUE(b.out.contains(QLatin1String(",0.125,0.05,41,")));
}

// Damage of every class, each file in its own run: a one-line error "<file>:<line>: ..."
// (or "<file>: ..." for the file as a whole), exit code 1, nothing on stdout.
struct DamagedFile {
    const char* name;
    int line; // 0: no line in the message
    const char* says;
};

class DamagedFiles : public KeyToolRun, public ::testing::WithParamInterface<DamagedFile> {
protected:
    // Makes the damaged file of a row from a good one and returns its path.
    QString damaged(const char* name) {
        const QString file = path(QString::fromLatin1(name) + QStringLiteral(".dat"));
        writeStudentFile(file, 2, 555.5);
        QByteArray bytes = fileBytes(file);
        const QByteArray row(name);
        if (row == "Truncated")
            bytes.chop(5);
        else if (row == "KeyWrongLength")
            bytes.remove(3, 4);
        else if (row == "KeyNotHex")
            bytes[5] = 'G';
        else if (row == "KeyUnknownLetter")
            bytes[0] = 'F';
        else if (row == "EditedPh")
            bytes.replace(bytes.lastIndexOf("  ") + 2, 2, "x9");
        else if (row == "EditedNormality")
            bytes.replace("0.1\r\n", "10\r\n");
        else if (row == "BinaryGarbage")
            bytes = QByteArray("\x7F"
                               "ELF\x02\x01\x01\0\0\0\r\n",
                               13);
        else if (row == "Enormous")
            bytes = QByteArray(3 * 1024 * 1024, 'E');
        else if (row == "Empty")
            bytes.clear();
        EXPECT_TRUE(writeBytes(file, bytes));
        if (row == "Pipe") {
            QFile::remove(file);
            EXPECT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        }
        if (row == "Missing")
            QFile::remove(file);
        return file;
    }
};

TEST_P(DamagedFiles, OneLineErrorAndExitCodeOne) {
    const DamagedFile& c = GetParam();
    const QString file = damaged(c.name);
    const auto start = std::chrono::steady_clock::now();
    const auto run = runTool({file}, QProcessEnvironment::systemEnvironment(), 20000);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    ASSERT_TRUE(run.finished) << "the tool hung";
    EXPECT_EQ(run.exitCode, ExitSomeFailed);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    const QStringList lines = run.errLines();
    ASSERT_EQ(lines.size(), 1) << run.err.toStdString();
    const QString prefix =
        c.line > 0 ? QStringLiteral("%1:%2: ").arg(file).arg(c.line) : file + QStringLiteral(": ");
    EXPECT_TRUE(lines[0].startsWith(prefix)) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QLatin1String(c.says))) << lines[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    KeyTool, DamagedFiles,
    ::testing::Values(DamagedFile{"Truncated", 45, "truncated"},
                      DamagedFile{"KeyWrongLength", 1, "hex digits after the letter"},
                      DamagedFile{"KeyNotHex", 1, "is not a hex digit"},
                      DamagedFile{"KeyUnknownLetter", 1, "unknown system letter"},
                      DamagedFile{"EditedPh", 45, "not a number"},
                      DamagedFile{"EditedNormality", 2, "range"},
                      DamagedFile{"BinaryGarbage", 0, "is binary data, not an export file"},
                      DamagedFile{"Enormous", 0, "bytes"}, DamagedFile{"Empty", 1, "empty"},
                      DamagedFile{"Pipe", 0, "not a regular file"},
                      DamagedFile{"Missing", 0, "no such file"}),
    [](const auto& info) { return std::string(info.param.name); });

// One run over good and damaged files together: every good file is reported, every damaged
// one has its line on stderr, in order, and the exit code says that some failed.
TEST_F(KeyToolRun, MixedGoodAndDamagedInOneRun) {
    QStringList files = writeClass(4);
    const QString cut = path(QStringLiteral("cut.dat"));
    const QByteArray whole = fileBytes(files[0]);
    writeBytes(cut, whole.left(whole.indexOf("Vol(L)"))); // ends before the column header
    const QString edited = path(QStringLiteral("edited.dat"));
    writeBytes(edited, fileBytes(files[1]).replace("Vol(L)", "Volume"));
    const QString key = QStringLiteral("E6912999B05D20A3308");
    const QStringList all{files[0], cut, files[1], edited,
                          files[2], key, files[3], QStringLiteral("E69ZZ")};
    for (const char* mode : {"", "--csv"}) {
        QStringList args = all;
        if (*mode)
            args.prepend(QString::fromLatin1(mode));
        const auto run = runTool(args);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, ExitSomeFailed) << mode;
        const QStringList errors = run.errLines();
        ASSERT_EQ(errors.size(), 3) << run.err.toStdString();
        EXPECT_TRUE(errors[0].startsWith(cut + QStringLiteral(":4: "))) << errors[0].toStdString();
        EXPECT_TRUE(errors[1].startsWith(edited + QStringLiteral(":4: ")))
            << errors[1].toStdString();
        EXPECT_TRUE(errors[2].startsWith(QStringLiteral("E69ZZ: "))) << errors[2].toStdString();
        for (const QString& good : files)
            EXPECT_TRUE(run.out.contains(good)) << good.toStdString();
        EXPECT_TRUE(run.out.contains(key));
        if (*mode) {
            EXPECT_EQ(parseCsv(run.out).size(), 1u + all.size());
        }
    }
}

TEST_F(KeyToolRun, PlotWithoutADisplay) {
    const QString file = path(QStringLiteral("plotted.dat"));
    writeStudentFile(file, 2, 999.0);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")); // would need a display
    const QString png = path(QStringLiteral("plotted.png"));
    const auto run = runTool({QStringLiteral("--plot"), png, file}, env);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, ExitAllFine) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_EQ(QImage(png).size(), QSize(900, 600));

    const QString dir = path(QStringLiteral("plots"));
    const auto many =
        runTool({QStringLiteral("--csv"), QStringLiteral("--plot-dir"), dir, file,
                 QStringLiteral("E6912999B05D20A3308"), QStringLiteral("--normality"),
                 QStringLiteral("0.25"), QStringLiteral("--volume-ml"), QStringLiteral("50")},
                env);
    EXPECT_EQ(many.exitCode, ExitAllFine) << many.err.toStdString();
    EXPECT_FALSE(QImage(dir + QStringLiteral("/plotted.png")).isNull());
    EXPECT_FALSE(QImage(dir + QStringLiteral("/E6912999B05D20A3308.png")).isNull());
}

struct UsageCase {
    const char* name;
    std::vector<const char*> args;
};

class Usage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(Usage, IsExitCodeTwoWithAHint) {
    QStringList args;
    for (const char* a : GetParam().args)
        args << QString::fromLatin1(a);
    const auto run = runTool(args);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, ExitUsage);
    EXPECT_TRUE(run.err.startsWith(QLatin1String("drevant-key: "))) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    KeyTool, Usage,
    ::testing::Values(UsageCase{"NoInput", {}},
                      UsageCase{"UnknownOption", {"--frobnicate", "x.dat"}},
                      UsageCase{"CsvAndCurve", {"--csv", "--curve", "x.dat"}},
                      UsageCase{"PlotTwoInputs", {"--plot", "p.png", "a.dat", "b.dat"}},
                      UsageCase{"NormalityAlone", {"--normality", "0.1", "E6912999B05D20A3308"}},
                      UsageCase{"NormalityOutOfRange",
                                {"--normality", "7", "--volume-ml", "50", "E6912999B05D20A3308"}},
                      UsageCase{"CurveOfBareKeyWithoutTitrant", {"--curve", "E6912999B05D20A3308"}},
                      UsageCase{"MissingOptionValue", {"E6912999B05D20A3308", "--plot"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyTool, HelpAndVersion) {
    auto run = runTool({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, ExitAllFine);
    EXPECT_TRUE(run.out.startsWith(QLatin1String("Usage: drevant-key")));
    run = runTool({QStringLiteral("--version")});
    EXPECT_EQ(run.exitCode, ExitAllFine);
    EXPECT_TRUE(run.out.startsWith(QLatin1String("drevant-key ")));
}

// Arguments: an existing file wins over key syntax; a missing name with a "." is a file.
TEST_F(KeyToolRun, WhatCountsAsABareKey) {
    EXPECT_TRUE(isBareKey(QStringLiteral("E6912999B05D20A3308")));
    EXPECT_TRUE(isBareKey(QStringLiteral("e69")));
    EXPECT_FALSE(isBareKey(QStringLiteral("missing.dat")));
    EXPECT_FALSE(isBareKey(QStringLiteral("class/E6912999B05D20A3308")));
    const QString named = path(QStringLiteral("E6912999B05D20A3308"));
    writeStudentFile(named, 0, 1.0);
    EXPECT_FALSE(isBareKey(named));
}

} // namespace
} // namespace drevant::keytool
