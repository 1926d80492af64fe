// SPDX-License-Identifier: GPL-3.0-or-later
// The save on Windows (built and run under Wine): one table of file names and of the files
// already there. A name Windows forbids, a read-only file or one held open by another program
// each give the dialog's one-line error and leave every existing file as it was; any Unicode
// name and a name of 255 UTF-16 units save, replacing an older file in one step.
#include "export/exportwriter.h"
#include "support/exportfixtures.h"
#include "support/gtestscriptedrandom.h"
#include "support/systemfiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace drevant {
namespace {

using testing::fileBytes;
using testing::logPoints;
using testing::ScriptedRandom;
using testing::sessionWith;
using testing::workedExampleTable;
using testing::writeBytes;

// What is in the folder before the save. Twin: "run1.dat" beside a name that Windows would
// shorten to it (a trailing dot), which must not be written over.
enum class Before { Nothing, OldFile, ReadOnlyFile, FileHeldOpen, Twin };

struct SaveRow {
    const char* row;
    QString name;
    Before before;
    const char* error; // the end of the one-line error; nullptr when the save succeeds
};
void PrintTo(const SaveRow& row, std::ostream* out) {
    *out << row.row;
}

const QByteArray Old = "old contents\r\n";

class WindowsSave : public ::testing::TestWithParam<SaveRow> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_vars = sessionWith(QStringLiteral("E"), workedExampleTable());
        logPoints(m_vars, 5);
    }
    QStringList entries() const {
        return QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    QTemporaryDir m_dir;
    DeclareVars m_vars;
};

TEST_P(WindowsSave, SavesOrSaysWhyInOneLineKeepingWhatWasThere) {
    const SaveRow& c = GetParam();
    if (c.before == Before::OldFile && c.name.toUtf8().size() > 255 && testing::underWine())
        GTEST_SKIP() << "Wine keeps files on the host, whose names are at most 255 bytes";
    // Joined as the dialog joins them (QDir::filePath takes "a:b.dat" for a drive path).
    const QString target = exportFilePath(m_dir.path(), c.name);
    // An unrelated file in the folder must never be touched.
    const QString neighbour = m_dir.filePath(QStringLiteral("neighbour.dat"));
    ASSERT_TRUE(writeBytes(neighbour, Old));
    QFile held(target);
    const QString twin = m_dir.filePath(QStringLiteral("run1.dat"));
    if (c.before == Before::Twin) {
        ASSERT_TRUE(writeBytes(twin, Old));
    } else if (c.before != Before::Nothing) {
        ASSERT_TRUE(writeBytes(target, Old));
    }
    if (c.before == Before::ReadOnlyFile) {
        ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadUser));
    }
    if (c.before == Before::FileHeldOpen) {
        ASSERT_TRUE(held.open(QIODevice::ReadOnly)); // as an editor holds it: no delete share
    }

    ScriptedRandom random({0.41, 0.25, 0.8});
    const ExportResult r = writeExportFile(target, m_vars, random, {}, QLocale::c());
    held.close();

    QStringList expected{QStringLiteral("neighbour.dat")};
    if (c.error == nullptr) {
        EXPECT_TRUE(r.ok) << r.error.toStdString();
        EXPECT_TRUE(fileBytes(target).startsWith("E6912999B05D20A3308\r\n"));
        expected << c.name;
    } else {
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.error.startsWith(QStringLiteral("Could not save "))) << r.error.toStdString();
        EXPECT_TRUE(r.error.endsWith(QString::fromUtf8(c.error))) << r.error.toStdString();
        EXPECT_FALSE(r.error.contains(u'\n')) << "not one line: " << r.error.toStdString();
        if (c.before == Before::Twin) {
            EXPECT_EQ(fileBytes(twin), Old) << "the file of the shortened name was changed";
            expected << QStringLiteral("run1.dat");
        } else if (c.before != Before::Nothing) {
            EXPECT_EQ(fileBytes(target), Old) << "the existing file was changed";
            expected << c.name;
        }
    }
    EXPECT_EQ(fileBytes(neighbour), Old);
    expected.sort(Qt::CaseInsensitive);
    QStringList found = entries();
    found.sort(Qt::CaseInsensitive);
    EXPECT_EQ(found, expected) << "a temporary file is left, or a file went missing";
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
}

