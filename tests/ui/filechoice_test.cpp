// SPDX-License-Identifier: GPL-3.0-or-later
// The export dialog's file list chooses a file only when the user picks one: a click or a key
// that moves the selection. The focus arriving, by Tab, chooses nothing. Driven by real key
// events on the real dialog.
#include "export/filenames.h"
#include "support/exportdialogfixtures.h"
#include "support/gtestscriptedrandom.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/form3.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
// to a file, or selects the current one, which counts as picking it; the last key decides.
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
    // the first Down or Up picks the file the focus made current, the next ones move
    ::testing::Values(
        KeyRow{"down", {Qt::Key_Down}, "a.dat"}, KeyRow{"up", {Qt::Key_Up}, "a.dat"},
        KeyRow{"downDown", {Qt::Key_Down, Qt::Key_Down}, "b.dat"},
        KeyRow{"downDownDownUp", {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}, "b.dat"},
        KeyRow{"end", {Qt::Key_End}, "c.dat"}, KeyRow{"homeOnTheFirst", {Qt::Key_Home}, "a.dat"},
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

// A name as long as a file system allows (255 bytes) is elided in its middle: no horizontal
// scroll bar takes a row of the short list, and both ends of every name stay visible.
TEST_F(FileChoice, ALongNameIsElidedInTheMiddle) {
    const QString longName = QString(251, u'x') + QStringLiteral(".dat");
    ASSERT_TRUE(writeBytes(folder() + "/" + longName, "x"));
    open();
    ASSERT_EQ(form->File1->count(), 4);
    EXPECT_FALSE(form->File1->horizontalScrollBar()->isVisible());
    const QRect viewport = form->File1->viewport()->rect();
    const auto widest = [this] {
        int width = 0;
        for (int i = 0; i < form->File1->count(); ++i)
            width = std::max(width, form->File1->visualItemRect(form->File1->item(i)).width());
        return width;
    };
    // laid out again once the vertical scroll bar took its place
    EXPECT_TRUE(QTest::qWaitFor([&] { return widest() <= viewport.width(); }, 2000))
        << widest() << " wide in " << viewport.width();
    EXPECT_TRUE(viewport.contains(form->File1->visualItemRect(form->File1->item(2))))
        << "three rows in view, as with short names";
    const QImage picture = form->File1->grab().toImage();
    if (qEnvironmentVariableIsSet("DREVANT_TEST_PICTURES"))
        picture.save(qEnvironmentVariable("DREVANT_TEST_PICTURES") + "/longname-list.png");
}

struct ByteNameRow {
    const char* row;
    QByteArray folder; // a subfolder of the start folder, as bytes
    QByteArray file;   // a file in it, as bytes
};
void PrintTo(const ByteNameRow& row, std::ostream* out) {
    *out << row.row;
}

class ByteNames : public FileChoice, public ::testing::WithParamInterface<ByteNameRow> {};

// Folder and file names that are not UTF-8 (made on other systems): the subfolder is listed
// and entered, its file is listed, chosen and saved over, all by the names' own bytes.
TEST_P(ByteNames, AreListedEnteredAndSavedTo) {
    const ByteNameRow row = GetParam();
    const QByteArray start = QFile::encodeName(folder());
    const QByteArray sub = start + '/' + row.folder;
    const QByteArray target = sub + '/' + row.file;
    ASSERT_EQ(::mkdir(sub.constData(), 0755), 0);
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "old", 3), 3);
    ::close(fd);

    open();
    QTreeWidgetItem* entry = form->Dir1->itemOf(nameFromBytes(sub));
    ASSERT_NE(entry, nullptr) << "the subfolder is listed";
    form->Dir1->setCurrentItem(entry);
    QTest::keyClick(form->Dir1, Qt::Key_Return);
    ASSERT_EQ(nameBytes(form->Dir1->Path()), sub) << "and entered";
    ASSERT_EQ(form->File1->count(), 1) << "its file is listed";
    const QRect first = form->File1->visualItemRect(form->File1->item(0));
    QTest::mouseClick(form->File1->viewport(), Qt::LeftButton, {}, first.center());
    EXPECT_EQ(nameBytes(form->Text1->text()), row.file);
    QTest::mouseClick(form->Save, Qt::LeftButton);

    struct stat st {};
    ASSERT_EQ(::stat(target.constData(), &st), 0);
    EXPECT_GT(st.st_size, 3) << "saved over, under the same bytes";
    QFile saved;
    const int readFd = ::open(target.constData(), O_RDONLY);
    ASSERT_GE(readFd, 0);
    ASSERT_TRUE(saved.open(readFd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    EXPECT_EQ(saved.readLine().trimmed(), WorkedKey);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ByteNames,
    ::testing::Values(ByteNameRow{"utf8", "J\xC3\xB6rg", "r\xC3\xA9sultat.dat"},
                      ByteNameRow{"latin1", "J\xF6rg", "r\xE9sultat.dat"},
                      ByteNameRow{"loneContinuationByte",
                                  "a\x80"
                                  "b",
                                  "\xBF.dat"},
                      ByteNameRow{"cutSequence", "x\xE2\x82", "y\xF0\x9F\x98.dat"}),
    [](const auto& info) { return std::string(info.param.row); });

} // namespace
} // namespace drevant
