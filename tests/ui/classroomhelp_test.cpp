// SPDX-License-Identifier: GPL-3.0-or-later
// Help where a newcomer looks, and a save that keeps the student's name: the name box, Enter,
// the line saying where the file went, tooltips, F1, the locked burette and the curve's points.
#include "forms/curveplot.h"
#include "support/exportdialogfixtures.h"
#include "support/gtestscriptedrandom.h"
#include "support/scriptedclock.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/curvesurface.h"
#include "ui/filelist.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/helpwindow.h"
#include "ui/retainedsurface.h"
#include "ui/windowmanager.h"
#include "ui/windowscale.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>

#include <gtest/gtest.h>

namespace drevant {
namespace {

void unloadClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class Classroom : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        applyApplicationStyle(*qApp);
        windows.setExportLocations(places.locations());
        clock.now = 36000;
        windows.start();
        QTest::mouseClick(windows.difficultyWindow()->InitialStart, Qt::LeftButton);
        unloadClosedWindows();
        bench = windows.titrationWindow();
        ASSERT_NE(bench, nullptr);
    }
    void TearDown() override {
        QToolTip::hideText();
        windows.cancelExportDialog();
        windows.closeTitrationWindow();
        unloadClosedWindows();
        QLocale::setDefault(QLocale::c());
    }
    void titrate() {
        QTest::mouseClick(bench->Start, Qt::LeftButton);
        for (const double seconds : {2.0, 3.0}) {
            QTest::mousePress(bench->Drevant, Qt::LeftButton);
            clock.now += seconds;
            QTest::mouseRelease(bench->Drevant, Qt::LeftButton);
        }
    }

    testing::TwoVolumes places;
    DeclareVars vars;
    testing::ScriptedClock clock;
    testing::ScriptedRandom random{{0.1, 0.5, 0.5}, testing::ScriptedRandom::RepeatLast};
    WindowManager windows{vars, random, clock};
    Form2* bench = nullptr;
};

struct NameFocus {
    const char* name;
    bool byTab;
    const char* before;
    const char* typed;
    const char* after;
};

class NameBoxFocus : public Classroom, public ::testing::WithParamInterface<NameFocus> {};

// Tab or a click into the box while it holds the pattern selects it, so the name replaces it;
// a click into a name already typed edits it. Enter saves, and the panel says where.
TEST_P(NameBoxFocus, TypingReplacesThePatternAndEnterSaves) {
    const NameFocus& c = GetParam();
    titrate();
    QTest::mouseClick(bench->ExportData, Qt::LeftButton);
    Form3* dialog = windows.exportDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    QApplication::setActiveWindow(dialog);
    dialog->Text1->setText(QString::fromLatin1(c.before));
    if (c.byTab) {
        dialog->File1->setFocus();
        QTest::keyClick(dialog->File1, Qt::Key_Tab);
    } else {
        QTest::mouseClick(dialog->Text1, Qt::LeftButton, {}, QPoint(3, 5));
    }
    ASSERT_TRUE(dialog->Text1->hasFocus());
    QTest::keyClicks(dialog->Text1, QString::fromLatin1(c.typed));
    EXPECT_EQ(dialog->Text1->text(), QString::fromLatin1(c.after));
    const QString folder = dialog->dialog().folder();

    QTest::keyClick(dialog->Text1, Qt::Key_Return);

    const QString saved = withDefaultName(withDatExtension(QString::fromLatin1(c.after)));
    EXPECT_TRUE(QFile::exists(QDir(folder).filePath(saved))) << qPrintable(saved);
    EXPECT_EQ(windows.exportDialog(), nullptr);
    EXPECT_EQ(bench->MessageBox->printedLines(),
              QStringList{savedLine(saved, printablePath(folder))});
    QTest::mouseClick(bench->ShowData, Qt::LeftButton); // the next action clears it
    EXPECT_FALSE(bench->MessageBox->printedText().contains(saved));
}

INSTANTIATE_TEST_SUITE_P(
    Focus, NameBoxFocus,
    ::testing::Values(NameFocus{"TabOnPattern", true, "*.dat", "anna", "anna"},
                      NameFocus{"ClickOnPattern", false, "*.dat", "anna", "anna"},
                      // A click into any other text places the cursor where it points.
                      NameFocus{"ClickOnAName", false, "run", "7", "7run"},
                      NameFocus{"ClickOnMoreThanThePattern", false, "*.dat ", "x", "x*.dat "}),
    [](const auto& info) { return std::string(info.param.name); });

// Every control of every window tells what it is for.
TEST_F(Classroom, EveryControlHasATooltipAndF1OpensTheHelp) {
    QTest::mouseClick(bench->Start, Qt::LeftButton);
    QTest::mouseClick(bench->ExportData, Qt::LeftButton);
    windows.openDifficultyWindow();
    for (QWidget* window : std::initializer_list<QWidget*>{windows.difficultyWindow(), bench,
                                                           windows.exportDialog()}) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->parentWidget() != window)
                continue; // the parts inside a control
            SCOPED_TRACE(w->metaObject()->className());
            EXPECT_FALSE(w->toolTip().isEmpty()) << qPrintable(w->accessibleName());
        }
        window->show();
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, Qt::Key_F1);
        EXPECT_TRUE(HelpWindow::instance().isVisible());
        HelpWindow::instance().close();
        unloadClosedWindows();
    }
    const QString help = HelpWindow::instance().helpText();
    EXPECT_TRUE(help.contains(QStringLiteral(DREVANT_VERSION)));
    EXPECT_TRUE(help.contains(QStringLiteral("GNU General Public License")));
    EXPECT_TRUE(help.contains(QStringLiteral("Ctrl+Plus")));
    HelpWindow::instance().close();
    windows.closeDifficultyWindow();
}

