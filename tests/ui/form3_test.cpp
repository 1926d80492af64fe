// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportdialogwindow.h"

#include <gtest/gtest.h>

namespace drevant {
namespace {

using testing::firstLine;
using testing::folderEntries;
using testing::loggedSession;
using testing::sameSession;
using testing::ScriptedRandom;
using testing::TwoVolumes;
using testing::WorkedDraws;
using testing::WorkedKey;

// --- the name table ------------------------------------------------------------------------

struct NameRow {
    const char* row;
    QString typed;
    QStringList shown; // what the box shows while saving, correction by correction
    QString fileName;
};
void PrintTo(const NameRow& row, std::ostream* out) {
    *out << row.row;
}

class SaveNames : public ExportDialogWindow, public ::testing::WithParamInterface<NameRow> {};

TEST_P(SaveNames, TheBoxIsCorrectedAndTheFileNamedAfterIt) {
    const NameRow& row = GetParam();
    open();
    openFolder(runs());
    if (row.typed != "*.dat") // the box starts with "*.dat"
        typeName(row.typed);
    QStringList shown;
    QObject::connect(form->Text1, &QLineEdit::textChanged,
                     [&shown](const QString& text) { shown << text; });

    QTest::mouseClick(form->Save, Qt::LeftButton);

    EXPECT_EQ(shown, row.shown);
    EXPECT_EQ(form->Text1->text(), row.fileName);
    EXPECT_TRUE(form->message().isEmpty());
    EXPECT_EQ(folderEntries(runs()), QStringList{row.fileName}); // and no temporary file
    EXPECT_EQ(firstLine(runs() + "/" + row.fileName), WorkedKey);
    EXPECT_EQ(form->dialog().printedPaths(), QStringList{runs() + "/" + row.fileName});
    EXPECT_EQ(vars.ExportPath, runs());
    EXPECT_EQ(closedSpy->count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(loadedAfterUnloading());
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveNames,
    ::testing::Values(NameRow{"pattern_unchanged", "*.dat", {"Drevant.dat"}, "Drevant.dat"},
                      NameRow{"plain_name", "run1", {"run1.dat"}, "run1.dat"},
                      NameRow{"upper_case_extension", "RUN1.DAT", {"RUN1.DAT.dat"}, "RUN1.DAT.dat"},
                      NameRow{"empty", "", {".dat"}, ".dat"},
                      NameRow{"star_first", "*abc", {"*abc.dat", "Drevant.dat"}, "Drevant.dat"}),
    [](const auto& info) { return std::string(info.param.row); });

// --- folders, drives and files -----------------------------------------------------------------

TEST_F(ExportDialogWindow, StartsAtTheStartLocationWithThePatternInTheBox) {
    open();
    EXPECT_EQ(form->windowTitle(), "Export Data");
    EXPECT_EQ(form->Text1->text(), "*.dat");
    EXPECT_EQ(form->Drive1->Drive(), driveText(places.volumeOne()));
    EXPECT_EQ(form->Drive1->count(), 2);
    EXPECT_EQ(form->Dir1->Path(), places.start());
    EXPECT_EQ(form->File1->Path(), places.start());
    // The folder list: the ancestors down to the folder, then its subfolders.
    const QStringList shown = form->Dir1->shownFolders();
    ASSERT_GE(shown.size(), 3);
    EXPECT_EQ(shown.front(), QDir::rootPath());
    EXPECT_EQ(shown.mid(shown.size() - 2), (QStringList{places.start(), runs()}));
}

TEST_F(ExportDialogWindow, TheFileListShowsTheFilesMatchingThePatternCaseIncluded) {
    for (const char* name : {"b.dat", "a.dat", "UPPER.DAT", "notes.txt", "x.dat.bak"})
        ASSERT_TRUE(testing::writeBytes(runs() + "/" + name, "old"));
    ASSERT_TRUE(QDir().mkpath(runs() + "/folder.dat"));
    open();
    openFolder(runs());
    QStringList listed;
    for (int i = 0; i < form->File1->count(); ++i)
        listed << form->File1->item(i)->text();
    EXPECT_EQ(listed, (QStringList{"a.dat", "b.dat"}));
    EXPECT_EQ(form->File1->Pattern(), "*.dat");
}

TEST_F(ExportDialogWindow, ClickingAFilePutsItsNameInTheBoxAndSavingReplacesIt) {
    ASSERT_TRUE(testing::writeBytes(runs() + "/old.dat", "an earlier export\r\n"));
    open();
    openFolder(runs());
    clickFile("old.dat");
    EXPECT_EQ(form->Text1->text(), "old.dat");

    QTest::mouseClick(form->Save, Qt::LeftButton);

    EXPECT_EQ(folderEntries(runs()), QStringList{"old.dat"});
    EXPECT_EQ(firstLine(runs() + "/old.dat"), WorkedKey);
    EXPECT_FALSE(loadedAfterUnloading());
}

TEST_F(ExportDialogWindow, ASeparatorIsAddedOnlyWhereThePathLacksOne) {
    open();
    form->dialog().setFolder(runs() + "/"); // from code, with a trailing separator
    EXPECT_EQ(form->Dir1->Path(), runs());
    typeName("run1");
    QTest::mouseClick(form->Save, Qt::LeftButton);
    EXPECT_EQ(form->dialog().printedPaths(), QStringList{runs() + "/run1.dat"});
    EXPECT_EQ(folderEntries(runs()), QStringList{"run1.dat"});
}

TEST_F(ExportDialogWindow, TheFolderIsRememberedAcrossOpeningsWithAFreshName) {
    ASSERT_TRUE(testing::writeBytes(runs() + "/old.dat", "x"));
    open();
    openFolder(runs());
    typeName("abc");
    QTest::mouseClick(form->CancelSave, Qt::LeftButton);
    ASSERT_FALSE(loadedAfterUnloading());
    EXPECT_EQ(vars.ExportPath, runs());

    open();
    EXPECT_EQ(form->Text1->text(), "*.dat");
    EXPECT_EQ(form->Dir1->Path(), runs());
    EXPECT_EQ(form->File1->Path(), runs());
    ASSERT_EQ(form->File1->count(), 1);
    EXPECT_EQ(form->File1->item(0)->text(), "old.dat");
}

// The drive step of the load moves the folder list to that drive's current folder, its
// root in a fresh dialog, so a folder deeper on that drive is not reopened.
TEST_F(ExportDialogWindow, TheDriveIsRememberedAndRestoredBeforeTheFolder) {
    open();
    form->Drive1->setFocus();
    QTest::keyClick(form->Drive1, Qt::Key_Down); // the next drive: two
    const QString two = driveText(places.volumeTwo());
    ASSERT_EQ(form->Drive1->Drive(), two);
    EXPECT_EQ(form->Dir1->Path(), places.two());
    EXPECT_EQ(vars.ExportDrive, two);
    openFolder(places.path("two/data"));
    EXPECT_EQ(vars.ExportPath, places.path("two/data"));
    QTest::mouseClick(form->CancelSave, Qt::LeftButton);
    ASSERT_FALSE(loadedAfterUnloading());

    open();
    EXPECT_EQ(form->Drive1->Drive(), two);
    EXPECT_EQ(form->Dir1->Path(), places.two());
    EXPECT_EQ(form->File1->Path(), places.two());
    EXPECT_EQ(vars.ExportPath, places.two());
    EXPECT_EQ(vars.ExportDrive, two);
}

TEST_F(ExportDialogWindow, ARememberedFolderThatWasDeletedFallsBackToTheStartLocation) {
    open();
    openFolder(runs());
    QTest::mouseClick(form->CancelSave, Qt::LeftButton);
    ASSERT_FALSE(loadedAfterUnloading());
    ASSERT_TRUE(QDir().rmdir(runs()));

    open();
    EXPECT_EQ(form->Dir1->Path(), places.start());
    EXPECT_EQ(form->File1->Path(), places.start());
    EXPECT_TRUE(form->message().isEmpty());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(ExportDialogWindow, ARememberedDriveThatIsNotMountedFallsBackToTheStartLocation) {
    vars.ExportDrive = "/media/gone  (GONE)";
    vars.ExportPath = "/media/gone/runs";
    open();
    EXPECT_EQ(form->Drive1->Drive(), driveText(places.volumeOne()));
    EXPECT_EQ(form->Dir1->Path(), places.start());
    EXPECT_TRUE(form->message().isEmpty());
}

// --- closing without saving -------------------------------------------------------------------

struct CloseRow {
    const char* row;
    bool fromTitleBar;
};
void PrintTo(const CloseRow& row, std::ostream* out) {
    *out << row.row;
}

class ClosingWithoutSaving : public ExportDialogWindow,
                             public ::testing::WithParamInterface<CloseRow> {};

TEST_P(ClosingWithoutSaving, WritesNothingAndKeepsTheRememberedPlace) {
    open();
    openFolder(runs());
    typeName("run1");
    const DeclareVars before = vars;
    const QStringList entriesBefore = folderEntries(runs());

    if (GetParam().fromTitleBar)
        form->close();
    else
        QTest::mouseClick(form->CancelSave, Qt::LeftButton);

    EXPECT_EQ(closedSpy->count(), 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(sameSession(vars, before));
    EXPECT_EQ(vars.ExportPath, runs());
    EXPECT_EQ(folderEntries(runs()), entriesBefore);
    EXPECT_EQ(random.drawn(), 0u);
    EXPECT_FALSE(loadedAfterUnloading());
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingWithoutSaving,
                         ::testing::Values(CloseRow{"cancel_button", false},
                                           CloseRow{"title_bar", true}),
                         [](const auto& info) { return std::string(info.param.row); });

} // namespace
} // namespace drevant
