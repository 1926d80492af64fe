// SPDX-License-Identifier: GPL-3.0-or-later
// The export dialog's file list chooses a file only when the user picks one: a click or a key
// that moves the selection. The focus arriving, by Tab, chooses nothing. Driven by real key
// events on the real dialog.
#include "support/exportdialogfixtures.h"
#include "support/gtestscriptedrandom.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/form3.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace drevant {
namespace {

using testing::fileBytes;
using testing::firstLine;
using testing::folderEntries;
using testing::loggedSession;
using testing::ScriptedRandom;
using testing::TwoVolumes;
using testing::writeBytes;

const QByteArray WorkedKey = "E6912999B05D20A3308";

class FileChoice : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a.dat", "b.dat", "c.dat"})
            ASSERT_TRUE(writeBytes(folder() + "/" + name, QByteArray("old ") + name));
    }
    void TearDown() override {
        delete form.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QString folder() const { return places.start(); } // where the dialog opens

    // Opens the dialog and makes it the active window, its focus where it opens (Dir1).
    void open() {
        form = new Form3(vars, random, places.locations());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        ASSERT_EQ(QApplication::focusWidget(), form->Dir1);
    }

    void press(Qt::Key key, int times = 1) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), key);
    }

    TwoVolumes places;
    DeclareVars vars = loggedSession();
    ScriptedRandom random{{0.41, 0.25, 0.8}};
    QPointer<Form3> form;
};

TEST_F(FileChoice, TabbingToSaveAndPressingSpaceSavesUnderTheDefaultName) {
    open();
    press(Qt::Key_Tab, 2); // Dir1 -> Drive1 -> File1
    ASSERT_EQ(QApplication::focusWidget(), form->File1);
    EXPECT_EQ(form->Text1->text().toStdString(), "*.dat") << "the focus alone chose a file";
    press(Qt::Key_Tab, 2); // -> Text1 -> Save
    ASSERT_EQ(QApplication::focusWidget(), form->Save);

    press(Qt::Key_Space);

    EXPECT_EQ(folderEntries(folder()),
              (QStringList{"Drevant.dat", "a.dat", "b.dat", "c.dat", "runs"}));
    EXPECT_EQ(firstLine(folder() + "/Drevant.dat"), WorkedKey);
    for (const char* name : {"a.dat", "b.dat", "c.dat"})
        EXPECT_EQ(fileBytes(folder() + "/" + name), QByteArray("old ") + name) << name;
}

struct KeyRow {
    const char* row;
    std::vector<Qt::Key> keys; // pressed once the list has the focus
    const char* chosen;        // the name box afterwards
};
void PrintTo(const KeyRow& row, std::ostream* out) {
    *out << row.row;
}

class KeyboardChoice : public FileChoice, public ::testing::WithParamInterface<KeyRow> {};

// From the focus's arrival (first file current, nothing chosen) each key moves the selection
// to a file, which counts as picking it; the last key decides.
TEST_P(KeyboardChoice, AKeyThatMovesTheSelectionChoosesThatFile) {
    open();
    press(Qt::Key_Tab, 2);
    ASSERT_EQ(QApplication::focusWidget(), form->File1);
    for (Qt::Key key : GetParam().keys)
        press(key);
    EXPECT_EQ(form->Text1->text().toStdString(), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyboardChoice,
    ::testing::Values(KeyRow{"down", {Qt::Key_Down}, "b.dat"},
                      KeyRow{"downDownUp", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, "b.dat"},
                      KeyRow{"end", {Qt::Key_End}, "c.dat"},
                      KeyRow{"homeOnTheFirst", {Qt::Key_Home}, "a.dat"},
                      KeyRow{"endThenHome", {Qt::Key_End, Qt::Key_Home}, "a.dat"},
                      KeyRow{"typedLetter", {Qt::Key_C}, "c.dat"},
                      KeyRow{"keyThatMovesNothing", {Qt::Key_Shift}, "*.dat"}),
    [](const auto& info) { return std::string(info.param.row); });

TEST_F(FileChoice, RefillingTheListWhileItHasTheFocusChoosesNothing) {
    open();
    press(Qt::Key_Tab, 2);
    ASSERT_EQ(QApplication::focusWidget(), form->File1);
    form->dialog().setFolder(places.path("one/Documents/runs"));
    form->dialog().setFolder(folder());
    ASSERT_EQ(form->File1->count(), 3);
    EXPECT_EQ(form->Text1->text().toStdString(), "*.dat");
}

// An empty name saves ".dat"; such names, and others that begin with a dot, are listed and
// can be chosen like any other.
TEST_F(FileChoice, NamesBeginningWithADotAreListedAndCanBeChosen) {
    for (const char* name : {".dat", ".hidden.dat", ".profile"})
        ASSERT_TRUE(writeBytes(folder() + "/" + name, "x"));
    open();
    QStringList listed;
    for (int i = 0; i < form->File1->count(); ++i)
        listed << form->File1->item(i)->text();
    EXPECT_EQ(listed, (QStringList{".dat", ".hidden.dat", "a.dat", "b.dat", "c.dat"}));

    const QRect first = form->File1->visualItemRect(form->File1->item(0));
    QTest::mouseClick(form->File1->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(form->Text1->text().toStdString(), ".dat");
}

} // namespace
} // namespace drevant
