// SPDX-License-Identifier: GPL-3.0-or-later
// --grade given the wrong file or a hostile sheet: one line per problem naming what the file
// looks like or which row and path, the exit status the manual gives, nothing of another
// file's content in any output.
#include "toolfixtures.h"

#include "answersheet.h"
#include "csv.h"
#include "keytool.h"
#include "support/systemfiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace drevant::keytool {
namespace {

using tooltest::runTool;
using tooltest::writeBytes;

const QByteArray Header = answerSheetColumns().join(u',').toUtf8() + '\n';

struct WrongInput {
    const char* name;
    QStringList args;     // "%1" stands for the class folder
    QStringList errLines; // each line of standard error, "%1" for the class folder
    int exitCode;
};

class GradeInputs : public ::testing::TestWithParam<WrongInput> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        const QDir dir(m_dir.path());
        dir.mkpath(QStringLiteral("class"));
        for (const char* f : {"a.dat", "b.dat"})
            tooltest::writeStudentFile(at(f), 1, 7.0);
        ASSERT_TRUE(writeBytes(m_dir.filePath(QStringLiteral("secret.dat")), "root:x:0:0\n"));
        // A Windows user cannot make a symbolic link (QFile::link makes a shortcut file there):
        // on Windows the sheet's out.dat row names a missing file instead.
        if (!testing::IsWindows) {
            ASSERT_TRUE(QFile::link(m_dir.filePath(QStringLiteral("secret.dat")), at("out.dat")));
        }
        ASSERT_TRUE(writeBytes(at("key.csv"), csvHeader().toUtf8() + "a.dat,A1\n"));
        ASSERT_TRUE(writeBytes(at("plot.png"), QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)));
        ASSERT_TRUE(writeBytes(at("notes.csv"), "root:x:0:0:root:/root:/bin/bash\n"));
        ASSERT_TRUE(writeBytes(at("empty.csv"), Header + ",,,,,,,,,\n"));
        ASSERT_TRUE(writeBytes(at("hostile.csv"), Header + "a.dat,,,,,,,,,\n"
                                                           "/etc/passwd,,,,,,,,,\n"
                                                           "../secret.dat,,,,,,,,,\n"
                                                           "out.dat,,,,,,,,,\n"
                                                           "./a.dat,,,,,,,,,\n"
                                                           "gone.dat,,,,,,,,,\n"
                                                           "b.dat,\"0.1\n"));
        ASSERT_TRUE(writeBytes(at("good.csv"), Header + "b.dat,,,,,,,,,\n"));
    }
    QString at(const char* name) const {
        return m_dir.filePath(QStringLiteral("class/") + QString::fromUtf8(name));
    }
    QTemporaryDir m_dir;
};

TEST_P(GradeInputs, OneLinePerProblemAndTheExitStatus) {
    const QString cls = m_dir.filePath(QStringLiteral("class"));
    QStringList args;
    for (const QString& a : GetParam().args)
        args << QString(a).replace(QLatin1String("%1"), cls);
    const auto run = runTool(args);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err.toStdString();
    QStringList expected;
    for (QString line : GetParam().errLines) {
        if (testing::IsWindows && line.contains(QLatin1String("a link leading out")))
            line = QStringLiteral("%1/hostile.csv:5: %1/out.dat: no such file");
        if (testing::IsWindows && line.contains(QLatin1String("1 file unreadable")))
            line.replace(QLatin1String("1 file unreadable"), QLatin1String("2 files unreadable"));
        expected << line.replace(QLatin1String("%1"), cls);
    }
    EXPECT_EQ(run.errLines(), expected) << run.err.toStdString();
    EXPECT_FALSE((run.out + run.err).contains(QLatin1String("root:"))) << "content leaked";
}

const QString Try = QStringLiteral("Try 'drevant-key --help'.");

INSTANTIATE_TEST_SUITE_P(
    KeyTool, GradeInputs,
    ::testing::Values(
        WrongInput{"AnswerKey",
                   {"--grade", "%1/key.csv"},
                   {"%1/key.csv: this is an answer key (drevant-key --csv), not an answer sheet"},
                   ExitSomeFailed},
        WrongInput{"Picture",
                   {"--grade", "%1/plot.png"},
                   {"%1/plot.png: this is a picture, not an answer sheet"},
                   ExitSomeFailed},
        WrongInput{"OtherCsv",
                   {"--grade", "%1/notes.csv"},
                   {"%1/notes.csv: not an answer sheet: its first line is not the header that "
                    "drevant-key --answer-sheet writes"},
                   ExitSomeFailed},
        WrongInput{"ExportFile",
                   {"--grade", "%1/a.dat"},
                   {"%1/a.dat: this is an export file of a titration, not an answer sheet"},
                   ExitSomeFailed},
        WrongInput{
            "Missing", {"--grade", "%1/nope.csv"}, {"%1/nope.csv: no such file"}, ExitSomeFailed},
        WrongInput{"NoRows",
                   {"--grade", "%1/empty.csv"},
                   {"%1/empty.csv: the sheet names no files"},
                   ExitSomeFailed},
        WrongInput{"OptionAsSheet",
                   {"--grade", "--semicolon", "%1/good.csv"},
                   {"drevant-key: \"--grade\" needs a value, not the option \"--semicolon\"", Try},
                   ExitUsage},
        WrongInput{"GradeTwice",
                   {"--grade", "%1/good.csv", "--grade=%1/good.csv"},
                   {"drevant-key: \"--grade\" given twice", Try},
                   ExitUsage},
        WrongInput{"Good",
                   {"--grade", "%1/good.csv", "--semicolon"},
                   {"drevant-key: graded 1 file: 0 of 4 items ok (0 %)"},
                   ExitAllFine},
        WrongInput{
            "HostileRows",
            {"--grade", "%1/hostile.csv"},
            {"%1/hostile.csv:3: /etc/passwd: an absolute name; names in the sheet are relative "
             "to its folder; not graded",
             "%1/hostile.csv:4: ../secret.dat: leaves the sheet's folder; not graded",
             "%1/hostile.csv:5: out.dat: %1/out.dat: a link leading out of the sheet's folder; "
             "not graded",
             "%1/hostile.csv:6: ./a.dat: the same file as line 2; not graded",
             "%1/hostile.csv:7: %1/gone.dat: no such file",
             "%1/hostile.csv:8: a quote opened on this line is never closed; not graded",
             "drevant-key: graded 1 file: 0 of 4 items ok (0 %), 1 file unreadable"},
            ExitSomeFailed}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drevant::keytool