QString repeated(const QString& unit, int count, const QString& ending) {
    QString name;
    for (int i = 0; i < count; ++i)
        name += unit;
    return name + ending;
}

const char* const Forbidden = "in a file name";
const char* const Device = "for a device";
const char* const Ending = "ending in a dot or a space";

INSTANTIATE_TEST_SUITE_P(
    Names, WindowsSave,
    ::testing::Values(
        SaveRow{"Plain", QStringLiteral("run1.dat"), Before::Nothing, nullptr},
        SaveRow{"OverAnOlderFile", QStringLiteral("run1.dat"), Before::OldFile, nullptr},
        SaveRow{"Unicode", QStringLiteral("Ölçüm-测量-\U0001F9EA.dat"), Before::OldFile, nullptr},
        SaveRow{"Units255", repeated(QStringLiteral("x"), 251, QStringLiteral(".dat")),
                Before::Nothing, nullptr},
        SaveRow{"Units255Wide", repeated(QStringLiteral("\u00E9"), 251, QStringLiteral(".dat")),
                Before::OldFile, nullptr},
        SaveRow{"Units256", repeated(QStringLiteral("x"), 252, QStringLiteral(".dat")),
                Before::Nothing, "File name too long"},
        SaveRow{"ReadOnly", QStringLiteral("run1.dat"), Before::ReadOnlyFile, "denied"},
        SaveRow{"HeldOpen", QStringLiteral("run1.dat"), Before::FileHeldOpen,
                ""}, // the system's words vary,
        SaveRow{"Less", QStringLiteral("a<b.dat"), Before::Nothing, Forbidden},
        SaveRow{"Greater", QStringLiteral("a>b.dat"), Before::Nothing, Forbidden},
        SaveRow{"Colon", QStringLiteral("a:b.dat"), Before::Nothing, Forbidden},
        SaveRow{"Quote", QStringLiteral("a\"b.dat"), Before::Nothing, Forbidden},
        SaveRow{"Bar", QStringLiteral("a|b.dat"), Before::Nothing, Forbidden},
        SaveRow{"Question", QStringLiteral("a?b.dat"), Before::Nothing, Forbidden},
        SaveRow{"Star", QStringLiteral("a*b.dat"), Before::Nothing, Forbidden},
        SaveRow{"Control", QStringLiteral("a\tb.dat"), Before::Nothing, Forbidden},
        SaveRow{"Con", QStringLiteral("CON"), Before::Nothing, Device},
        SaveRow{"NulDat", QStringLiteral("NUL.dat"), Before::Nothing, Device},
        SaveRow{"LowerCaseCom1", QStringLiteral("com1.dat"), Before::Nothing, Device},
        SaveRow{"Lpt9", QStringLiteral("LPT9.txt"), Before::Nothing, Device},
        SaveRow{"Com0IsAName", QStringLiteral("COM0.dat"), Before::Nothing, nullptr},
        SaveRow{"ConsoleIsAName", QStringLiteral("CONSOLE.dat"), Before::Nothing, nullptr},
        SaveRow{"TrailingDot", QStringLiteral("run1.dat."), Before::Nothing, Ending},
        SaveRow{"TrailingSpace", QStringLiteral("run1.dat "), Before::Nothing, Ending},
        SaveRow{"TrailingDotBesideItsTwin", QStringLiteral("run1.dat."), Before::Twin, Ending}),
    [](const auto& info) { return std::string(info.param.row); });

} // namespace
} // namespace drevant
