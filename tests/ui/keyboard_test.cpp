// SPDX-License-Identifier: GPL-3.0-or-later
// The three windows from the keyboard alone: tab order, the setting scroll bars' keys, where
// the focus goes when controls lock, a held Space as one press, and a visible focus.
#include "support/gtestscriptedrandom.h"
#include "support/recordinghost.h"
#include "support/scriptedclock.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/curvesurface.h"
#include "ui/drivelist.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/keyrepeat.h"
#include "ui/retainedsurface.h"
#include "ui/settingscrollbar.h"
#include "ui/windowmanager.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace drevant {
namespace {

void unloadClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        applyApplicationStyle(*qApp);
        clock.now = 36000;
        windows.setExportLocations(
            ExportLocations({ExportVolume{folder.path(), QStringLiteral("test")}}, folder.path()));
        windows.start();
    }
    void TearDown() override { unloadClosedWindows(); }

    static void activate(QWidget* window) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    static void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, Qt::Key(k), modifiers);
    }
    // The controls that Tab visits from the present focus, `count` presses.
    static QList<QWidget*> tabs(int count) {
        QList<QWidget*> visited;
        for (int i = 0; i < count; ++i) {
            key(Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        return visited;
    }

    Form2* begin() {
        Form1* f1 = windows.difficultyWindow();
        activate(f1);
        key(Qt::Key_Tab); // from the level group to "Begin"
        key(Qt::Key_Space);
        unloadClosedWindows();
        Form2* w = windows.titrationWindow();
        activate(w);
        return w;
    }

    QTemporaryDir folder;
    DeclareVars vars;
    testing::ScriptedClock clock;
    testing::ScriptedRandom random{
        {0.1, 0.5, 0.5}, testing::ScriptedRandom::RepeatLast}; // Simple case 0: a strong acid
    WindowManager windows{vars, random, clock};
};

TEST_F(Keyboard, DifficultyWindowIsOneLevelGroupThenBegin) {
    Form1* f1 = windows.difficultyWindow();
    activate(f1);
    EXPECT_EQ(QApplication::focusWidget(), f1->Simple);
    // The three levels are one stop in the written order; the arrows choose among them.
    key(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), f1->Medium);
    EXPECT_TRUE(f1->Medium->isChecked());
    key(Qt::Key_Down);
    EXPECT_TRUE(f1->Complex->isChecked());
    key(Qt::Key_Up);
    EXPECT_TRUE(f1->Medium->isChecked());
    EXPECT_EQ(tabs(2), (QList<QWidget*>{f1->InitialStart, f1->Medium}));
}

TEST_F(Keyboard, TitrationWindowOpensOnTheFirstEnabledControl) {
    Form2* w = begin();
    EXPECT_FALSE(w->Drevant->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w->HScroll1);
}

TEST_F(Keyboard, TabFollowsTheWrittenOrderInEveryState) {
    Form2* w = begin();
    // Ready: the burette, "Export Data" and "Start Titration Over" are locked and skipped.
    EXPECT_EQ(tabs(7), (QList<QWidget*>{w->HScroll2, w->MessageBox, w->ShowData, w->DataGraph,
                                        w->Start, w->BeginAgain, w->HScroll1}));
    // Start from the keyboard: the focus goes to the burette, the first control now enabled.
    tabs(5);
    ASSERT_EQ(QApplication::focusWidget(), w->Start);
    key(Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), w->Drevant);
    EXPECT_EQ(tabs(7), (QList<QWidget*>{w->MessageBox, w->ShowData, w->DataGraph, w->ExportData,
                                        w->Restart, w->BeginAgain, w->Drevant}));
    // Shift+Tab goes back the same way.
    key(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), w->BeginAgain);
}

TEST_F(Keyboard, ExportDialogTabOrder) {
    Form2* w = begin();
    QTest::mouseClick(w->Start, Qt::LeftButton);
    QTest::mouseClick(w->ExportData, Qt::LeftButton);
    Form3* d = windows.exportDialog();
    ASSERT_NE(d, nullptr);
    activate(d);
    EXPECT_EQ(QApplication::focusWidget(), d->Dir1);
    EXPECT_EQ(tabs(6),
              (QList<QWidget*>{d->Drive1, d->File1, d->Text1, d->Save, d->CancelSave, d->Dir1}));
}

struct ScrollKey {
    const char* name;
    bool volume; // HScroll2, else HScroll1
    int key;
    int value;
    const char* label;
};

