// SPDX-License-Identifier: GPL-3.0-or-later
// The built drevant-key protecting what it is given: no plot over a hand-in, no silent loss
// of output, file names as the bytes they are, answer sheets and grading end to end.
#include "toolfixtures.h"

#include "csv.h"
#include "keytool.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drevant::keytool {
namespace {

using tooltest::fileBytes;
using tooltest::parseCsv;
using tooltest::runShell;
using tooltest::runTool;
using tooltest::shellBytes;
using tooltest::writeBytes;
using tooltest::writeStudentFile;

class ToolSafety : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

// Targets a plot must never be written to; each run is refused, and the file stays as it was.
struct BadTarget {
    const char* name;
    const char* target; // relative to the folder; "INPUT" is the input itself
    const char* says;
};

class PlotTarget : public ToolSafety, public ::testing::WithParamInterface<BadTarget> {};

TEST_P(PlotTarget, IsRefusedAndNothingIsOverwritten) {
    const BadTarget& c = GetParam();
    const QString anna = path(QStringLiteral("anna.dat"));
    const QString bob = path(QStringLiteral("bob.PNG")); // an input that looks like a picture
    writeStudentFile(anna, 0, 100.0);
    writeStudentFile(bob, 1, 200.0);
    const QByteArray annaBefore = fileBytes(anna);
    const QByteArray bobBefore = fileBytes(bob);
    const QString fifo = path(QStringLiteral("pipe.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("sub.png")));

    const QString target = path(QString::fromLatin1(c.target));
    const QString input = QByteArray(c.target) == "bob.PNG" ? bob : anna;
    const auto start = std::chrono::steady_clock::now();
    const auto run = runTool({QStringLiteral("--plot"), target, input});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    ASSERT_TRUE(run.finished) << "the tool hung";
    EXPECT_EQ(run.exitCode, ExitUsage);
    ASSERT_EQ(run.errLines().size(), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String(c.says))) << run.err.toStdString();
    EXPECT_EQ(fileBytes(anna), annaBefore);
    EXPECT_EQ(fileBytes(bob), bobBefore);
}

INSTANTIATE_TEST_SUITE_P(
    KeyTool, PlotTarget,
    ::testing::Values(BadTarget{"HandInAsPictureName", "anna.dat", "ending in .png"},
                      BadTarget{"NoExtension", "plot", "ending in .png"},
                      BadTarget{"TheInputItself", "bob.PNG", "one of the input files"},
                      BadTarget{"Fifo", "pipe.png", "not a regular file"},
                      BadTarget{"Folder", "sub.png", "is a folder"}),
    [](const auto& info) { return std::string(info.param.name); });

// `--plot anna.dat bob.dat`: the case that used to write a picture over anna's hand-in.
TEST_F(ToolSafety, PlotNamedLikeAHandInLeavesItAlone) {
    const QString anna = path(QStringLiteral("anna.dat"));
    const QString bob = path(QStringLiteral("bob.dat"));
    writeStudentFile(anna, 0, 100.0);
    writeStudentFile(bob, 2, 300.0);
    const QByteArray before = fileBytes(anna);
    const auto run = runTool({QStringLiteral("--plot"), anna, bob});
    EXPECT_EQ(run.exitCode, ExitUsage);
    EXPECT_EQ(fileBytes(anna), before);
}

// --plot-dir: a picture whose name is an input, or a FIFO, is refused for that input alone.
TEST_F(ToolSafety, PlotDirSkipsInputsAndFifos) {
    const QString bob = path(QStringLiteral("bob.png")); // an export file named like a picture
    const QString anna = path(QStringLiteral("anna.dat"));
    const QString carl = path(QStringLiteral("carl.dat"));
    writeStudentFile(bob, 1, 200.0);
    writeStudentFile(anna, 0, 100.0);
    writeStudentFile(carl, 2, 300.0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(QStringLiteral("anna.png"))).constData(), 0600), 0);
    const QByteArray bobBefore = fileBytes(bob);
    const auto run = runTool({QStringLiteral("--plot-dir"), m_dir.path(), bob, anna, carl},
                             QProcessEnvironment::systemEnvironment(), 20000);
    ASSERT_TRUE(run.finished) << "the tool hung";
    EXPECT_EQ(run.exitCode, ExitSomeFailed);
    const QStringList lines = run.errLines();
    ASSERT_EQ(lines.size(), 2) << run.err.toStdString();
    EXPECT_TRUE(lines[0].contains(QLatin1String("one of the input files")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains(QLatin1String("not a regular file"))) << lines[1].toStdString();
    EXPECT_EQ(fileBytes(bob), bobBefore);
    EXPECT_EQ(QImage(path(QStringLiteral("carl.png"))).size(), QSize(900, 600));
}

// A plot in upper case is fine, and replaces an older picture of that name.
TEST_F(ToolSafety, PlotReplacesAnOlderPicture) {
    const QString anna = path(QStringLiteral("anna.dat"));
    writeStudentFile(anna, 0, 100.0);
    const QString png = path(QStringLiteral("Anna.PNG"));
    ASSERT_TRUE(writeBytes(png, "old picture"));
    const auto run = runTool({QStringLiteral("--plot"), png, anna});
    EXPECT_EQ(run.exitCode, ExitAllFine) << run.err.toStdString();
    EXPECT_EQ(QImage(png, "png").size(), QSize(900, 600));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2) << "a temporary file was left";
}

