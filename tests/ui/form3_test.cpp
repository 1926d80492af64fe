// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/exportdialogfixtures.h"
#include "support/gtestscriptedrandom.h"
#include "support/scriptedclock.h"
#include "ui/drivelist.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/retainedsurface.h"
#include "ui/twips.h"
#include "ui/windowmanager.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

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

void unloadClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The export dialog over two volumes of real folders, driven through its widgets.
class ExportDialogWindow : public ::testing::Test {
protected:
    void TearDown() override {
        delete form.data();
        unloadClosedWindows();
    }

    Form3* open() {
        delete form.data();
        form = new Form3(vars, random, places.locations());
        closedSpy = std::make_unique<QSignalSpy>(form.data(), &Form3::closed);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form));
        return form;
    }

    // Double-clicks the folder list's entry for `folder`.
    void openFolder(const QString& folder) {
        QTreeWidgetItem* item = form->Dir1->itemOf(folder);
        ASSERT_NE(item, nullptr) << "not shown: " << qPrintable(folder);
        form->Dir1->scrollToItem(item);
        const QPoint at = form->Dir1->visualItemRect(item).center();
        // The events of a real double-click: a click, then the second press and release.
        QTest::mouseClick(form->Dir1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(form->Dir1->viewport(), Qt::LeftButton, {}, at);
        ASSERT_EQ(form->Dir1->Path(), folder) << qPrintable(form->Dir1->Path());
    }

    void clickFile(const QString& name) {
        const auto items = form->File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << qPrintable(name);
        form->File1->scrollToItem(items.front());
        const QPoint at = form->File1->visualItemRect(items.front()).center();
        QTest::mouseClick(form->File1->viewport(), Qt::LeftButton, {}, at);
    }

    void typeName(const QString& text) {
        form->Text1->selectAll();
        QTest::keyClick(form->Text1, Qt::Key_Delete);
        QTest::keyClicks(form->Text1, text);
        ASSERT_EQ(form->Text1->text(), text);
    }

    // Whether the dialog is still loaded once the unloading of closed windows has run.
    bool loadedAfterUnloading() {
        unloadClosedWindows();
        return !form.isNull();
    }

    QString runs() const { return places.path("one/Documents/runs"); }

    TwoVolumes places;
    DeclareVars vars = loggedSession();
    ScriptedRandom random{WorkedDraws};
    QPointer<Form3> form;
    std::unique_ptr<QSignalSpy> closedSpy;
};

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

// --- failures ---------------------------------------------------------------------------------

enum class Breakage { None, RemoveFolder, LockFolder, FolderIsAFile, EmptyFolder };

struct FailureRow {
    const char* row;
    Breakage breakage;
    QString name; // typed, or set from code when it holds a NUL
    const char* reasonPart;
};
void PrintTo(const FailureRow& row, std::ostream* out) {
    *out << row.row;
}