TEST_F(Keyboard, ScrollBarKeysStepAndRunTheChangeHandler) {
    // From the stored 250 (0.25 N) and 200 mL; the steps are SmallChange 1, LargeChange 10
    // (normality) and 100 (volume).
    const ScrollKey rows[] = {
        {"Right", false, Qt::Key_Right, 251, "0.251"},
        {"Up", false, Qt::Key_Up, 252, "0.252"},
        {"Left", false, Qt::Key_Left, 251, "0.251"},
        {"Down", false, Qt::Key_Down, 250, "0.25"},
        {"PageUp", false, Qt::Key_PageUp, 260, "0.26"},
        {"PageDown", false, Qt::Key_PageDown, 250, "0.25"},
        {"Home", false, Qt::Key_Home, 1, "0.001"},
        {"LeftAtMin", false, Qt::Key_Left, 1, "0.001"},
        {"End", false, Qt::Key_End, 500, "0.5"},
        {"PageUpAtMax", false, Qt::Key_PageUp, 500, "0.5"},
        {"VolumePageUp", true, Qt::Key_PageUp, 300, "300"},
        {"VolumePageDown", true, Qt::Key_PageDown, 200, "200"},
        {"VolumeRight", true, Qt::Key_Right, 201, "201"},
        {"VolumeHome", true, Qt::Key_Home, 1, "1"},
        {"VolumeEnd", true, Qt::Key_End, 1000, "1000"},
    };
    Form2* w = begin();
    for (const ScrollKey& r : rows) {
        SCOPED_TRACE(r.name);
        SettingScrollBar* bar = r.volume ? w->HScroll2 : w->HScroll1;
        QLabel* label = r.volume ? w->Label5 : w->Label4;
        bar->setFocus();
        key(r.key);
        EXPECT_EQ(bar->value(), r.value);
        EXPECT_EQ(label->text(), r.label);
        EXPECT_EQ(bar->accessibleDescription(), r.label);
    }
    // "Start" reads what the keys chose.
    QTest::mouseClick(w->Start, Qt::LeftButton);
    EXPECT_EQ(vars.TitrantNormality, "0.5");
    EXPECT_DOUBLE_EQ(vars.SampleVolumeL, 1.0);
}

TEST_F(Keyboard, FocusLeavesLockedControlsForTheFirstEnabledOne) {
    Form2* w = begin();
    // "Show Data" before Start meets the end and locks itself.
    w->ShowData->setFocus();
    key(Qt::Key_Space);
    EXPECT_FALSE(w->ShowData->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w->HScroll1);
    w->Start->setFocus();
    key(Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), w->Drevant);
    // The refused press locks the burette: the focus goes to the panel that says why.
    QTest::keyPress(w->Drevant, Qt::Key_Space);
    clock.now += 20.5;
    QTest::keyRelease(w->Drevant, Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([w] { return !w->Drevant->isHeld(); }, 5000));
    EXPECT_FALSE(w->Drevant->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w->MessageBox);
    EXPECT_EQ(w->MessageBox->printedText(), "Burette Empty, Try Again!!");
}

// Space as X11 sends it: a held key repeats as release and press pairs that share one
// timestamp, which Qt flags as repeats only when the press had arrived in time. Whatever the
// flags say, the timestamps tell a repeat (one press, measured to the real release) from a
// new keystroke (a press of its own, however soon it follows).
struct SpaceScript {
    const char* name;
    // Each step: 'P' press or 'R' release, its server time (ms), and Qt's repeat flag.
    struct Step {
        char kind;
        unsigned long ms;
        bool flagged;
    };
    std::vector<Step> steps;
    std::vector<double> loggedMl; // volumes logged from point 2 on
};

class SpaceKeystrokes : public Keyboard, public ::testing::WithParamInterface<SpaceScript> {};

void PrintTo(const SpaceScript& script, std::ostream* out) {
    *out << script.name;
}

