// SPDX-License-Identifier: GPL-3.0-or-later
// The export dialog's Save: the printed path, refused paths, and a second Save or a Cancel while
// a file is being written.
#include "support/exportdialogfixtures.h"
#include "support/gtestscriptedrandom.h"

#include "forms/exportdialog.h"
#include "support/recordingsurface.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace drevant {
namespace {

using testing::firstLine;
using testing::folderEntries;
using testing::loggedSession;
using testing::noYield;
using testing::RecordingNameBox;
using testing::sameSession;
using testing::ScriptedRandom;
using testing::TwoVolumes;
using testing::WorkedDraws;
using testing::WorkedKey;
using testing::writesRefusedIn;

TEST(ExportDialogSave, PrintsTheFullPathLineByLineAndAddsTheSeparatorOnlyWhenMissing) {
    TwoVolumes places;
    DeclareVars vars = loggedSession();
    ScriptedRandom random(WorkedDraws);
    ExportDialog dialog(vars, random, places.locations());
    dialog.Form_Load();
    testing::RecordingSurface form;
    const DeclareVars before = vars;

    // The root ends in "/" already; the name with a "/" keeps this from writing there.
    dialog.setFolder("/");
    RecordingNameBox atRoot("a/b");
    const auto refused = dialog.Save_Click(atRoot, form, noYield);
    ASSERT_TRUE(refused.has_value());
    EXPECT_FALSE(refused->ok);

    dialog.setFolder(places.start() + "/");
    RecordingNameBox named("run1");
    const auto saved = dialog.Save_Click(named, form, noYield);
    ASSERT_TRUE(saved.has_value());
    EXPECT_TRUE(saved->ok) << qPrintable(saved->error);

    const QString fullPath = places.start() + "/run1.dat";
    // Printed in the system's own form (backslashes on Windows).
    const QString refusedPath = QDir::toNativeSeparators("/a/b.dat");
    const QString shownPath = QDir::toNativeSeparators(fullPath);
    EXPECT_EQ(dialog.printedPaths(), (QStringList{refusedPath, shownPath}));
    EXPECT_EQ(form.joinedRows(), refusedPath + "|" + shownPath); // TextLine: one line each
    ASSERT_EQ(form.texts.size(), 2u);
    EXPECT_EQ(form.texts[0].x, 0);
    EXPECT_EQ(form.texts[0].y, 0);
    EXPECT_EQ(firstLine(fullPath), WorkedKey);
    EXPECT_EQ(dialog.SampleKey, QString::fromLatin1(WorkedKey));
    EXPECT_EQ(dialog.KeyField[4], "05");
    EXPECT_EQ(before.ExportPath, QString()); // the folder list's handler remembered the folder
    EXPECT_EQ(vars.ExportPath, places.start());
}

struct FailureCase {
    const char* row;
    const char* folder; // below the test's start location; "" for an empty folder path
    QString name;
    const char* reasonPart;
    bool needsRefusedWrites = false;
};
void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.row;
}

class ExportDialogSaveFailure : public ::testing::TestWithParam<FailureCase> {};

