// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/curveplot.h"
#include "support/gtestscriptedrandom.h"
#include "support/scriptedclock.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/retainedsurface.h"
#include "ui/windowmanager.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace drevant {
namespace {

void unloadClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The whole program with a scripted clock and random generator, driven through its widgets.
class Program : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        applyApplicationStyle(*qApp);
        clock.now = 36000;
        windows.start();
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    Form2* begin(QRadioButton* Form1::*level = &Form1::Simple) {
        Form1* f1 = windows.difficultyWindow();
        EXPECT_NE(f1, nullptr);
        QTest::mouseClick(f1->*level, Qt::LeftButton);
        QTest::mouseClick(f1->InitialStart, Qt::LeftButton);
        unloadClosedWindows();
        return windows.titrationWindow();
    }

    void press(Form2* w, double seconds, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(w->Drevant, button);
        clock.now += seconds;
        QTest::mouseRelease(w->Drevant, button);
    }

    struct Row {
        bool start, drevant, restart, exportData, scrollBars, beginAgain;
    };
    static void expectState(Form2* w, Row r, const char* state) {
        SCOPED_TRACE(state);
        EXPECT_EQ(w->Start->isEnabled(), r.start);
        EXPECT_EQ(w->Drevant->isEnabled(), r.drevant);
        EXPECT_EQ(w->Restart->isEnabled(), r.restart);
        EXPECT_EQ(w->ExportData->isEnabled(), r.exportData);
        EXPECT_EQ(w->HScroll1->isEnabled(), r.scrollBars);
        EXPECT_EQ(w->HScroll2->isEnabled(), r.scrollBars);
        EXPECT_EQ(w->BeginAgain->isEnabled(), r.beginAgain);
    }
    static constexpr Row Ready{true, false, false, false, true, true};
    static constexpr Row Running{false, true, true, true, false, true};
    static constexpr Row Stopped{false, false, true, true, false, true};

    DeclareVars vars;
    testing::ScriptedClock clock;
    // Simple case 0 (strong acid), then its concentration and constant
    testing::ScriptedRandom random{{0.1, 0.5, 0.5}, testing::ScriptedRandom::RepeatLast};
    WindowManager windows{vars, random, clock};
};

TEST_F(Program, StartsAtTheDifficultyWindowAsLaidOut) {
    Form1* f1 = windows.difficultyWindow();
    ASSERT_NE(f1, nullptr);
    EXPECT_TRUE(f1->isVisible());
    EXPECT_EQ(f1->windowTitle(), "Choose a titration");
    EXPECT_EQ(f1->size(), QSize(175, 140)); // 2625 x 2100 twips
    EXPECT_TRUE(f1->Simple->isChecked());
    EXPECT_EQ(f1->Simple->geometry(), QRect(0, 8, 153, 25));
    EXPECT_EQ(f1->InitialStart->geometry(), QRect(0, 96, 161, 25));
    EXPECT_EQ(f1->InitialStart->text(), "Begin");
    QTest::mouseClick(f1->Complex, Qt::LeftButton);
    EXPECT_TRUE(f1->Complex->isChecked());
    EXPECT_FALSE(f1->Simple->isChecked()); // one group: exactly one selected
}

TEST_F(Program, BeginHandsOverToTheTitrationWindowInReady) {
    Form2* w = begin();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(windows.difficultyWindow(), nullptr); // unloaded
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isEnabled());
    EXPECT_EQ(w->windowTitle(), "Drevant");
    EXPECT_EQ(w->size(), QSize(549, 562)); // 8235 x 8430 twips
    EXPECT_EQ(w->Drevant->geometry(), QRect(344, 24, 193, 537));
    EXPECT_EQ(w->DataGraph->geometry(), QRect(8, 224, 333, 333));
    EXPECT_EQ(w->MessageBox->geometry(), QRect(16, 80, 193, 121));
    EXPECT_EQ(vars.SystemCode, "A");
    expectState(w, Ready, "Ready after load");
    EXPECT_TRUE(w->ShowData->isEnabled());
    EXPECT_EQ(w->ShowData->text(), "Show Data");
    EXPECT_EQ(w->Label4->text(), "0.25");
    EXPECT_EQ(w->Label5->text(), "200");
}