TEST_P(SpaceKeystrokes, RepeatsContinueAPressAndKeystrokesStartOne) {
    Form2* w = begin();
    w->Drevant->setReleaseGraceMs(XcbRepeatWaitMs); // as on X11
    QTest::mouseClick(w->Start, Qt::LeftButton);
    w->Drevant->setFocus();
    const double start = clock.now;
    for (const SpaceScript::Step& step : GetParam().steps) {
        clock.now = start + step.ms / 1000.0;
        QKeyEvent event(step.kind == 'P' ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Space,
                        Qt::NoModifier, QStringLiteral(" "), step.flagged);
        event.setTimestamp(step.ms);
        QApplication::sendEvent(w->Drevant, &event);
    }
    clock.now += 5; // long after the last release, as tests go: it is measured to the release
    ASSERT_TRUE(QTest::qWaitFor([w] { return !w->Drevant->isHeld(); }, 5000));
    const std::vector<double>& expected = GetParam().loggedMl;
    EXPECT_EQ(w->bench().state().PointIndex, 1 + int(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(vars.VolLog[int(i) + 2].number().toDouble() * 1000, expected[i], 0.01) << i;
}

std::vector<SpaceScript::Step> heldSpace(unsigned long from, unsigned long until, int flagEvery) {
    std::vector<SpaceScript::Step> steps{{'P', from, false}};
    int n = 0;
    for (unsigned long t = from + 500; t < until; t += 40, ++n) {
        const bool flagged = flagEvery > 0 && n % flagEvery != 0;
        steps.push_back({'R', t, flagged});
        steps.push_back({'P', t, flagged});
    }
    steps.push_back({'R', until, false});
    return steps;
}

std::vector<SpaceScript::Step> concat(std::vector<SpaceScript::Step> a,
                                      const std::vector<SpaceScript::Step>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, SpaceKeystrokes,
    ::testing::Values(
        SpaceScript{"HeldRepeatsNoneFlagged", heldSpace(0, 2000, 0), {2.0}},
        SpaceScript{"HeldRepeatsTwoInThreeFlagged", heldSpace(0, 2000, 3), {2.0}},
        // two taps whose second press comes 1 ms, then 99 ms, after the first release:
        // inside the wait for a repeat, yet a keystroke of its own
        SpaceScript{"TapsOneMsApart",
                    {{'P', 0, false}, {'R', 30, false}, {'P', 31, false}, {'R', 60, false}},
                    {0.1, 0.2}},
        SpaceScript{"TapsJustInsideTheWait",
                    {{'P', 0, false}, {'R', 30, false}, {'P', 129, false}, {'R', 160, false}},
                    {0.1, 0.2}},
        SpaceScript{"TapsAfterTheWait",
                    {{'P', 0, false}, {'R', 30, false}, {'P', 400, false}, {'R', 430, false}},
                    {0.1, 0.2}},
        SpaceScript{"TapThenHold",
                    concat({{'P', 0, false}, {'R', 30, false}}, heldSpace(80, 1580, 0)),
                    {0.1, 1.6}},
        SpaceScript{"HoldThenTap",
                    concat(heldSpace(0, 1000, 0), {{'P', 1050, false}, {'R', 1080, false}}),
                    {1.0, 1.1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Keyboard, MousePressAfterAHeldSpaceIsMeasuredFromItsOwnTime) {
    Form2* w = begin();
    w->Drevant->setReleaseGraceMs(XcbRepeatWaitMs);
    QTest::mouseClick(w->Start, Qt::LeftButton);
    w->Drevant->setFocus();
    QTest::keyPress(w->Drevant, Qt::Key_Space);
    clock.now += 2;
    QTest::keyRelease(w->Drevant, Qt::Key_Space);
    clock.now += 5;
    ASSERT_TRUE(QTest::qWaitFor([w] { return !w->Drevant->isHeld(); }, 5000));
    QTest::mousePress(w->Drevant, Qt::LeftButton);
    clock.now += 1;
    QTest::mouseRelease(w->Drevant, Qt::LeftButton);
    EXPECT_NEAR(vars.VolLog[2].number().toDouble(), 0.002, 1e-6);
    EXPECT_NEAR(vars.VolLog[3].number().toDouble(), 0.003, 1e-6);
}

TEST_F(Keyboard, FocusIsVisibleOnEveryControlThatTakesIt) {
    Form2* w = begin();
    QTest::mouseClick(w->Start, Qt::LeftButton);
    QTest::mouseClick(w->Restart, Qt::LeftButton); // Ready again: the scroll bars enabled
    const QColor highlight = w->palette().color(QPalette::Highlight);
    for (QWidget* control : QList<QWidget*>{w->HScroll1, w->MessageBox, w->DataGraph}) {
        SCOPED_TRACE(control->accessibleName().toStdString());
        w->ShowData->setFocus();
        const QImage unfocused = control->grab().toImage();
        control->setFocus();
        const QImage focused = control->grab().toImage();
        EXPECT_NE(focused, unfocused);
        // the frame in the highlight colour along the edge
        EXPECT_EQ(focused.pixelColor(1, focused.height() / 2), highlight);
        EXPECT_EQ(focused.pixelColor(focused.width() / 2, 1), highlight);
    }
    QTest::mouseClick(w->Start, Qt::LeftButton);
    w->ShowData->setFocus();
    const QImage unfocused = w->Drevant->grab().toImage();
    w->Drevant->setFocus();
    EXPECT_NE(w->Drevant->grab().toImage(), unfocused);
}

} // namespace
} // namespace drevant
