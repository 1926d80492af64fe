// SPDX-License-Identifier: GPL-3.0-or-later
// A file whose name is as long as the file system allows can be created and saved over; the
// temporary file a save writes first always has a name that fits, and nothing of it is left.
#include "export/exportwriter.h"
#include "support/exportfixtures.h"
#include "support/gtestscriptedrandom.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace drevant {
namespace {

using testing::fileBytes;
using testing::logPoints;
using testing::ScriptedRandom;
using testing::sessionWith;
using testing::underFileSizeLimit;
using testing::workedExampleTable;
using testing::writeBytes;

const QByteArray WorkedKey = "E6912999B05D20A3308\r\n";

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

struct NameRow {
    const char* row;
    QString name;
};
void PrintTo(const NameRow& row, std::ostream* out) {
    *out << row.row << " (" << QFile::encodeName(row.name).size() << " bytes)";
}

// A name of `bytes` bytes ending in ".dat": `stem` repeated, then filled up with "x".
QString nameOfBytes(int bytes, const QString& stem = QStringLiteral("x")) {
    QString name;
    while (QFile::encodeName(name + stem + ".dat").size() <= bytes)
        name += stem;
    while (QFile::encodeName(name + ".dat").size() < bytes)
        name += u'x';
    return name + ".dat";
}

class LongName : public ::testing::TestWithParam<NameRow> {
protected:
    void SetUp() override {
        DREVANT_SKIP_ON_WINDOWS("names counted in UTF-8 bytes; Windows counts UTF-16 units "
                                "(windowssave_test has the Windows table)");
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_GE(testing::longestNameBytes(m_dir.path()), 255L);
        m_vars = sessionWith(QStringLiteral("E"), workedExampleTable());
        logPoints(m_vars, 5);
    }
    QString target() const { return m_dir.filePath(GetParam().name); }

    QTemporaryDir m_dir;
    DeclareVars m_vars;
};

TEST_P(LongName, IsCreatedThenSavedOverKeepingItsPermissions) {
    ASSERT_EQ(QFileInfo(target()).fileName(), GetParam().name);
    ScriptedRandom random({0.41, 0.25, 0.8});
    const ExportResult first = writeExportFile(target(), m_vars, random, {}, QLocale::c());
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    if (!testing::IsWindows) { // Windows has no permission bits
        ASSERT_TRUE(testing::setPermissionBits(target(), 0640));
    }

    logPoints(m_vars, 9); // the second save has more lines
    ScriptedRandom none;  // the fillers are in the table now: no draw
    const ExportResult second = writeExportFile(target(), m_vars, none, {}, QLocale::c());

    EXPECT_TRUE(second.ok) << second.error.toStdString();
    const QByteArray bytes = fileBytes(target());
    EXPECT_TRUE(bytes.startsWith(WorkedKey));
    EXPECT_EQ(bytes.count("\r\n"), 4 + 9);
    if (!testing::IsWindows) {
        EXPECT_EQ(testing::permissionBits(target()), 0640)
            << "the file's permissions were not kept";
    }
    EXPECT_EQ(entriesOf(m_dir.path()), QStringList{GetParam().name}) << "a temporary file is left";
}

// A save that fails part-way (the file size limit stands in for a full disk) over such a
// name keeps the existing file whole and leaves no temporary file.
TEST_P(LongName, AFailedSaveKeepsTheOldFileAndLeavesNothing) {
    DREVANT_SKIP_ON_WINDOWS("Windows has no file size limit to stand in for a full disk");
    ASSERT_TRUE(writeBytes(target(), "old contents\r\n"));
    logPoints(m_vars, 201);
    ScriptedRandom random({0.41, 0.25, 0.8});
    ExportResult r;
    ASSERT_TRUE(underFileSizeLimit(512, [&] { // the file needs several kilobytes
        r = writeExportFile(target(), m_vars, random, {}, QLocale::c());
    }));

    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.endsWith(QStringLiteral("File too large"))) << r.error.toStdString();
    EXPECT_EQ(fileBytes(target()), QByteArray("old contents\r\n"));
    EXPECT_EQ(entriesOf(m_dir.path()), QStringList{GetParam().name});
}

INSTANTIATE_TEST_SUITE_P(
    Names, LongName,
    ::testing::Values(NameRow{"short", QStringLiteral("run1.dat")},
                      NameRow{"bytes200", nameOfBytes(200)}, NameRow{"bytes249", nameOfBytes(249)},
                      NameRow{"bytes250", nameOfBytes(250)}, NameRow{"bytes254", nameOfBytes(254)},
                      NameRow{"bytes255", nameOfBytes(255)},
                      // two bytes a character: the limit counts bytes, not characters
                      NameRow{"bytes255TwoByteLetters", nameOfBytes(255, QStringLiteral("é"))},
                      NameRow{"bytes255Hidden", "." + nameOfBytes(254)}),
    [](const auto& info) { return std::string(info.param.row); });

} // namespace
} // namespace drevant