// A failure writes nothing (not even a temporary file), changes nothing in the session, and
// says what failed and where.
TEST_P(ExportDialogSaveFailure, LeavesNoFileAndTheSessionUnchanged) {
    const FailureCase& c = GetParam();
    TwoVolumes places;
    ASSERT_TRUE(QDir().mkpath(places.path("one/Documents/locked")));
    ASSERT_TRUE(QFile(places.path("one/Documents/locked"))
                    .setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    ASSERT_TRUE(testing::writeBytes(places.path("one/Documents/plain.txt"), "x"));
    if (c.needsRefusedWrites && !writesRefusedIn(places.path("one/Documents/locked")))
        GTEST_SKIP() << "this user may write into a read-only folder (running as root)";

    DeclareVars vars = loggedSession();
    ScriptedRandom random; // any draw fails the test: a failed save fills nothing
    ExportDialog dialog(vars, random, places.locations());
    dialog.Form_Load();
    const QString folder = *c.folder ? places.path("one/Documents/") + c.folder : QString();
    dialog.setFolder(folder);
    const DeclareVars before = vars;
    const QStringList entriesBefore = folderEntries(places.start());
    const QStringList lockedBefore = folderEntries(places.path("one/Documents/locked"));
    RecordingNameBox box(c.name);
    testing::RecordingSurface form;

    const auto result = dialog.Save_Click(box, form, noYield);

    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->ok);
    EXPECT_TRUE(result->error.startsWith("Could not save")) << qPrintable(result->error);
    EXPECT_TRUE(result->error.contains(QString::fromUtf8(c.reasonPart), Qt::CaseInsensitive))
        << qPrintable(result->error);
    EXPECT_FALSE(result->error.contains(QChar(u'\0')));
    EXPECT_TRUE(sameSession(vars, before));
    EXPECT_EQ(random.drawn(), 0u);
    EXPECT_EQ(folderEntries(places.start()), entriesBefore);
    EXPECT_EQ(folderEntries(places.path("one/Documents/locked")), lockedBefore);
    EXPECT_EQ(dialog.printedPaths().size(), 1); // the path is printed before the write
    EXPECT_FALSE(dialog.saving());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExportDialogSaveFailure,
    ::testing::Values(FailureCase{"missing_folder", "missing", "run1",
                                  testing::IsWindows ? "Path not found" : "No such file"},
                      FailureCase{"read_only_folder", "locked", "run1", "Permission denied", true},
                      FailureCase{"folder_is_a_file", "plain.txt", "run1",
                                  testing::IsWindows ? "Path not found" : "Not a directory"},
                      FailureCase{"slash_in_name", "runs", "a/b", "\"/\""},
                      FailureCase{"nul_in_name", "runs", QStringLiteral("run") + QChar(u'\0') + "1",
                                  "NUL"},
                      FailureCase{"empty_folder", "", "run1", "no folder"},
                      FailureCase{"name_too_long", "runs", QString(300, u'n'), "too long"}),
    [](const auto& info) { return std::string(info.param.row); });

TEST(ExportDialogSave, ASaveStartedWhileOneIsWrittenIsIgnored) {
    TwoVolumes places;
    DeclareVars vars = loggedSession();
    ScriptedRandom random(WorkedDraws);
    ExportDialog dialog(vars, random, places.locations());
    dialog.Form_Load();
    testing::RecordingSurface form;
    RecordingNameBox box("run1");
    RecordingNameBox second("run2");
    int yields = 0;
    bool refusedInside = false;

    const auto result = dialog.Save_Click(box, form, [&] {
        ++yields;
        EXPECT_TRUE(dialog.saving());
        refusedInside = !dialog.Save_Click(second, form, noYield).has_value();
    });

    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->ok);
    EXPECT_EQ(yields, 4); // three data lines and the entry that ends them
    EXPECT_TRUE(refusedInside);
    EXPECT_TRUE(second.shown.isEmpty()); // the ignored press did not touch its box
    EXPECT_FALSE(dialog.saving());
    EXPECT_EQ(folderEntries(places.start()), (QStringList{"run1.dat", "runs"}));
    EXPECT_EQ(dialog.printedPaths().size(), 1);
}

// A Cancel while the data lines are written: the dialog's own Cancel (or its title bar) does
// nothing, so a failed save leaves the dialog open with its reason; a cancel asked for by the
// titration window waits and then closes the dialog, whatever the save's outcome.
TEST(ExportDialogSave, ACancelDuringAFailingSave) {
    for (const bool fromTitrationWindow : {false, true}) {
        SCOPED_TRACE(fromTitrationWindow ? "titration window" : "Cancel button");
        TwoVolumes places;
        DeclareVars vars = loggedSession();
        ScriptedRandom random(WorkedDraws);
        ExportDialog dialog(vars, random, places.locations());
        dialog.Form_Load();
        testing::RecordingSurface form;
        RecordingNameBox box("taken");
        const auto result = dialog.Save_Click(box, form, [&] {
            // A folder appears where the file goes: the final rename fails.
            QDir(places.start()).mkdir(QStringLiteral("taken.dat"));
            if (fromTitrationWindow)
                dialog.cancelWhenIdle();
            else
                dialog.CancelSave_Click();
            EXPECT_FALSE(dialog.controls().closed);
        });
        ASSERT_TRUE(result.has_value());
        EXPECT_FALSE(result->ok);
        EXPECT_EQ(dialog.controls().closed, fromTitrationWindow);
        EXPECT_EQ(dialog.controls().message.isEmpty(), fromTitrationWindow);
        EXPECT_EQ(dialog.Save_Click(box, form, noYield).has_value(), !fromTitrationWindow);
    }
}

} // namespace
} // namespace drevant
