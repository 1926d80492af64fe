// SPDX-License-Identifier: GPL-3.0-or-later
// The draining burette: the pictures read against their own graduations, and the level the
// titration window's burette shows through presses, held frames, refusals and resets.
#include "session/declarevars.h"
#include "support/gtestscriptedrandom.h"
#include "support/recordinghost.h"
#include "support/scriptedclock.h"
#include "ui/applicationstyle.h"
#include "ui/burettebutton.h"
#include "ui/burettedrain.h"
#include "ui/buretteframes.h"
#include "ui/burettepictures.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/retainedsurface.h"
#include "ui/windowmanager.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace drevant {
namespace {

bool isBlue(QRgb c) {
    return qBlue(c) > qRed(c) + 50 && qBlue(c) > qGreen(c) + 15;
}

// --- The pictures against their graduations ------------------------------------------------

constexpr int Zoom = 3; // pictures drawn three times their size, to read them finely

QImage zoomed(BuretteView view, const BuretteFill& fill) {
    return buretteImage(view, fill, buretteImageSize(view) * Zoom);
}

// Centres, in the picture's own rows, of the runs of rows in [fromRow, toRow) where `hit` holds
// in the column x (picture pixels).
template <typename Hit>
std::vector<double> runCentres(const QImage& image, double x, double fromRow, double toRow,
                               Hit hit) {
    std::vector<double> centres;
    const int column = int(std::lround(x * Zoom));
    int runStart = -1;
    for (int y = int(fromRow * Zoom); y <= int(toRow * Zoom); ++y) {
        const bool on = y < int(toRow * Zoom) && hit(image.pixel(column, y));
        if (on && runStart < 0)
            runStart = y;
        if (!on && runStart >= 0) {
            centres.push_back((runStart + y - 1) / 2.0 / Zoom + 0.5 / Zoom);
            runStart = -1;
        }
    }
    return centres;
}

bool markInk(QRgb c) {
    return qGray(c) < 100 && !isBlue(c);
}

// The graduation marks as drawn, read down a column just inside the tube's left wall that
// every mark crosses: the marks above the last one on the clear glass of an empty burette, the
// last one through the titrant of a full one.
std::vector<double> graduationRows(BuretteView view) {
    const double x = buretteAxisX(view) - 9;
    std::vector<double> rows = runCentres(zoomed(view, {20, BeakerStartFill}), x, 40, 345, markInk);
    const std::vector<double> last =
        runCentres(zoomed(view, {0, BeakerStartFill}), x, 345, 356, markInk);
    rows.insert(rows.end(), last.begin(), last.end());
    return rows;
}

// The mL that a student reads at a row: between the two marks around it (0.5 mL apart).
double readAt(const std::vector<double>& marks, double row) {
    std::size_t k = 0;
    while (k + 2 < marks.size() && marks[k + 1] < row)
        ++k;
    return 0.5 * (k + (row - marks[k]) / (marks[k + 1] - marks[k]));
}

// The middle of the meniscus's dark band, a little right of the axis where only the 5 mL
// marks cross: the first dark blue run from the top of the tube.
double meniscusCentre(const QImage& image, BuretteView view) {
    const std::vector<double> runs = runCentres(image, buretteAxisX(view) + 4, 40, 380,
                                                [](QRgb c) { return isBlue(c) && qGray(c) < 90; });
    return runs.empty() ? -1 : runs.front();
}

class GraduationTest : public ::testing::TestWithParam<BuretteView> {};

// The marks lie where the level's rows put them: 0 mL on row 50, one every 7.5 rows.
TEST_P(GraduationTest, MarksLieOnTheLevelsRows) {
    const BuretteView view = GetParam();
    const std::vector<double> marks = graduationRows(view);
    ASSERT_EQ(marks.size(), 41u);
    const double top =
        (buretteImageSize(view).height() - buretteImageSize(BuretteView::Closed).height()) / 2;
    for (std::size_t k = 0; k < marks.size(); ++k)
        EXPECT_NEAR(marks[k] - top, meniscusRow(BuretteTubeScale, 0.5 * k), 0.5)
            << k * 0.5 << " mL";
}

INSTANTIATE_TEST_SUITE_P(Views, GraduationTest,
                         ::testing::Values(BuretteView::Closed, BuretteView::Dripping));

struct ReadingCase {
    BuretteView view;
    double deliveredMl;
};

class MeniscusReadingTest : public ::testing::TestWithParam<ReadingCase> {};

// Drawn in the button's 0.1 mL steps, the meniscus reads within 0.1 mL of the volume.
TEST_P(MeniscusReadingTest, ReadsTheDeliveredVolume) {
    const ReadingCase c = GetParam();
    static const std::vector<double> closedMarks = graduationRows(BuretteView::Closed);
    static const std::vector<double> drippingMarks = graduationRows(BuretteView::Dripping);
    const std::vector<double>& marks =
        c.view == BuretteView::Dripping ? drippingMarks : closedMarks;
    ASSERT_EQ(marks.size(), 41u);
    const BuretteFill shown = BuretteFrames::quantized({c.deliveredMl, BeakerStartFill});
    const double row = meniscusCentre(zoomed(c.view, shown), c.view);
    ASSERT_GT(row, 0) << "no meniscus";
    EXPECT_NEAR(readAt(marks, row), c.deliveredMl, 0.1);
}

INSTANTIATE_TEST_SUITE_P(
    Volumes, MeniscusReadingTest,
    ::testing::Values(ReadingCase{BuretteView::Closed, 0}, ReadingCase{BuretteView::Closed, 0.1},
                      ReadingCase{BuretteView::Closed, 2.37}, ReadingCase{BuretteView::Closed, 10},
                      ReadingCase{BuretteView::Closed, 14.33},
                      ReadingCase{BuretteView::Closed, 19.9}, ReadingCase{BuretteView::Closed, 20},
                      ReadingCase{BuretteView::ClosedCopy, 7.46},
                      ReadingCase{BuretteView::Dripping, 0.1},
                      ReadingCase{BuretteView::Dripping, 12.04},
                      ReadingCase{BuretteView::Dripping, 19.96}));

double blueFraction(const QImage& image, const QRect& area) {
    int blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            blue += isBlue(image.pixel(x, y));
    return double(blue) / std::max(1, area.width() * area.height());
}

// Titrant below the meniscus only; the beaker's solution up to its fill.
TEST(DrainedPictures, TitrantBelowTheMeniscusSolutionUpToTheFill) {
    for (const double ml : {0.0, 7.5, 16.0}) {
        SCOPED_TRACE(ml);
        const BuretteFill fill{ml, beakerFill(50, ml)};
        const QImage image = buretteImage(BuretteView::Closed, fill);
        const BuretteRegions r = buretteRegions(BuretteView::Closed, fill);
        EXPECT_GT(blueFraction(image, r.titrant), 0.85);
        EXPECT_GT(blueFraction(image, r.solution), 0.85);
        // The emptied tube above the meniscus is clear glass.
        const int top = int(meniscusRow(BuretteTubeScale, ml)) - 4;
        if (top > 44) {
            const QRect emptied(r.titrant.left(), 44, r.titrant.width(), top - 44);
            EXPECT_LT(blueFraction(image, emptied), 0.02);
        }
    }
    // The beaker's solution risen to the full fill is not there at the sample's own fill.
    const BuretteFill risen{16, BeakerMaxFill};
    const QRect solution = buretteRegions(BuretteView::Closed, risen).solution;
    const QRect gained(solution.left(), solution.top(), solution.width(),
                       buretteRegions(BuretteView::Closed, {}).solution.top() - 8 - solution.top());
    ASSERT_GT(gained.height(), 20);
    EXPECT_GT(blueFraction(buretteImage(BuretteView::Closed, risen), gained), 0.85);
    EXPECT_LT(blueFraction(closedBuretteImage(), gained), 0.1);
}

// --- The level in the titration window -----------------------------------------------------

class Drain : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        applyApplicationStyle(*qApp);
        clock.now = 36000;
        windows.start();
    }

    Form2* begin() {
        QTest::mouseClick(windows.difficultyWindow()->InitialStart, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return windows.titrationWindow();
    }
    void press(Form2* w, double seconds) {
        QTest::mousePress(w->Drevant, Qt::LeftButton);
        clock.now += seconds;
        QTest::mouseRelease(w->Drevant, Qt::LeftButton);
    }
    // The burette reading of the last release and the beaker at it, in the picture's steps.
    static BuretteFill expectedFill(Form2* w, double ml) {
        const double drawn = BuretteFrames::quantized({ml, BeakerStartFill}).deliveredMl;
        return BuretteFrames::quantized({drawn, beakerFill(w->Label5->text().toDouble(), drawn)});
    }
    static double reading(Form2* w) {
        return (w->bench().state().DeliveredL * Number::integer(1000)).toDouble();
    }
    static void expectShows(Form2* w, BuretteView view, double ml, const char* when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(w->Drevant->currentView(), view);
        EXPECT_EQ(w->Drevant->fill(), expectedFill(w, ml));
        EXPECT_EQ(w->Drevant->currentPicture(), buretteImage(view, expectedFill(w, ml)));
    }
    static void showFrame(Form2* w) {
        // What the frame timer does at each tick.
        QMetaObject::invokeMethod(const_cast<QTimer*>(&w->drain().frameTimer()), "timeout");
    }

    DeclareVars vars;
    testing::ScriptedClock clock;
    testing::ScriptedRandom random{{0.1, 0.5, 0.5}, testing::ScriptedRandom::RepeatLast};
    WindowManager windows{vars, random, clock};
};

