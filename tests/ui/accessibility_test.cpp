// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology sees, through Qt's accessibility layer in process: names, roles and
// values of the controls, the message panel's text and its change events, the curve's points.
#include "forms/spokentext.h"
#include "session/numbertext.h"
#include "support/gtestscriptedrandom.h"
#include "support/recordinghost.h"
#include "support/scriptedclock.h"
#include "ui/accessibilityon.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/curvesurface.h"
#include "ui/drivelist.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/retainedsurface.h"
#include "ui/settingscrollbar.h"
#include "ui/windowmanager.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QtTest/qtestaccessible.h>

#include <gtest/gtest.h>

namespace drevant {
namespace {

void unloadClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(iface, nullptr);
    return iface;
}

class Accessibility : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        applyApplicationStyle(*qApp);
        QTestAccessibility::initialize();
        ASSERT_TRUE(testing::setAccessibilityActive(true));
        QTestAccessibility::clearEvents();
        clock.now = 36000;
        windows.setExportLocations(
            ExportLocations({ExportVolume{folder.path(), QStringLiteral("test")}}, folder.path()));
        windows.start();
    }
    void TearDown() override {
        unloadClosedWindows();
        QTestAccessibility::clearEvents();
        testing::setAccessibilityActive(false);
        QTestAccessibility::cleanup();
    }

    Form2* begin() {
        QTest::mouseClick(windows.difficultyWindow()->InitialStart, Qt::LeftButton);
        unloadClosedWindows();
        return windows.titrationWindow();
    }
    void press(Form2* w, double seconds) {
        QTest::mousePress(w->Drevant, Qt::LeftButton);
        clock.now += seconds;
        QTest::mouseRelease(w->Drevant, Qt::LeftButton);
    }

    // The panel's text as the events told it, from `start`: each insert, removal and update
    // applied in turn. A screen reader that keeps its own copy ends up with this.
    static QString replayText(QObject* panel, QString start = {}) {
        for (QAccessibleEvent* e : QTestAccessibility::events()) {
            if (e->object() != panel)
                continue;
            switch (e->type()) {
            case QAccessible::TextInserted: {
                auto* t = static_cast<QAccessibleTextInsertEvent*>(e);
                start.insert(t->changePosition(), t->textInserted());
                break;
            }
            case QAccessible::TextRemoved: {
                auto* t = static_cast<QAccessibleTextRemoveEvent*>(e);
                EXPECT_EQ(start.mid(t->changePosition(), t->textRemoved().size()),
                          t->textRemoved());
                start.remove(t->changePosition(), t->textRemoved().size());
                break;
            }
            case QAccessible::TextUpdated: {
                auto* t = static_cast<QAccessibleTextUpdateEvent*>(e);
                EXPECT_EQ(start.mid(t->changePosition()), t->textRemoved());
                start = start.left(t->changePosition()) + t->textInserted();
                break;
            }
            default:
                break;
            }
        }
        return start;
    }
    // The pH of point i with the data table's two decimals.
    QString ph(int i) const { return twoDecimals(vars.PhLog[i].number().toDouble()); }
    static int count(QObject* object, QAccessible::Event type) {
        int n = 0;
        for (QAccessibleEvent* e : QTestAccessibility::events())
            n += e->object() == object && e->type() == type;
        return n;
    }

    QTemporaryDir folder;
    DeclareVars vars;
    testing::ScriptedClock clock;
    testing::ScriptedRandom random{
        {0.1, 0.5, 0.5}, testing::ScriptedRandom::RepeatLast}; // Simple case 0: a strong acid
    WindowManager windows{vars, random, clock};
};

struct NamedControl {
    const char* name;
    QAccessible::Role role;
    QObject* object;
};