TEST_F(Program, StatesFollowTheTableThroughRealClicks) {
    Form2* w = begin();
    QTest::mouseClick(w->Start, Qt::LeftButton);
    expectState(w, Running, "Running after Start");
    for (int i = 0; i < 4; ++i)
        press(w, 5.0);
    expectState(w, Running, "Running after 20 s");
    press(w, 0.5);
    expectState(w, Stopped, "Stopped after the refused press");
    QTest::mouseClick(w->Restart, Qt::LeftButton);
    expectState(w, Ready, "Ready after Start Titration Over");
    QTest::mouseClick(w->Start, Qt::LeftButton);
    expectState(w, Running, "Running again");
}

TEST_F(Program, ShowDataFollowsItsOwnTable) {
    Form2* w = begin();
    QTest::mouseClick(w->ShowData, Qt::LeftButton); // before Start: header and end
    EXPECT_FALSE(w->ShowData->isEnabled());
    EXPECT_EQ(w->ShowData->text(), "Show More Data");
    QTest::mouseClick(w->Start, Qt::LeftButton);
    EXPECT_TRUE(w->ShowData->isEnabled());
    EXPECT_EQ(w->ShowData->text(), "Show Data");
    for (int i = 0; i < 8; ++i)
        press(w, 0.5);
    QTest::mouseClick(w->ShowData, Qt::LeftButton); // points 1-7
    EXPECT_TRUE(w->ShowData->isEnabled());
    EXPECT_EQ(w->ShowData->text(), "Show More Data");
    QTest::mouseClick(w->ShowData, Qt::LeftButton); // points 8-9, end
    EXPECT_FALSE(w->ShowData->isEnabled());
    QTest::mousePress(w->Drevant, Qt::LeftButton); // a press resets the pager
    EXPECT_TRUE(w->ShowData->isEnabled());
    EXPECT_EQ(w->ShowData->text(), "Show Data");
    clock.now += 1;
    QTest::mouseRelease(w->Drevant, Qt::LeftButton);
    QTest::mouseClick(w->Restart, Qt::LeftButton);
    EXPECT_EQ(w->ShowData->text(), "Show Data");
    EXPECT_TRUE(w->ShowData->isEnabled()); // left as it was
}

TEST_F(Program, AnyMouseButtonAndTheSpaceBarDeliver) {
    Form2* w = begin();
    QTest::mouseClick(w->Start, Qt::LeftButton);
    press(w, 1.0, Qt::LeftButton);
    press(w, 1.0, Qt::RightButton);
    press(w, 1.0, Qt::MiddleButton);
    w->Drevant->setFocus();
    QTest::keyPress(w->Drevant, Qt::Key_Space);
    clock.now += 1.0;
    QTest::keyRelease(w->Drevant, Qt::Key_Space);
    EXPECT_EQ(w->bench().state().PointIndex, 5);
    EXPECT_NEAR(vars.VolLog[5].number().toDouble(), 0.004, 1e-6);
}

TEST_F(Program, MarkersLandAtTheComputedPixels) {
    Form2* w = begin();
    QTest::mouseClick(w->Start, Qt::LeftButton);
    press(w, 10.0);
    const QImage image = w->DataGraph->image();
    const QColor background = w->DataGraph->palette().color(QPalette::Base);
    for (int i : {1, 2}) {
        const MarkerPosition p =
            markerPosition(vars.VolLog[i].number().toDouble(), vars.PhLog[i].number().toDouble());
        // the marker is a circle of radius 30 twips (2 px): its top lies 2 px above the centre
        const QPoint centre(p.x / 15, p.y / 15);
        bool inked = false;
        for (int dx = -1; dx <= 1; ++dx)
            inked = inked || image.pixelColor(centre + QPoint(dx, -2)) != background;
        EXPECT_TRUE(inked) << "point " << i;
    }
}

TEST_F(Program, DrawingsSurviveHidingAndShowing) {
    Form2* w = begin();
    QTest::mouseClick(w->Start, Qt::LeftButton);
    press(w, 3.0);
    const QImage before = w->MessageBox->grab().toImage();
    w->showMinimized();
    w->hide();
    w->showNormal();
    EXPECT_EQ(w->MessageBox->grab().toImage(), before);
}