// Output that cannot be written: one line on stderr and exit status 1, in every mode.
struct Sink {
    const char* name;
    const char* redirect;
    const char* mode;
};

class BrokenOutput : public ToolSafety, public ::testing::WithParamInterface<Sink> {};

TEST_P(BrokenOutput, IsReportedWithExitOne) {
    QStringList files;
    for (int i = 0; i < 30; ++i) {
        files << path(QStringLiteral("s%1.dat").arg(i));
        writeStudentFile(files.back(), i % 3, 10.0 + i);
    }
    // From the files' folder: an answer sheet names files relative to where it goes.
    QByteArray script = "cd '" + QFile::encodeName(m_dir.path()) + "' && exec \"$0\" " +
                        QByteArray(GetParam().mode);
    for (const QString& f : files)
        script += " '" + QFile::encodeName(f) + "'";
    script += ' ' + QByteArray(GetParam().redirect);
    const auto run = runShell(script);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, ExitSomeFailed);
    ASSERT_EQ(run.errLines().size(), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith(QLatin1String("drevant-key: cannot write the output: ")))
        << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    KeyTool, BrokenOutput,
    ::testing::Values(Sink{"FullDevice", "> /dev/full", ""},
                      Sink{"FullDeviceCsv", "> /dev/full", "--csv"}, Sink{"Closed", ">&-", "--csv"},
                      Sink{"ClosedHelp", ">&-", "--help"},
                      Sink{"FullAnswerSheet", "> /dev/full", "--answer-sheet"}),
    [](const auto& info) { return std::string(info.param.name); });

// A name that is not UTF-8 is opened, and printed back as the bytes it is; "%1" in a name
// stays "%1" in the message.
TEST_F(ToolSafety, NamesAreTheBytesTheyAre) {
    const QByteArray folder = QFile::encodeName(m_dir.path());
    const QByteArray latin1 = folder + "/J\xF6rg.dat"; // ISO 8859-1, not UTF-8
    const QString written = path(QStringLiteral("written.dat"));
    writeStudentFile(written, 1, 777.0);
    ASSERT_EQ(::rename(QFile::encodeName(written).constData(), latin1.constData()), 0);
    auto run = runShell("exec \"$0\" --csv " + shellBytes(latin1));
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, ExitAllFine) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QString::fromLatin1(latin1 + ","))) << run.out.toStdString();

    const QByteArray percent = folder + "/anna%1%2.dat";
    ASSERT_TRUE(writeBytes(QFile::decodeName(percent), QByteArray()));
    run = runShell("exec \"$0\" " + shellBytes(percent) + ' ' + shellBytes(latin1 + ".gone"));
    EXPECT_EQ(run.exitCode, ExitSomeFailed);
    const QStringList lines = run.errLines();
    ASSERT_EQ(lines.size(), 2) << run.err.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QString::fromLatin1(percent + ":1: ")))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(QString::fromLatin1(latin1 + ".gone: no such file")))
        << lines[1].toStdString();
    ::unlink(latin1.constData()); // QTemporaryDir cannot remove a name that is not UTF-8
}

// Keys that no export writes are refused with the reason, in a file and typed in.
TEST_F(ToolSafety, ImpossibleKeysAreRefused) {
    const QString file = path(QStringLiteral("zeros.dat"));
    writeStudentFile(file, 0, 100.0);
    QByteArray bytes = fileBytes(file);
    const qsizetype keyEnd = bytes.indexOf('\r');
    bytes.replace(1, keyEnd - 1, QByteArray(keyEnd - 1, '0'));
    ASSERT_TRUE(writeBytes(file, bytes));
    for (const QString& input :
         {file, QStringLiteral("A000000000000000000"), QStringLiteral("E6912009B05D20A3308")}) {
        const auto run = runTool({input});
        EXPECT_EQ(run.exitCode, ExitSomeFailed) << input.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String("not a key of this program")))
            << run.err.toStdString();
    }
}

