// SPDX-License-Identifier: GPL-3.0-or-later
// The burette's level: which picture row is which mL, how full the beaker is drawn, and the
// level shown through presses, releases, refusals and resets of a real bench.
#include "forms/burettelevel.h"

#include "support/gtestscriptedrandom.h"
#include "support/recordinghost.h"
#include "support/recordingsurface.h"
#include "support/scriptedclock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace drevant {
namespace {

struct RowCase {
    double deliveredMl;
    double row; // in the picture: 0 mark on row 50, 15 rows per mL, last mark (20 mL) on 350
};

class MeniscusRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(MeniscusRowTest, SitsOnTheGraduations) {
    const RowCase c = GetParam();
    EXPECT_DOUBLE_EQ(meniscusRow(BuretteTubeScale, c.deliveredMl), c.row);
}

INSTANTIATE_TEST_SUITE_P(Volumes, MeniscusRowTest,
                         ::testing::Values(RowCase{0, 50}, RowCase{0.1, 51.5}, RowCase{10, 200},
                                           RowCase{19.9, 348.5}, RowCase{20, 350},
                                           // never above the 0 mark nor below the last one
                                           RowCase{-3, 50}, RowCase{20.4, 350}));

struct FillCase {
    double sampleMl, titrantMl, fill;
};

class BeakerFillTest : public ::testing::TestWithParam<FillCase> {};

TEST_P(BeakerFillTest, RisesWithSamplePlusTitrant) {
    const FillCase c = GetParam();
    EXPECT_NEAR(beakerFill(c.sampleMl, c.titrantMl), c.fill, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Volumes, BeakerFillTest,
                         ::testing::Values(FillCase{200, 0, 0.4}, FillCase{200, 20, 0.44},
                                           FillCase{50, 20, 0.56}, FillCase{1000, 20, 0.408},
                                           FillCase{10, 20, 0.85}, // capped below the rim
                                           FillCase{1, 0.1, 0.44}, FillCase{0, 5, 0.4}));

// A small sample gains more than a large one for the same titrant; more titrant never lowers
// the solution; nothing overflows.
TEST(BeakerFill, SmallSamplesGainMoreAndNothingOverflows) {
    for (int sample = 1; sample <= 1000; sample += 7)
        for (int tenths = 0; tenths <= 200; tenths += 5) {
            const double titrant = tenths / 10.0;
            const double fill = beakerFill(sample, titrant);
            ASSERT_LE(fill, BeakerMaxFill);
            ASSERT_GE(fill, BeakerStartFill);
            ASSERT_LE(beakerFill(sample, titrant - 0.5), fill);
            const double gain = fill - BeakerStartFill;
            const double largerGain = beakerFill(sample + 7, titrant) - BeakerStartFill;
            ASSERT_GE(gain, largerGain) << sample << " mL, " << titrant << " mL";
            if (titrant > 0 && fill < BeakerMaxFill) {
                ASSERT_GT(gain, largerGain);
            }
        }
}

// A bench on a strong-acid sample with a scripted clock, and the level following it.
class Level : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        zeroSampleParams(vars);
        vars.SampleParams[Acid1Conc] = Number::real(0.01);
        vars.SystemCode = "A";
        clock.now = 50000;
        run([this] { bench.Form_Load(); });
    }
    template <typename Handler> void run(Handler handler) {
        handler();
        level.follow(bench);
    }
    void press(double seconds) {
        run([this] { bench.Drevant_MouseDown(); });
        clock.now += seconds;
        run([this] { bench.Drevant_MouseUp(); });
    }
    double reading() const { return (bench.state().DeliveredL * Number::integer(1000)).toDouble(); }

    DeclareVars vars;
    testing::ScriptedClock clock;
    testing::RecordingSurface panel;
    testing::RecordingSurface graph;
    testing::RecordingHost host;
    TitrationBench bench{vars, clock, panel, graph, host};
    BuretteLevel level{clock};
};

// Frames of a held press, every 1/60 s: the column shows what a release at that moment would
// deliver (the minimum press at first), falls at 1 mL/s, never rises, and the
// release settles it exactly on the burette reading the release reports.
class HeldPressTest : public Level, public ::testing::WithParamInterface<double> {};

TEST_P(HeldPressTest, FramesFallSteadilyAndEndAtTheRelease) {
    const double seconds = GetParam();
    run([this] { bench.Start_Click(); });
    press(2.5);
    const double before = level.shownMl();
    ASSERT_DOUBLE_EQ(before, reading());

    run([this] { bench.Drevant_MouseDown(); });
    const BenchState pressed = bench.state();
    std::vector<double> frames{level.shownMl()};
    const double start = clock.now;
    while (clock.now + 1.0 / 60 < start + seconds) {
        clock.now += 1.0 / 60;
        frames.push_back(level.shownMl());
        // 1 mL/s, and never less than the minimum press a release would deliver
        ASSERT_NEAR(frames.back(), before + std::max(0.1, clock.now - start), 0.005);
    }
    // Drawing the frames changed nothing of the titration.
    EXPECT_TRUE(bench.state().PressTime.identicalTo(pressed.PressTime));
    EXPECT_TRUE(bench.state().DeliveredL.identicalTo(pressed.DeliveredL));
    EXPECT_EQ(bench.state().PointIndex, pressed.PointIndex);
    clock.now = start + seconds;
    run([this] { bench.Drevant_MouseUp(); });
    frames.push_back(level.shownMl());

    EXPECT_DOUBLE_EQ(frames.front(), before + 0.1) << "a release now would deliver 0.1 mL";
    EXPECT_EQ(frames.back(), reading()) << "settles exactly on the release's volume";
    for (std::size_t i = 1; i < frames.size(); ++i)
        ASSERT_GE(frames[i], frames[i - 1]) << "frame " << i;
    EXPECT_FALSE(level.isDraining());
}

