// SPDX-License-Identifier: GPL-3.0-or-later
// The export dialog while saving fails, while a file is being written, and through the window
// manager.
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
