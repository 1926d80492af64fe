// SPDX-License-Identifier: GPL-3.0-or-later
// The built drevant-key writing its plots into a class folder a student could have prepared:
// links, folders and pipes in the plots' places, folder names that are not UTF-8 or cannot be
// made, names as long as the file system allows.
#include "toolfixtures.h"

#include "keytool.h"
#include "support/systemfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace drevant::keytool {
namespace {

using tooltest::runShell;
using tooltest::runTool;
using tooltest::writeBytes;

// A plot name of 249 bytes: the longest that QSaveFile could not replace.
const QByteArray LongName(245, 'a');

QByteArray withLongName(QByteArray script) {
    return script.replace("LONG", LongName);
}

// Whether a shell test, run in `folder`, holds.
bool holds(const QString& folder, const QByteArray& test) {
    QProcess shell;
    shell.setWorkingDirectory(folder);
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QString::fromLatin1(test)});
    return shell.waitForFinished(20000) && shell.exitStatus() == QProcess::NormalExit &&
           shell.exitCode() == 0;
}

struct HostileTarget {
    const char* name;
    const char* prepare; // shell commands in the class folder ("$0" is the tool)
    const char* arguments;
    int exitCode;
    const char* says;  // in the one line on stderr; nullptr: no line at all
    const char* after; // a shell test that holds afterwards
};

class HostilePlotTarget : public ::testing::TestWithParam<HostileTarget> {};

TEST_P(HostilePlotTarget, IsRefusedOrWrittenWithoutFollowingIt) {
    DREVANT_SKIP_ON_WINDOWS("prepared with a POSIX shell: raw-byte names, links, a FIFO");
    const HostileTarget& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    tooltest::writeStudentFile(dir.filePath(QStringLiteral("anna.dat")), 0, 100.0);
    tooltest::writeStudentFile(dir.filePath(QStringLiteral("bob.dat")), 1, 200.0);
    const QByteArray folder = QFile::encodeName(dir.path());
    const auto run =
        runShell("cd '" + folder + "' && cp bob.dat bob.keep && " + withLongName(c.prepare) +
                 " || exit 99; exec \"$0\" " + withLongName(c.arguments));
    ASSERT_TRUE(run.finished) << "the tool hung";
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
    if (c.says) {
        ASSERT_EQ(run.errLines().size(), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(c.says))) << run.err.toStdString();
    } else {
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
    EXPECT_TRUE(holds(dir.path(), "cmp -s bob.dat bob.keep")) << "another student's file changed";
    EXPECT_TRUE(holds(dir.path(), withLongName(c.after))) << c.after;
    holds(dir.path(), "rm -rf \"$(printf 'pl\\351ts')\""); // QTemporaryDir cannot remove it
}

INSTANTIATE_TEST_SUITE_P(
    KeyTool, HostilePlotTarget,
    ::testing::Values(
        HostileTarget{"LinkToAnotherFile", "mkdir plots && ln -s ../bob.dat plots/anna.png",
                      "--plot-dir plots anna.dat", ExitSomeFailed, "is a symbolic link",
                      "[ -L plots/anna.png ]"},
        HostileTarget{"PlotLinkToAnotherFile", "ln -s bob.dat link.png", "--plot link.png anna.dat",
                      ExitUsage, "is a symbolic link", "[ -L link.png ]"},
        HostileTarget{"DanglingLink", "mkdir plots && ln -s ../made.png plots/anna.png",
                      "--plot-dir plots anna.dat", ExitSomeFailed, "is a symbolic link",
                      "[ -L plots/anna.png ] && [ ! -e made.png ]"},
        HostileTarget{"Folder", "mkdir -p plots/anna.png", "--plot-dir plots anna.dat",
                      ExitSomeFailed, "is a folder", "[ -d plots/anna.png ]"},
        HostileTarget{"Fifo", "mkdir plots && mkfifo plots/anna.png", "--plot-dir plots anna.dat",
                      ExitSomeFailed, "not a regular file", "[ -p plots/anna.png ]"},
        HostileTarget{"FolderNotUtf8", "true", "--plot-dir \"$(printf 'pl\\351ts')\" anna.dat",
                      ExitAllFine, nullptr,
                      "[ -s \"$(printf 'pl\\351ts')/anna.png\" ] && "
                      "! ls | grep -q \"$(printf '\\357\\277\\275')\""},
        HostileTarget{"FolderUnderAFile", "touch blocker", "--plot-dir blocker/plots anna.dat",
                      ExitSomeFailed, "cannot create the folder blocker/plots: Not a directory",
                      "[ -f blocker ] && [ ! -s blocker ]"},
        HostileTarget{"LongNameTwice", "cp anna.dat LONG.dat && \"$0\" --plot-dir plots LONG.dat",
                      "--plot-dir plots LONG.dat", ExitAllFine, nullptr,
                      "[ -s plots/LONG.png ] && [ \"$(ls -A plots | wc -l)\" -eq 1 ]"}),
    [](const auto& info) { return std::string(info.param.name); });

// Wrong inputs on the command line: one line each, naming what the file is, exit status 1.
TEST(KeyToolInput, WrongFilesAreNamedInOneLine) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    tooltest::writeStudentFile(dir.filePath(QStringLiteral("anna.dat")), 0, 100.0);
    ASSERT_TRUE(
        writeBytes(dir.filePath(QStringLiteral("class.csv")), "file,key\nanna.dat,secret\n"));
    const auto run = runTool({QStringLiteral("anna"), QStringLiteral("class.csv")},
                             QProcessEnvironment::systemEnvironment(), 60000, dir.path());
    EXPECT_EQ(run.exitCode, ExitSomeFailed);
    EXPECT_EQ(run.errLines(),
              QStringList({QStringLiteral("anna: no such file (anna.dat exists: give the name with "
                                          ".dat)"),
                           QStringLiteral("class.csv: is a CSV table, not an export file")}));
}

} // namespace
} // namespace drevant::keytool