TEST_F(Accessibility, EveryControlHasANameAndARole) {
    Form1* f1 = windows.difficultyWindow();
    std::vector<NamedControl> rows = {
        {"Simple System", QAccessible::RadioButton, f1->Simple},
        {"Medium Difficulty", QAccessible::RadioButton, f1->Medium},
        {"Complex System", QAccessible::RadioButton, f1->Complex},
        {"Begin", QAccessible::Button, f1->InitialStart},
    };
    for (const NamedControl& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(accessible(r.object)->text(QAccessible::Name), r.name);
        EXPECT_EQ(accessible(r.object)->role(), r.role);
    }
    Form2* w = begin();
    rows = {
        {"Burette: hold to add titrant", QAccessible::Button, w->Drevant},
        {"Titrant normality (N)", QAccessible::ScrollBar, w->HScroll1},
        {"Initial sample volume (mL)", QAccessible::ScrollBar, w->HScroll2},
        {"Messages", QAccessible::EditableText, w->MessageBox},
        {"Show Data", QAccessible::Button, w->ShowData},
        {"Titration curve", QAccessible::List, w->DataGraph},
        {"Start", QAccessible::Button, w->Start},
        {"Export Data", QAccessible::Button, w->ExportData},
        {"Start Titration Over", QAccessible::Button, w->Restart},
        {"Begin Again With New Titration", QAccessible::Button, w->BeginAgain},
    };
    for (const NamedControl& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(accessible(r.object)->text(QAccessible::Name), r.name);
        EXPECT_EQ(accessible(r.object)->role(), r.role);
    }
    // The value labels read their value and say what it is.
    EXPECT_EQ(accessible(w->Label4)->text(QAccessible::Name), "0.25");
    EXPECT_EQ(accessible(w->Label4)->text(QAccessible::Description), "Titrant normality (N)");
    EXPECT_EQ(accessible(w->Label5)->text(QAccessible::Description), "Initial sample volume (mL)");
    // The captions stay exactly as written.
    EXPECT_EQ(w->Drevant->text(), "Press to Drevant");
    EXPECT_EQ(accessible(w->Drevant)->text(QAccessible::Description), "Locked until Start.");

    QTest::mouseClick(w->Start, Qt::LeftButton);
    QTest::mouseClick(w->ExportData, Qt::LeftButton);
    Form3* d = windows.exportDialog();
    ASSERT_NE(d, nullptr);
    rows = {
        {"File name", QAccessible::EditableText, d->Text1}, {"Folders", QAccessible::Tree, d->Dir1},
        {"Files (*.dat)", QAccessible::List, d->File1},     {"Save", QAccessible::Button, d->Save},
        {"Cancel", QAccessible::Button, d->CancelSave},
    };
    for (const NamedControl& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(accessible(r.object)->text(QAccessible::Name), r.name);
        EXPECT_EQ(accessible(r.object)->role(), r.role);
    }
    EXPECT_EQ(accessible(d->Drive1)->role(), QAccessible::ComboBox);
    EXPECT_EQ(accessible(d->Drive1)->text(QAccessible::Description), "Drive");
}

TEST_F(Accessibility, ScrollBarsGiveTheQuantityAndTheLabelsText) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Form2* w = begin();
    QAccessibleInterface* normality = accessible(w->HScroll1);
    QAccessibleValueInterface* value = normality->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_DOUBLE_EQ(value->currentValue().toDouble(), 0.25);
    EXPECT_DOUBLE_EQ(value->minimumValue().toDouble(), 0.001);
    EXPECT_DOUBLE_EQ(value->maximumValue().toDouble(), 0.5);
    EXPECT_DOUBLE_EQ(value->minimumStepSize().toDouble(), 0.001);
    EXPECT_EQ(normality->text(QAccessible::Value), "0,25"); // as the label shows it
    EXPECT_EQ(normality->text(QAccessible::Description), "0,25");
    // Assistive technology setting the value runs the change handler like the mouse.
    value->setCurrentValue(0.1);
    EXPECT_EQ(w->HScroll1->value(), 100);
    EXPECT_EQ(w->Label4->text(), "0,1");
    EXPECT_EQ(normality->text(QAccessible::Value), "0,1");
    EXPECT_GE(count(w->HScroll1, QAccessible::ValueChanged), 1);
    EXPECT_GE(count(w->HScroll1, QAccessible::DescriptionChanged), 1);

    QAccessibleValueInterface* volume = accessible(w->HScroll2)->valueInterface();
    ASSERT_NE(volume, nullptr);
    EXPECT_DOUBLE_EQ(volume->currentValue().toDouble(), 200);
    EXPECT_DOUBLE_EQ(volume->maximumValue().toDouble(), 1000);
    EXPECT_EQ(accessible(w->HScroll2)->text(QAccessible::Value), "200");
}

TEST_F(Accessibility, MessagePanelIsItsLinesAndEveryChangeIsAnnounced) {
    Form2* w = begin();
    QAccessibleInterface* panel = accessible(w->MessageBox);
    QAccessibleTextInterface* text = panel->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(panel->state().readOnly);
    EXPECT_TRUE(panel->state().multiLine);
    EXPECT_TRUE(panel->state().focusable);
    EXPECT_EQ(text->characterCount(), 0);

    QTest::mouseClick(w->Start, Qt::LeftButton);
    QTestAccessibility::clearEvents();
    press(w, 2.5);
    const QString report = text->text(0, text->characterCount());
    EXPECT_EQ(report, w->MessageBox->printedText());
    EXPECT_TRUE(report.contains("Current Burrette Value (mL) 2.5\n")) << report.toStdString();
    EXPECT_TRUE(report.contains("Titrant Strength (N): 0.25\n# Data Points: 2"));
    EXPECT_EQ(replayText(w->MessageBox), report);
    // one insertion for each of the four report lines that print text
    EXPECT_EQ(count(w->MessageBox, QAccessible::TextInserted), 4 * 2); // label and value each
    // The burette says it too, where a screen reader reading the focused control looks.
    EXPECT_TRUE(accessible(w->Drevant)
                    ->text(QAccessible::Description)
                    .endsWith(report.split(u'\n').join(u' ').simplified()));

    // A data page replaces the report: cleared, then printed line by line.
    QTestAccessibility::clearEvents();
    QTest::mouseClick(w->ShowData, Qt::LeftButton);
    const QString page = text->text(0, text->characterCount());
    EXPECT_EQ(page, "Titrant (mL) pH\n0.00 " + ph(1) + "\n2.50 " + ph(2) + "\nEnd of data");
    EXPECT_EQ(replayText(w->MessageBox, report), page);
    EXPECT_EQ(count(w->MessageBox, QAccessible::TextRemoved), 1);
    EXPECT_EQ(accessible(w->ShowData)->text(QAccessible::Description),
              page.split(u'\n').join(u' '));

    // The refusal at the burette limit.
    QTestAccessibility::clearEvents();
    press(w, 18.0);
    press(w, 0.5);
    EXPECT_EQ(text->text(0, -1), "Burette Empty, Try Again!!");
    QTestAccessibility::clearEvents();
    QTest::mouseClick(w->Restart, Qt::LeftButton);
    EXPECT_EQ(text->characterCount(), 0);
    EXPECT_EQ(count(w->MessageBox, QAccessible::TextRemoved), 1);
}