// A tap (raised to the 0.1 s minimum), short and long presses.
INSTANTIATE_TEST_SUITE_P(Durations, HeldPressTest, ::testing::Values(0.03, 0.1, 0.75, 3.7, 14.3));

TEST_F(Level, FullAtLoadStartAndRestartAndAfterEachAcceptedRelease) {
    EXPECT_EQ(level.shownMl(), 0) << "load";
    run([this] { bench.Start_Click(); });
    EXPECT_EQ(level.shownMl(), 0) << "Start";
    press(0.02);
    EXPECT_NEAR(level.shownMl(), 0.1, 1e-6) << "a tap shows the 0.1 mL step";
    press(14.2);
    EXPECT_NEAR(level.shownMl(), 14.3, 5e-3); // the clock is read in single precision
    EXPECT_EQ(level.shownMl(), reading());
    run([this] { bench.Restart_Click(); });
    EXPECT_EQ(level.shownMl(), 0) << "Start Titration Over";
    run([this] { bench.Start_Click(); });
    press(3);
    EXPECT_EQ(level.shownMl(), reading());
}

// A press that would over-draw the burette: while held the column stops at the last mark;
// refused, it delivers nothing and the burette shows what it held before the press.
TEST_F(Level, RefusedPressKeepsTheLevelBeforeIt) {
    run([this] { bench.Start_Click(); });
    press(12.5);
    const double before = level.shownMl();
    run([this] { bench.Drevant_MouseDown(); });
    clock.now += 7.4;
    EXPECT_NEAR(level.shownMl(), before + 7.4, 5e-3);
    clock.now += 3;
    EXPECT_EQ(level.shownMl(), 20) << "empty at the last mark, no further";
    run([this] { bench.Drevant_MouseUp(); });
    ASSERT_FALSE(bench.controls().drevantEnabled) << "the press was refused";
    EXPECT_EQ(level.shownMl(), before);
    run([this] { bench.Drevant_MouseDown(); }); // a locked burette takes no press
    clock.now += 5;
    EXPECT_EQ(level.shownMl(), before);
    run([this] { bench.Restart_Click(); });
    EXPECT_EQ(level.shownMl(), 0);
}

// The presses add up to exactly 20 mL: accepted, and the burette stands at the last mark.
TEST_F(Level, EmptiedToTheLastMark) {
    run([this] { bench.Start_Click(); });
    for (int i = 0; i < 4; ++i)
        press(5);
    ASSERT_TRUE(bench.controls().drevantEnabled);
    EXPECT_NEAR(level.shownMl(), 20, 1e-4);
    EXPECT_EQ(level.shownMl(), reading());
}

struct ClockRow {
    const char* row;
    double pressedAt, now; // clock readings, seconds since midnight
    double shownMl;        // while held at `now`, and after a release then
    bool refused;
};
void PrintTo(const ClockRow& row, std::ostream* out) {
    *out << row.row;
}

class HeldWhileTheClockJumps : public Level, public ::testing::WithParamInterface<ClockRow> {};

// The picture of a held press follows the delivery's rule for its duration, so it shows what
// the release then delivers: a negative duration (across midnight, a clock set back) as the
// minimum; a clock set back across midnight just after it (pressed at 00:00:00.3) reads
// nearly a day, which empties the burette, and the release is refused.
TEST_P(HeldWhileTheClockJumps, ShowsWhatTheReleaseDelivers) {
    const ClockRow row = GetParam();
    run([this] { bench.Start_Click(); });
    clock.now = row.pressedAt;
    run([this] { bench.Drevant_MouseDown(); });
    clock.now = row.now;
    EXPECT_NEAR(level.shownMl(), row.shownMl, 0.01);
    run([this] { bench.Drevant_MouseUp(); });
    EXPECT_EQ(!bench.controls().drevantEnabled, row.refused);
    EXPECT_NEAR(level.shownMl(), row.refused ? 0.0 : row.shownMl, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, HeldWhileTheClockJumps,
    ::testing::Values(ClockRow{"twoSeconds", 100, 102, 2.0, false},
                      ClockRow{"justOverTheMinimum", 100, 100.125, 0.125, false},
                      ClockRow{"underTheMinimum", 100, 100.05, 0.1, false},
                      ClockRow{"acrossMidnight", 86399.5, 0.25, 0.1, false},
                      ClockRow{"setBackASecond", 40000, 39999.5, 0.1, false},
                      ClockRow{"setBackAcrossMidnight", 0.3, 86399.8, 20.0, true}),
    [](const auto& info) { return std::string(info.param.row); });

} // namespace
} // namespace drevant
