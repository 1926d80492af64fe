// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gtestscriptedrandom.h"
#include "support/recordingsurface.h"
#include "support/scriptedclock.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace drevant {
namespace {

using testing::RecordingSurface;
using testing::ScriptedClock;
using testing::ScriptedRandom;

struct DrawCase {
    const char* name;
    std::vector<double> script;
    ScriptedRandom::WhenUsedUp whenUsedUp;
    std::vector<double> expected; // one entry per draw
    std::size_t overdrawn;
};

void PrintTo(const DrawCase& c, std::ostream* out) {
    *out << c.name;
}

class ScriptedDraws : public ::testing::TestWithParam<DrawCase> {};

// Every draw, in order; a strict list reports an over-draw as a failure of the running test
// and hands out 0.5 (never 0, which a filler would draw again forever).
TEST_P(ScriptedDraws, HandOutTheListThenWhatTheModeSays) {
    const DrawCase& c = GetParam();
    ScriptedRandom random(c.script, c.whenUsedUp);
    std::vector<double> drawn;
    const auto drawAll = [&] {
        for (std::size_t k = 0; k < c.expected.size(); ++k)
            drawn.push_back(random.next());
    };
    if (c.overdrawn > 0)
        EXPECT_NONFATAL_FAILURE(drawAll(), "drew more than the");
    else
        drawAll();
    EXPECT_EQ(drawn, c.expected);
    EXPECT_EQ(random.drawn(), c.expected.size());
    EXPECT_EQ(random.overdrawn(), c.overdrawn);
    EXPECT_EQ(random.scripted(), c.script.size());
}

INSTANTIATE_TEST_SUITE_P(
    Support, ScriptedDraws,
    ::testing::Values(
        DrawCase{
            "strictWithinTheList", {0.1, 0.0, 0.7}, ScriptedRandom::Strict, {0.1, 0.0, 0.7}, 0},
        DrawCase{"strictPastTheEnd", {0.0, 0.3}, ScriptedRandom::Strict, {0.0, 0.3, 0.5}, 1},
        DrawCase{"strictEmpty", {}, ScriptedRandom::Strict, {0.5}, 1},
        DrawCase{"repeatLastDrawn",
                 {0.25, 0.75},
                 ScriptedRandom::RepeatLast,
                 {0.25, 0.75, 0.75, 0.75},
                 0},
        DrawCase{"repeatBeforeAnyValue", {}, ScriptedRandom::RepeatLast, {0.5, 0.5}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptedRandomSource, ANewScriptStartsAtItsFirstValueAndKeepsTheSeeds) {
    ScriptedRandom random({0.1, 0.2}, ScriptedRandom::RepeatLast);
    random.reseed(12.5);
    EXPECT_EQ(random.next(), 0.1);
    random.script({0.9});
    random.reseed(13.0);
    EXPECT_EQ(random.next(), 0.9);
    EXPECT_EQ(random.next(), 0.9);
    random.script({});
    EXPECT_EQ(random.next(), 0.9) << "an empty script repeats the last value drawn";
    EXPECT_EQ(random.seeds(), std::vector<double>({12.5, 13.0}));
    EXPECT_EQ(random.drawn(), 4u);
}

TEST(ScriptedRandomSource, OverdrawsGoToTheReporterWithTheListLength) {
    ScriptedRandom::Reporter saved = ScriptedRandom::overdrawReporter();
    std::vector<std::string> reports;
    ScriptedRandom::overdrawReporter() = [&](const std::string& m) { reports.push_back(m); };
    ScriptedRandom random({0.4, 0.6, 0.8});
    for (int k = 0; k < 5; ++k)
        random.next();
    ScriptedRandom::overdrawReporter() = saved;
    EXPECT_EQ(reports, std::vector<std::string>(2, "drew more than the 3 scripted values"));
}

struct ClockCase {
    const char* name;
    double start, step;
    std::vector<double> readings;
};

void PrintTo(const ClockCase& c, std::ostream* out) {
    *out << c.name;
}

class ClockReadings : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ClockReadings, StartAtTheGivenTimeAndMoveOnByTheStepAfterEach) {
    const ClockCase& c = GetParam();
    ScriptedClock clock(c.start, c.step);
    for (double expected : c.readings)
        EXPECT_EQ(clock.secondsSinceMidnight(), expected);
    EXPECT_EQ(clock.readings(), static_cast<int>(c.readings.size()));
    EXPECT_EQ(clock.now, c.start + c.step * static_cast<double>(c.readings.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Support, ClockReadings,
    ::testing::Values(ClockCase{"fixed", 100.0, 0.0, {100.0, 100.0, 100.0}},
                      ClockCase{"pressesApart", 36000.0, 0.5, {36000.0, 36000.5, 36001.0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScriptedClockTime, ReadsWhatTheTestSetLast) {
    ScriptedClock clock;
    EXPECT_EQ(clock.secondsSinceMidnight(), 0.0);
    clock.now = 86399.5;
    EXPECT_EQ(clock.secondsSinceMidnight(), 86399.5);
    clock.now += 1.25;
    EXPECT_EQ(clock.secondsSinceMidnight(), 86400.75);
}

TEST(RecordingSurfaceLocale, FollowsTheUserLocaleUntilOneIsSet) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    RecordingSurface surface;
    EXPECT_EQ(surface.locale().decimalPoint(), QStringLiteral(","));
    surface.setLocale(QLocale::c());
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(surface.locale(), QLocale::c());
    QLocale::setDefault(before);
}

} // namespace
} // namespace drevant