TEST_F(Drain, EachStateShowsItsLevel) {
    Form2* w = begin();
    w->HScroll2->setValue(40); // a small sample: the beaker visibly rises
    expectShows(w, BuretteView::ClosedCopy, 0, "load: locked and full");
    QTest::mouseClick(w->Start, Qt::LeftButton);
    expectShows(w, BuretteView::Closed, 0, "Start: full");
    press(w, 6.2);
    expectShows(w, BuretteView::Closed, reading(w), "after an accepted release");
    EXPECT_NEAR(w->Drevant->fill().deliveredMl, 6.2, 1e-9);
    EXPECT_GT(w->Drevant->fill().beakerFill, BeakerStartFill + 0.05);
    press(w, 0.02);
    expectShows(w, BuretteView::Closed, reading(w), "after a tap");
    EXPECT_NEAR(w->Drevant->fill().deliveredMl, 6.3, 1e-9) << "the tap's 0.1 mL step";
    const double before = reading(w);
    press(w, 14.5);
    ASSERT_FALSE(w->Drevant->isEnabled()) << "refused";
    expectShows(w, BuretteView::ClosedCopy, before, "refused: locked at the level before");
    QTest::mouseClick(w->Restart, Qt::LeftButton);
    expectShows(w, BuretteView::ClosedCopy, 0, "Start Titration Over: full");
    QTest::mouseClick(w->Start, Qt::LeftButton);
    press(w, 4);
    QTest::mouseClick(w->BeginAgain, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Form2* again = begin();
    ASSERT_NE(again, nullptr);
    expectShows(again, BuretteView::ClosedCopy, 0, "a new window after Begin Again: full");
}

// While held the frames show the column falling at 1 mL/s, the dripping picture at each
// level; the release settles it on the release's reading. Nothing of the titration changes
// while the frames are drawn.
TEST_F(Drain, HeldFramesFallAndSettleOnTheRelease) {
    Form2* w = begin();
    QTest::mouseClick(w->Start, Qt::LeftButton);
    press(w, 2);
    EXPECT_FALSE(w->drain().frameTimer().isActive());
    QTest::mousePress(w->Drevant, Qt::LeftButton);
    ASSERT_TRUE(w->drain().frameTimer().isActive());
    const BenchState atPress = w->bench().state();
    const QImage panel = w->MessageBox->image();
    const double start = clock.now;
    std::vector<double> frames;
    for (int i = 1; i <= 95; ++i) {
        clock.now = start + i / 60.0;
        showFrame(w);
        frames.push_back(w->Drevant->fill().deliveredMl);
        ASSERT_EQ(w->Drevant->currentView(), BuretteView::Dripping);
        // in 0.1 mL steps, from the 0.1 mL that a release would deliver at once
        ASSERT_NEAR(frames.back(), 2 + std::max(0.1, i / 60.0), 0.06);
    }
    EXPECT_TRUE(w->bench().state().PressTime.identicalTo(atPress.PressTime));
    EXPECT_TRUE(w->bench().state().PressTotal.identicalTo(atPress.PressTotal));
    EXPECT_EQ(w->bench().state().PointIndex, atPress.PointIndex);
    EXPECT_EQ(w->MessageBox->image(), panel);
    clock.now = start + 1.6;
    QTest::mouseRelease(w->Drevant, Qt::LeftButton);
    frames.push_back(w->Drevant->fill().deliveredMl);
    for (std::size_t i = 1; i < frames.size(); ++i)
        ASSERT_GE(frames[i], frames[i - 1]) << "frame " << i;
    EXPECT_FALSE(w->drain().frameTimer().isActive());
    EXPECT_EQ(w->drain().level().shownMl(), reading(w)) << "exactly the release's volume";
    expectShows(w, BuretteView::Closed, reading(w), "after the release");
}

struct HoldRow {
    const char* row;
    double settledMl; // delivered before the press
    double heldS;     // held this long when the frame is drawn
    bool framesGoOn;
};
void PrintTo(const HoldRow& row, std::ostream* out) {
    *out << row.row;
}

class HeldTowardsEmpty : public Drain, public ::testing::WithParamInterface<HoldRow> {};

// The frame timer runs while the held column can still fall and stops once it stands at the
// last mark (20 mL): a burette held on past that wakes nobody. The release settles it as ever.
TEST_P(HeldTowardsEmpty, FramesStopOnceTheColumnReachesTheLastMark) {
    const HoldRow row = GetParam();
    Form2* w = begin();
    QTest::mouseClick(w->Start, Qt::LeftButton);
    if (row.settledMl > 0)
        press(w, row.settledMl);
    QTest::mousePress(w->Drevant, Qt::LeftButton);
    clock.now += row.heldS;
    showFrame(w);
    EXPECT_EQ(w->drain().frameTimer().isActive(), row.framesGoOn);
    EXPECT_EQ(w->Drevant->fill(), expectedFill(w, std::min(row.settledMl + row.heldS, 20.0)));
    clock.now += 1;
    QTest::mouseRelease(w->Drevant, Qt::LeftButton);
    EXPECT_FALSE(w->drain().frameTimer().isActive());
}

INSTANTIATE_TEST_SUITE_P(Holds, HeldTowardsEmpty,
                         ::testing::Values(HoldRow{"fullJustShort", 0, 19.95, true},
                                           HoldRow{"fullToTheMark", 0, 20, false},
                                           HoldRow{"fullPastTwentyFour", 0, 24.5, false},
                                           HoldRow{"halfJustShort", 12, 7.95, true},
                                           HoldRow{"halfToTheMark", 12, 8, false}),
                         [](const auto& info) { return std::string(info.param.row); });

// Pictures are drawn once per level: repaints at one level draw nothing new, and a held
// second draws one picture per 0.1 mL step.
TEST_F(Drain, PicturesAreDrawnOncePerLevel) {
    Form2* w = begin();
    QTest::mouseClick(w->Start, Qt::LeftButton);
    (void)w->Drevant->grab();
    const int drawn = w->Drevant->frames().drawnCount();
    (void)w->Drevant->grab();
    (void)w->Drevant->grab();
    EXPECT_EQ(w->Drevant->frames().drawnCount(), drawn);
    QTest::mousePress(w->Drevant, Qt::LeftButton);
    const double start = clock.now;
    for (int i = 0; i <= 60; ++i) {
        clock.now = start + i / 60.0;
        showFrame(w);
        (void)w->Drevant->grab();
    }
    EXPECT_LE(w->Drevant->frames().drawnCount() - drawn, 11);
    EXPECT_GE(w->Drevant->frames().drawnCount() - drawn, 10);
}

} // namespace
} // namespace drevant