// A class from the answer sheet to the grades: the template reveals nothing; filled with
// the report's values it grades all ok; a missing file is a row with its reason.
TEST_F(ToolSafety, AnswerSheetToGrades) {
    QStringList files;
    for (int i = 0; i < 6; ++i) {
        files << QStringLiteral("student%1.dat").arg(i);
        writeStudentFile(path(files.back()), i % 3, 40.5 + 11 * i);
    }
    QProcess process;
    process.setWorkingDirectory(m_dir.path());
    process.start(QStringLiteral(DREVANT_KEY_BINARY), QStringList{"--answer-sheet"} + files);
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), ExitAllFine);
    const auto sheet = parseCsv(QString::fromUtf8(process.readAllStandardOutput()));
    ASSERT_EQ(sheet.size(), 7u);
    for (std::size_t r = 1; r < sheet.size(); ++r) {
        EXPECT_EQ(sheet[r].front(), files[static_cast<qsizetype>(r - 1)]);
        EXPECT_EQ(sheet[r].join(QString()), sheet[r].front()) << "the template shows answers";
    }

    // Filled from the tool's own CSV: the truth, strongest acid first where two are weak is
    // not needed here (the CSV lists acids in the key's order, which the grader re-sorts).
    const auto csv = runTool(QStringList{"--csv"} + [&] {
        QStringList full;
        for (const QString& f : files)
            full << path(f);
        return full;
    }());
    const auto rows = parseCsv(csv.out);
    QString filled = QStringLiteral(
        "File;Acid1_mol_l;acid1_pka;acid2_mol_l;acid2_pka;acid3_mol_l;acid3_pka;diprotic_mol_l;"
        "diprotic_pk1;diprotic_pk2\r\n");
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const QStringList& c = rows[r];
        QStringList cells;
        // acidN_mol_l, acidN_pka from columns 4.. in steps of 3; diprotic at 13..15
        std::vector<std::pair<double, QStringList>> acids;
        for (int a = 0; a < 3; ++a) {
            if (!c[4 + 3 * a].isEmpty())
                acids.push_back({c[5 + 3 * a].toDouble(), {c[4 + 3 * a], c[5 + 3 * a]}});
        }
        std::stable_sort(acids.begin(), acids.end(),
                         [](const auto& x, const auto& y) { return x.first < y.first; });
        for (const auto& a : acids)
            cells << a.second;
        while (cells.size() < 6)
            cells << QString();
        cells << c[13] << c[14] << c[15];
        filled += QFileInfo(c[0]).fileName() + u';' + cells.join(u';').replace(u'.', u',') +
                  QStringLiteral("\r\n");
    }
    filled += QStringLiteral("missing.dat;0,1;;;;;;;;\r\n");
    const QString answers = path(QStringLiteral("answers.csv"));
    ASSERT_TRUE(writeBytes(answers, "\xEF\xBB\xBF" + filled.toUtf8()));

    QProcess grader;
    grader.setWorkingDirectory(QDir::rootPath()); // names are taken relative to the sheet
    grader.start(QStringLiteral(DREVANT_KEY_BINARY), {QStringLiteral("--grade"), answers});
    ASSERT_TRUE(grader.waitForFinished(20000));
    EXPECT_EQ(grader.exitCode(), ExitSomeFailed);
    const auto graded = parseCsv(QString::fromUtf8(grader.readAllStandardOutput()));
    const QString err = QString::fromUtf8(grader.readAllStandardError());
    ASSERT_FALSE(graded.empty());
    EXPECT_EQ(graded[0].join(u','), QStringLiteral("file,item,reported,true_value,tolerance,verdict,"
                                                   "items_right,items,percent"));
    int ok = 0;
    int scores = 0;
    for (const QStringList& r : graded) {
        if (r.size() == 6 && r[5] == QLatin1String("ok"))
            ++ok;
        if (r.size() == 9 && r[1] == QLatin1String("score")) {
            ++scores;
            EXPECT_EQ(r[6], r[7]) << r.join(u',').toStdString();
            EXPECT_EQ(r[8], QStringLiteral("100.0"));
        }
        if (r.front() == QLatin1String("missing.dat")) {
            ASSERT_EQ(r.size(), 6);
            EXPECT_EQ(r[5], QStringLiteral("unreadable"));
            EXPECT_TRUE(r[1].startsWith(QLatin1String("no such file: ")) &&
                        r[1].endsWith(QLatin1String("/missing.dat")))
                << r[1].toStdString(); // the path tried
        }
    }
    EXPECT_EQ(scores, 6);
    EXPECT_GE(ok, 6 * 2);
    EXPECT_EQ(err.count(u'\n'), 2) << err.toStdString(); // the missing file's line, the summary
    EXPECT_TRUE(err.contains(QLatin1String("graded 6 files"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QLatin1String("1 file unreadable"))) << err.toStdString();
}

// The ";" form with decimal commas, for spreadsheets set to them.
TEST_F(ToolSafety, SemicolonCsvWithTheLocalesDecimalSeparator) {
    const QString file = path(QStringLiteral("s.dat"));
    writeStudentFile(file, 2, 321.0);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    const auto run = runTool({QStringLiteral("--csv"), QStringLiteral("--semicolon"), file}, env);
    EXPECT_EQ(run.exitCode, ExitAllFine) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].count(u';'), CsvColumnCount - 1);
    EXPECT_TRUE(lines[1].contains(QLatin1String(";0,1;0,05;41;0;0;"))) << lines[1].toStdString();
}

} // namespace
} // namespace drevant::keytool