// Before Start a press on the locked burette says to press Start first, beside it; the panel
// and the session stay as they were. After Start the burette takes the press itself.
TEST_F(Classroom, ThePressOnTheLockedBuretteSaysPressStartFirst) {
    bench->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(bench));
    const QStringList panel = bench->MessageBox->printedLines();
    QTest::mouseClick(bench, Qt::LeftButton, {}, bench->Drevant->geometry().center());
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), Form2::lockedBuretteTip());
    EXPECT_EQ(bench->MessageBox->printedLines(), panel);
    QToolTip::hideText();
    QTest::mouseClick(bench, Qt::LeftButton, {},
                      bench->ShowData->geometry().topLeft() - QPoint(0, 2));
    EXPECT_FALSE(QToolTip::isVisible() && QToolTip::text() == Form2::lockedBuretteTip());
}

// Hovering names the nearest point; the arrows walk the points; the picture is unchanged
// and the point is the graph's focused row for a screen reader.
TEST_F(Classroom, TheCurveNamesTheNearestPoint) {
    bench->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(bench));
    titrate();
    QLocale::setDefault(QLocale(QLocale::German));
    bench->DataGraph->setFocus();
    WindowScale::of(bench)->setFactor(1.5);
    CurveSurface* graph = bench->DataGraph;
    const QImage picture = graph->image();
    const QStringList rows = graph->spokenRows();
    ASSERT_EQ(rows.size(), 3);
    // The first key with no point shown yet: Home and End go to their ends, the arrows start
    // from the far end of their way.
    const std::pair<Qt::Key, int> firstKeys[] = {
        {Qt::Key_Home, 0}, {Qt::Key_End, 2}, {Qt::Key_Left, 2}, {Qt::Key_Right, 0}};
    for (const auto& [key, row] : firstKeys) {
        graph->showPoint(-1, {});
        QTest::keyClick(graph, key);
        EXPECT_EQ(graph->shownPoint(), row) << QKeySequence(key).toString().toStdString();
    }

    for (int point = 1; point <= 3; ++point) {
        const MarkerPosition m = markerPosition(vars.VolLog[point].number().toDouble(),
                                                vars.PhLog[point].number().toDouble());
        const QPoint near = (QPointF(m.x + 40, m.y - 30) * 1.5 / 15).toPoint();
        QTest::mouseMove(graph, near);
        SCOPED_TRACE(point);
        EXPECT_EQ(graph->shownPoint(), point - 1);
        EXPECT_EQ(QToolTip::text(), rows[point - 1]);
    }
    QTest::keyClick(graph, Qt::Key_Home);
    EXPECT_EQ(QToolTip::text(), rows[0]);
    QTest::keyClick(graph, Qt::Key_Right);
    EXPECT_EQ(graph->shownPoint(), 1);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(graph);
    EXPECT_TRUE(list->child(1)->state().focused);
    EXPECT_FALSE(list->child(0)->state().focused);
    QTest::keyClick(graph, Qt::Key_End);
    QTest::keyClick(graph, Qt::Key_Right);
    EXPECT_EQ(graph->shownPoint(), 2);
    EXPECT_EQ(graph->image(), picture);
}

// The help zooms like the other windows, with the keys pressed in its text, and by a resize:
// its text then flows anew in the whole window.
TEST(HelpWindowZoom, TheKeysAndAResizeZoomIt) {
    HelpWindow::open();
    HelpWindow& help = HelpWindow::instance();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    QApplication::setActiveWindow(&help);
    auto* text = help.findChild<QTextBrowser*>();
    ASSERT_NE(text, nullptr);
    text->setFocus();
    WindowScale* scale = WindowScale::of(&help);
    ASSERT_NE(scale, nullptr);
    const QSize at100 = help.size();
    const int fontAt100 = text->font().pixelSize();
    const std::pair<Qt::Key, double> keys[] = {
        {Qt::Key_Plus, 1.25}, {Qt::Key_Plus, 1.5}, {Qt::Key_Minus, 1.25}, {Qt::Key_0, 1.0}};
    for (const auto& [key, factor] : keys) {
        QTest::keyClick(text, key, Qt::ControlModifier);
        EXPECT_EQ(scale->factor(), factor) << QKeySequence(key).toString().toStdString();
        EXPECT_EQ(help.size(), scale->clientSize(factor));
        EXPECT_EQ(text->font().pixelSize(), std::lround(fontAt100 * factor));
    }
    EXPECT_LT(help.minimumSize().width(), help.maximumSize().width()); // resizable
    help.resize(at100 * 2);
    EXPECT_EQ(scale->factor(), 2.0);
    EXPECT_EQ(text->geometry(), help.rect()); // the text fills the window
    help.close();
}

} // namespace
} // namespace drevant