TEST_F(Program, BeginAgainComesBackAtSimpleAndStoredValues) {
    Form2* w = begin(&Form1::Complex);
    QTest::mouseClick(w->HScroll1, Qt::LeftButton, {}, QPoint(w->HScroll1->width() - 3, 5));
    EXPECT_NE(w->Label4->text(), "0.25");
    QTest::mouseClick(w->BeginAgain, Qt::LeftButton);
    unloadClosedWindows();
    EXPECT_EQ(windows.titrationWindow(), nullptr);
    Form1* f1 = windows.difficultyWindow();
    ASSERT_NE(f1, nullptr);
    EXPECT_TRUE(f1->Simple->isChecked());
    for (const Number& n : vars.SampleParams)
        EXPECT_TRUE(n.identicalTo(Number::integer(0)));
    random.script({0.9, 0.5, 0.5, 0.5}); // Simple case 2: the diprotic acid
    QTest::mouseClick(f1->InitialStart, Qt::LeftButton);
    unloadClosedWindows();
    Form2* again = windows.titrationWindow();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(vars.SystemCode, "B");
    EXPECT_EQ(again->HScroll1->value(), 250);
    EXPECT_EQ(again->HScroll2->value(), 200);
    EXPECT_EQ(again->Label4->text(), "0.25");
    EXPECT_FALSE(again->Drevant->isEnabled());
}

TEST_F(Program, ClosingAWindowFromItsTitleBarEndsTheProgram) {
    QSignalSpy quit(&windows, &WindowManager::quitRequested);
    windows.difficultyWindow()->close();
    EXPECT_EQ(quit.count(), 1);
    windows.openDifficultyWindow();
    Form2* w = begin();
    w->close();
    EXPECT_EQ(quit.count(), 2);
}

TEST_F(Program, ScrollBarsStepAsLaidOut) {
    Form2* w = begin();
    struct Row {
        QAbstractSlider::SliderAction action;
        int normality;
        const char* label4;
    };
    for (const Row r : {Row{QAbstractSlider::SliderSingleStepAdd, 251, "0.251"},
                        Row{QAbstractSlider::SliderPageStepAdd, 261, "0.261"},
                        Row{QAbstractSlider::SliderToMinimum, 1, "0.001"},
                        Row{QAbstractSlider::SliderToMaximum, 500, "0.5"}}) {
        w->HScroll1->triggerAction(r.action);
        EXPECT_EQ(w->HScroll1->value(), r.normality);
        EXPECT_EQ(w->Label4->text(), r.label4);
    }
    w->HScroll2->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(w->Label5->text(), "300");
    QTest::mouseClick(w->Start, Qt::LeftButton);
    EXPECT_EQ(vars.TitrantNormality, "0.5");
    EXPECT_DOUBLE_EQ(vars.SampleVolumeL, 0.3);
}

TEST_F(Program, CommaLocaleLabelsAndReports) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Form2* w = begin();
    EXPECT_EQ(w->Label4->text(), "0,25");
    QTest::mouseClick(w->Start, Qt::LeftButton);
    EXPECT_EQ(vars.TitrantNormality, "0,25");
    press(w, 1.0);
    EXPECT_GT(vars.PhLog[2].number().toDouble(), vars.PhLog[1].number().toDouble());
}

// The longest panel contents stay inside the panel: three warning lines and a five-line
// report with a seven-significant-digit burette reading, and a full data page.
TEST_F(Program, LongestPanelContentsFit) {
    Form2* w = begin();
    w->HScroll2->setValue(20); // 20 mL sample: the warning shows from 2.3 mL
    QTest::mouseClick(w->Start, Qt::LeftButton);
    press(w, 19.99999);
    const RetainedSurface& panel = *w->MessageBox;
    EXPECT_LE(panel.currentY(), panel.height() * 15.0);
    // the widest line: the burette reading after the label, at the third zone
    const QFontMetricsF fm(panel.surfaceFont());
    const double valueX = 28 * fm.averageCharWidth();
    EXPECT_LE(fm.horizontalAdvance("Current Burrette Value (mL) "), valueX);
    EXPECT_LE(valueX + fm.horizontalAdvance(" 19.99999 "), panel.width());
    EXPECT_LE(fm.horizontalAdvance("This is not good laboratory practice!"), panel.width());
    EXPECT_LE(8 * fm.height(), panel.height());
    EXPECT_LE(9 * fm.height(), panel.height()); // header, seven rows, "End of data"
}

} // namespace
} // namespace drevant
