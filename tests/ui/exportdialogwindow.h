// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The export dialog's window tests' fixture: the dialog over two volumes of real folders,
// driven through its widgets.
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

inline void unloadClosedWindows() {
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

    testing::TwoVolumes places;
    DeclareVars vars = testing::loggedSession();
    testing::ScriptedRandom random{testing::WorkedDraws};
    QPointer<Form3> form;
    std::unique_ptr<QSignalSpy> closedSpy;
};

} // namespace drevant
