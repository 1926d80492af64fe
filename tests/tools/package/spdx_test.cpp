// SPDX-License-Identifier: GPL-3.0-or-later
// tools/spdx.sh on small trees of its own: which files it tags, where the line goes, that a
// second run changes nothing, and that --check finds exactly the files that lack the line.
#include "packagetools.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace drevant::packagetest {
namespace {

const QByteArray Gpl = "SPDX-License-Identifier: GPL-3.0-or-later";

struct Row {
    const char* name;
    const char* file;
    QByteArray before;
    QByteArray after; // equal to before: the file takes no line, or has it already
};

const Row Rows[] = {
    {"source", "src/a.cpp", "#include \"a.h\"\n", "// " + Gpl + "\n#include \"a.h\"\n"},
    {"header", "src/a.h", "#pragma once\n", "// " + Gpl + "\n#pragma once\n"},
    {"cmake_lists", "src/CMakeLists.txt", "add_library(a a.cpp)\n",
     "# " + Gpl + "\nadd_library(a a.cpp)\n"},
    {"cmake_module", "cmake/P.cmake", "include(CPack)\n", "# " + Gpl + "\ninclude(CPack)\n"},
    {"script_after_shebang", "tools/x.sh", "#!/usr/bin/env bash\nset -e\n",
     "#!/usr/bin/env bash\n# " + Gpl + "\nset -e\n"},
    {"extensionless_script", ".ci/run", "#!/bin/sh\necho\n", "#!/bin/sh\n# " + Gpl + "\necho\n"},
    {"man_page", "man/x.1", ".TH X 1\n", ".\\\" " + Gpl + "\n.TH X 1\n"},
    {"desktop_entry", "x.desktop", "[Desktop Entry]\n", "# " + Gpl + "\n[Desktop Entry]\n"},
    {"metainfo_after_declaration", "x.metainfo.xml",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<component/>\n",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- SPDX-License-Identifier: FSFAP -->\n"
     "<component/>\n"},
    {"empty_source", "src/empty.cpp", "", "// " + Gpl + "\n"},
    {"no_final_line_end", "src/b.cpp", "int b;", "// " + Gpl + "\nint b;"},
    {"already_tagged", "src/c.cpp", "// " + Gpl + "\nint c;\n", "// " + Gpl + "\nint c;\n"},
    {"readme_untouched", "README.md", "# Title\n", "# Title\n"},
    {"data_untouched", "fuzz/corpus/a.dat", "E6912999B05D20A3308\r\n", "E6912999B05D20A3308\r\n"},
    {"build_folder_skipped", "build/gen.cpp", "int g;\n", "int g;\n"},
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.file;
}

QString script() {
    return QStringLiteral(DREVANT_SOURCE_DIR "/tools/spdx.sh");
}

Result spdx(const QString& root, bool check) {
    QStringList args{script()};
    if (check)
        args << QStringLiteral("--check");
    args << root;
    return run(QStringLiteral("bash"), args, 60000);
}

bool write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

class SpdxScript : public ::testing::TestWithParam<Row> {};

TEST_P(SpdxScript, TagsEachSourceFileOnceAndLeavesOthersAlone) {
    const Row& row = GetParam();
    QTemporaryDir tree; // not a git checkout: every file below it counts
    ASSERT_TRUE(tree.isValid());
    const QString path = tree.filePath(QString::fromLatin1(row.file));
    ASSERT_TRUE(write(path, row.before));
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);

    const bool lacking = row.before != row.after;
    const Result before = spdx(tree.path(), true);
    ASSERT_TRUE(before.finished) << before.out.toStdString();
    EXPECT_EQ(before.exitCode, lacking ? 1 : 0) << before.out.toStdString();
    EXPECT_EQ(before.out.contains(row.file), lacking) << before.out.toStdString();
    EXPECT_EQ(bytesOf(path), row.before) << "--check changed the file";

    const Result fix = spdx(tree.path(), false);
    EXPECT_TRUE(succeeded(fix)) << fix.out.toStdString();
    EXPECT_EQ(bytesOf(path), row.after);
    EXPECT_TRUE(QFileInfo(path).isExecutable()) << "the file's mode was lost";
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files).size(), 1) << "temporary left";

    const Result again = spdx(tree.path(), false);
    EXPECT_TRUE(succeeded(again)) << again.out.toStdString();
    EXPECT_EQ(bytesOf(path), row.after) << "a second run changed the file";
    const Result after = spdx(tree.path(), true);
    EXPECT_TRUE(succeeded(after)) << after.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(SpdxFiles, SpdxScript, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             return std::string(info.param.name);
                         });

// A different licence line where the tag belongs is reported, never doubled or replaced.
TEST(SpdxScriptConflict, AnotherIdentifierIsReportedAndKept) {
    QTemporaryDir tree;
    ASSERT_TRUE(tree.isValid());
    const QByteArray mit = "// SPDX-License-Identifier: MIT\nint m;\n";
    const QString path = tree.filePath(QStringLiteral("m.cpp"));
    ASSERT_TRUE(write(path, mit));
    const Result check = spdx(tree.path(), true);
    EXPECT_EQ(check.exitCode, 1) << check.out.toStdString();
    const Result fix = spdx(tree.path(), false);
    EXPECT_EQ(fix.exitCode, 1) << fix.out.toStdString();
    EXPECT_TRUE(fix.out.contains("m.cpp")) << fix.out.toStdString();
    EXPECT_EQ(bytesOf(path), mit);
}

// In a git checkout only tracked files count: a new file is caught once it is added.
TEST(SpdxScriptGit, ChecksTrackedFilesOnly) {
    const QString git = tool("git");
    if (git.isEmpty())
        GTEST_SKIP() << "git is not installed";
    QTemporaryDir tree;
    ASSERT_TRUE(tree.isValid());
    ASSERT_TRUE(
        succeeded(run(git, {QStringLiteral("init"), QStringLiteral("-q")}, 30000, tree.path())));
    ASSERT_TRUE(write(tree.filePath(QStringLiteral("new.cpp")), "int n;\n"));
    const Result untracked = spdx(tree.path(), true);
    EXPECT_TRUE(succeeded(untracked)) << untracked.out.toStdString();

    ASSERT_TRUE(succeeded(
        run(git, {QStringLiteral("add"), QStringLiteral("new.cpp")}, 30000, tree.path())));
    const Result tracked = spdx(tree.path(), true);
    EXPECT_EQ(tracked.exitCode, 1) << tracked.out.toStdString();
    EXPECT_TRUE(tracked.out.contains("new.cpp")) << tracked.out.toStdString();
}

} // namespace
} // namespace drevant::packagetest