TEST_F(Accessibility, PanelOffsetsAndCharacterPlacesAgree) {
    Form2* w = begin();
    QTest::mouseClick(w->Start, Qt::LeftButton);
    w->show();
    press(w, 1.0);
    QAccessibleTextInterface* text = accessible(w->MessageBox)->textInterface();
    ASSERT_NE(text, nullptr);
    // The character places run down the panel line by line, and each place gives its offset
    // back.
    int lastTop = -1;
    for (int offset = 0; offset < text->characterCount(); ++offset) {
        if (text->text(offset, offset + 1) == "\n")
            continue;
        const QRect place = text->characterRect(offset);
        ASSERT_TRUE(place.isValid()) << offset;
        EXPECT_GE(place.top(), lastTop);
        lastTop = place.top();
        EXPECT_EQ(text->offsetAtPoint(place.center()), offset) << offset;
    }
}

TEST_F(Accessibility, CurveListsItsPointsAndAnnouncesThem) {
    Form2* w = begin();
    QAccessibleInterface* curve = accessible(w->DataGraph);
    EXPECT_EQ(curve->childCount(), 0);
    EXPECT_EQ(curve->text(QAccessible::Description), "No points plotted.");
    QTest::mouseClick(w->Start, Qt::LeftButton);
    press(w, 1.0);
    press(w, 1.5);
    ASSERT_EQ(curve->childCount(), 3);
    EXPECT_EQ(count(w->DataGraph, QAccessible::ObjectCreated), 3);
    EXPECT_EQ(curve->child(1)->text(QAccessible::Name), "Point 2: 1.00 mL, pH " + ph(2));
    EXPECT_EQ(curve->child(2)->text(QAccessible::Name), "Point 3: 2.50 mL, pH " + ph(3));
    EXPECT_EQ(curve->child(2)->role(), QAccessible::ListItem);
    EXPECT_EQ(curve->child(2)->parent(), curve);
    EXPECT_EQ(curve->indexOfChild(curve->child(1)), 1);
    EXPECT_EQ(curve->child(3), nullptr);
    EXPECT_EQ(curve->text(QAccessible::Description),
              "3 points plotted; the last at 2.50 mL, pH " + ph(3) + ".");
    // Start Titration Over takes every point away, and says so.
    QTestAccessibility::clearEvents();
    QTest::mouseClick(w->Restart, Qt::LeftButton);
    EXPECT_EQ(curve->childCount(), 0);
    EXPECT_EQ(count(w->DataGraph, QAccessible::ObjectDestroyed), 3);
    EXPECT_EQ(curve->text(QAccessible::Description), "No points plotted.");
    EXPECT_EQ(count(w->DataGraph, QAccessible::DescriptionChanged), 1);
    QTest::mouseClick(w->Start, Qt::LeftButton);
    ASSERT_EQ(curve->childCount(), 1);
    EXPECT_EQ(curve->child(0)->text(QAccessible::Name), "Point 1: 0.00 mL, pH " + ph(1));
}

TEST_F(Accessibility, PressActionOnTheBuretteIsTheShortestPress) {
    Form2* w = begin();
    QTest::mouseClick(w->Start, Qt::LeftButton);
    QAccessibleActionInterface* actions = accessible(w->Drevant)->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([w] { return w->bench().state().PointIndex == 2; }, 5000));
    EXPECT_NEAR(vars.VolLog[2].number().toDouble(), 0.0001, 1e-9); // 0.1 mL
}

TEST_F(Accessibility, ExportDialogFacePrintsThePathAndTheFailure) {
    Form2* w = begin();
    QTest::mouseClick(w->Start, Qt::LeftButton);
    QTest::mouseClick(w->ExportData, Qt::LeftButton);
    Form3* d = windows.exportDialog();
    ASSERT_NE(d, nullptr);
    d->Text1->setText(QStringLiteral("no/such/folder/run"));
    QTest::mouseClick(d->Save, Qt::LeftButton);
    QAccessibleTextInterface* face = accessible(d->ClientArea)->textInterface();
    ASSERT_NE(face, nullptr);
    const QString said = face->text(0, face->characterCount());
    EXPECT_TRUE(said.contains("no/such/folder/run.dat")) << said.toStdString();
    EXPECT_TRUE(said.contains("Could not save")) << said.toStdString();
}

} // namespace
} // namespace drevant