class SaveFailure : public ExportDialogWindow, public ::testing::WithParamInterface<FailureRow> {
protected:
    // Non-background pixels of the surface below the file list, where a failure is printed.
    int inkBelowFileList() const {
        const QImage& image = form->ClientArea->image();
        const QColor background = form->ClientArea->palette().color(QPalette::Base);
        const int top = (Form3::MessageTopTwips / TwipsPerPixel) * image.devicePixelRatio();
        int ink = 0;
        for (int y = top; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += image.pixelColor(x, y) != background;
        return ink;
    }
};

TEST_P(SaveFailure, KeepsTheDialogOpenWithTheReasonAndChangesNothing) {
    const FailureRow& row = GetParam();
    ASSERT_TRUE(testing::writeBytes(places.path("one/Documents/plain.txt"), "x"));
    ScriptedRandom noDraws; // a failed save draws nothing: any draw fails the test
    form = new Form3(vars, noDraws, places.locations());
    closedSpy = std::make_unique<QSignalSpy>(form.data(), &Form3::closed);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    openFolder(runs());

    switch (row.breakage) {
    case Breakage::None:
        break;
    case Breakage::RemoveFolder: // the folder goes while the dialog shows it
        ASSERT_TRUE(QDir().rmdir(runs()));
        break;
    case Breakage::LockFolder:
        ASSERT_TRUE(QFile(runs()).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (!testing::writesRefusedIn(runs()))
            GTEST_SKIP() << "this user may write into a read-only folder (running as root)";
        break;
    case Breakage::FolderIsAFile:
        form->dialog().setFolder(places.path("one/Documents/plain.txt"));
        break;
    case Breakage::EmptyFolder:
        form->dialog().setFolder(QString());
        break;
    }
    if (row.name.contains(QChar(u'\0')))
        form->Text1->setText(row.name);
    else
        typeName(row.name);
    ASSERT_EQ(form->Text1->text(), row.name);
    const DeclareVars before = vars;
    const QStringList startEntries = folderEntries(places.start());
    const QStringList runsEntries = folderEntries(runs());
    const QSize size = form->size();
    const int inkBefore = inkBelowFileList();

    QTest::mouseClick(form->Save, Qt::LeftButton);

    EXPECT_TRUE(loadedAfterUnloading());
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(closedSpy->count(), 0);
    EXPECT_TRUE(form->message().startsWith("Could not save")) << qPrintable(form->message());
    EXPECT_TRUE(form->message().contains(QString::fromUtf8(row.reasonPart), Qt::CaseInsensitive))
        << qPrintable(form->message());
    // Every character of the message is printed, in order (the breaks take only blanks).
    EXPECT_EQ(form->messageLines().join(QString()).remove(u' '),
              QString(form->message()).remove(u' '));
    EXPECT_TRUE(sameSession(vars, before));
    EXPECT_EQ(noDraws.drawn(), 0u);
    EXPECT_EQ(folderEntries(places.start()), startEntries);
    EXPECT_EQ(folderEntries(runs()), runsEntries);

    // Readable in full: each line fits the width, and the dialog grew down to hold them all.
    const QFontMetricsF metrics(form->ClientArea->surfaceFont());
    for (const QString& line : form->messageLines())
        EXPECT_LE(metrics.horizontalAdvance(line) * TwipsPerPixel,
                  Form3::ClientWidthTwips - 2 * Form3::MessageLeftTwips);
    EXPECT_EQ(form->width(), size.width());
    EXPECT_GT(form->height(), size.height());
    EXPECT_GE(form->height() * TwipsPerPixel,
              Form3::MessageTopTwips +
                  form->messageLines().size() * form->ClientArea->lineHeight());
    EXPECT_EQ(form->ClientArea->size(), form->size());
    EXPECT_EQ(inkBefore, 0);
    EXPECT_GT(inkBelowFileList(), 0);

    if (row.breakage == Breakage::LockFolder)
        QFile(runs()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                     QFileDevice::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SaveFailure,
    ::testing::Values(
        FailureRow{"missing_folder", Breakage::RemoveFolder, "run1.dat", "No such file"},
        FailureRow{"read_only_folder", Breakage::LockFolder, "run1.dat", "Permission denied"},
        FailureRow{"folder_is_a_file", Breakage::FolderIsAFile, "run1.dat", "Not a directory"},
        FailureRow{"slash_in_name", Breakage::None, "sub/run1.dat", "\"/\""},
        FailureRow{"nul_in_name", Breakage::None, QStringLiteral("ru") + QChar(u'\0') + "n.dat",
                   "NUL"},
        FailureRow{"empty_folder_path", Breakage::EmptyFolder, "run1.dat", "no folder"},
        FailureRow{"name_too_long", Breakage::None, QString(300, u'n') + ".dat", "too long"}),
    [](const auto& info) { return std::string(info.param.row); });

TEST_F(ExportDialogWindow, ALaterSaveClearsTheMessageAndCanSucceedElsewhere) {
    open();
    openFolder(runs());
    const QSize size = form->size();
    typeName("a/b");
    QTest::mouseClick(form->Save, Qt::LeftButton);
    ASSERT_TRUE(form->message().contains("a/b.dat"));
    const QSize grown = form->size();

    typeName("c/d");
    QTest::mouseClick(form->Save, Qt::LeftButton);
    EXPECT_TRUE(form->message().contains("c/d.dat"));
    EXPECT_FALSE(form->messageLines().join(u' ').contains("a/b"));
    EXPECT_EQ(form->size(), grown); // the old message gave way, the new one took its place
    // Each attempt printed its path, one line under the other.
    EXPECT_EQ(form->dialog().printedPaths(),
              (QStringList{runs() + "/a/b.dat", runs() + "/c/d.dat"}));
    EXPECT_EQ(form->ClientArea->currentY(), 2 * form->ClientArea->lineHeight());

    typeName("good");
    QTest::mouseClick(form->Save, Qt::LeftButton);
    EXPECT_TRUE(form->message().isEmpty());
    EXPECT_EQ(form->size(), size);
    EXPECT_EQ(folderEntries(runs()), QStringList{"good.dat"});
    EXPECT_EQ(closedSpy->count(), 1);
    EXPECT_FALSE(loadedAfterUnloading());
}

// --- while the file is written ---------------------------------------------------------------

TEST_F(ExportDialogWindow, SaveCancelAndCloseDoNothingWhileTheFileIsWritten) {
    open();
    openFolder(runs());
    typeName("run1");
    bool checked = false;
    // Runs from the writer's event yield after the first data line.
    QTimer::singleShot(0, form, [&] {
        ASSERT_TRUE(form->dialog().saving());
        typeName("other");
        QTest::mouseClick(form->Save, Qt::LeftButton);
        QTest::mouseClick(form->CancelSave, Qt::LeftButton);
        form->close();
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(closedSpy->count(), 0);
        checked = true;
    });

    QTest::mouseClick(form->Save, Qt::LeftButton);

    EXPECT_TRUE(checked);
    EXPECT_EQ(folderEntries(runs()), QStringList{"run1.dat"});
    EXPECT_EQ(firstLine(runs() + "/run1.dat"), WorkedKey);
    EXPECT_EQ(form->dialog().printedPaths(), QStringList{runs() + "/run1.dat"});
    EXPECT_EQ(closedSpy->count(), 1);
    EXPECT_FALSE(loadedAfterUnloading());
}

TEST_F(ExportDialogWindow, ACancelFromTheTitrationWindowWaitsForTheSaveToFinish) {
    open();
    openFolder(runs());
    bool checked = false;
    QTimer::singleShot(0, form, [&] {
        form->cancelWhenIdle();
        EXPECT_TRUE(form->isVisible());
        EXPECT_TRUE(form->dialog().saving());
        checked = true;
    });

    QTest::mouseClick(form->Save, Qt::LeftButton);

    EXPECT_TRUE(checked);
    EXPECT_EQ(firstLine(runs() + "/Drevant.dat"), WorkedKey);
    EXPECT_EQ(closedSpy->count(), 1);
    EXPECT_FALSE(loadedAfterUnloading());
}

TEST_F(ExportDialogWindow, TabGoesThroughTheControlsInTheirWrittenOrder) {
    open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    QWidget* expected[] = {form->Dir1,  form->Drive1, form->File1,
                           form->Text1, form->Save,   form->CancelSave};
    for (QWidget* next : expected) {
        EXPECT_EQ(QApplication::focusWidget(), next);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

// --- the window manager ----------------------------------------------------------------------

class ExportThroughManager : public ::testing::Test {
protected:
    void TearDown() override { unloadClosedWindows(); }

    DeclareVars vars = loggedSession();
    testing::ScriptedClock clock;
    testing::ScriptedRandom random{{}, testing::ScriptedRandom::RepeatLast};
    WindowManager windows{vars, random, clock};
};

TEST_F(ExportThroughManager, ASecondOpeningBringsTheOpenDialogForwardUnchanged) {
    windows.openExportDialog();
    const QPointer<Form3> first = windows.exportDialog();
    ASSERT_FALSE(first.isNull());
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->isEnabled());
    EXPECT_EQ(first->parentWidget(), nullptr); // without owner
    EXPECT_FALSE(first->isModal());
    first->Text1->setText("run7");

    windows.openExportDialog();

    EXPECT_EQ(windows.exportDialog(), first.data());
    EXPECT_EQ(first->Text1->text(), "run7");
    EXPECT_TRUE(first->isVisible());

    windows.cancelExportDialog();
    EXPECT_EQ(windows.exportDialog(), nullptr);
    unloadClosedWindows();
    EXPECT_TRUE(first.isNull());
    windows.cancelExportDialog(); // nothing open: nothing to do
}

TEST_F(ExportThroughManager, ClosingTheDialogHandsBackToTheTitrationWindow) {
    windows.openTitrationWindow();
    Form2* bench = windows.titrationWindow();
    ASSERT_NE(bench, nullptr);
    windows.openExportDialog();
    EXPECT_TRUE(bench->isEnabled()); // the titration window stays usable meanwhile
    EXPECT_TRUE(bench->isVisible());
    bench->setEnabled(false);
    bench->hide();

    QTest::mouseClick(windows.exportDialog()->CancelSave, Qt::LeftButton);

    EXPECT_EQ(windows.exportDialog(), nullptr);
    EXPECT_TRUE(bench->isEnabled());
    EXPECT_TRUE(bench->isVisible());
    windows.closeTitrationWindow();
}

TEST_F(ExportThroughManager, BeginAgainClosesTheOpenDialogFirst) {
    windows.openTitrationWindow();
    windows.openExportDialog();
    const QPointer<Form3> dialog = windows.exportDialog();
    ASSERT_FALSE(dialog.isNull());

    QTest::mouseClick(windows.titrationWindow()->BeginAgain, Qt::LeftButton);

    EXPECT_EQ(windows.exportDialog(), nullptr);
    unloadClosedWindows();
    EXPECT_TRUE(dialog.isNull());
    EXPECT_EQ(windows.titrationWindow(), nullptr);
    ASSERT_NE(windows.difficultyWindow(), nullptr);
    windows.closeDifficultyWindow();
}

} // namespace
} // namespace drevant
