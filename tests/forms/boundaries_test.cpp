// SPDX-License-Identifier: GPL-3.0-or-later
// Both sides of the window logic's limits: the shortest press, the dilution warning, the
// points a screen reader is told about and how printed pieces become lines.
#include "forms/spokentext.h"
#include "forms/titrationbench.h"
#include "support/benchrig.h"

#include <gtest/gtest.h>

#include <cmath>

namespace drevant {
namespace {

// A press shorter than the minimum counts as the minimum; one longer counts as it is. The
// clock starts at 1 s, where single precision holds these durations exactly.
TEST(PressBoundary, ShorterThanTheMinimumCountsAsTheMinimum) {
    struct Row {
        double seconds;
        double counted;
    };
    for (const Row r :
         {Row{0.0, 0.1}, Row{0.0625, 0.1}, Row{0.09375, 0.1}, Row{0.125, 0.125}, Row{0.5, 0.5}}) {
        SCOPED_TRACE(r.seconds);
        testing::BenchRig rig;
        rig.bench.Form_Load();
        rig.bench.Start_Click();
        rig.clock.now = 1.0;
        rig.bench.Drevant_MouseDown();
        rig.clock.now += r.seconds;
        rig.bench.Drevant_MouseUp();
        EXPECT_EQ(rig.bench.state().PressTotal.toDouble(), r.counted);
    }
}

// The warning is for a titrant share of more than a tenth: 1/9 of the sample volume gives
// exactly 0.1 in 64 bits (no warning), one step more warns.
TEST(DilutionBoundary, MoreThanATenthOfTheMixtureWarns) {
    const double sampleL = 0.001;
    const double ninth = 0.00011111111111111112;
    struct Row {
        double deliveredL;
        bool warned;
    };
    for (const Row r : {Row{std::nextafter(ninth, 0.0), false}, Row{ninth, false},
                        Row{std::nextafter(ninth, 1.0), true}, Row{0.0, false}, Row{0.02, true}}) {
        SCOPED_TRACE(r.deliveredL);
        EXPECT_EQ(TitrationBench::dilutesSample(Number::real(r.deliveredL), sampleL), r.warned);
    }
}

// A point is spoken only where both logs hold a number; the first index where either holds
// its marker ends the points, and a full log is read to its last index.
TEST(SpokenPointsBoundary, BothLogsMustHoldTheNumber) {
    struct Row {
        const char* name;
        bool volumeThird, phThird;
        int points;
    };
    for (const Row r : {Row{"both", true, true, 4}, Row{"no pH", true, false, 2},
                        Row{"no volume", false, true, 2}}) {
        SCOPED_TRACE(r.name);
        DeclareVars vars;
        resetDataLog(vars);
        for (int i = 1; i <= 4; ++i) {
            vars.VolLog[i] = Number::real(0.001 * i);
            vars.PhLog[i] = Number::real(3.0 + i);
        }
        if (!r.volumeThird)
            vars.VolLog[3] = NoDataMarker;
        if (!r.phThird)
            vars.PhLog[3] = NoPhMarker;
        EXPECT_EQ(spokenPoints(vars, QLocale::c()).size(), static_cast<std::size_t>(r.points));
    }
    DeclareVars full;
    for (int i = 0; i < LogSize; ++i) {
        full.VolLog[i] = Number::real(0.00002 * i);
        full.PhLog[i] = Number::real(7.0);
    }
    EXPECT_EQ(spokenPoints(full, QLocale::c()).size(), static_cast<std::size_t>(LogSize - 1));
}

// Pieces on a line join directly up to a gap of an eighth of the line height, with a blank
// beyond it; a piece whose row rounds below 0 is above the surface and not spoken.
TEST(PrintedLinesBoundary, GapsAndRows) {
    struct Row {
        double y, x;
        QString text;
    };
    for (const Row& r :
         {Row{0.0, 9.0, "abc"}, Row{0.0, 9.5, "ab c"}, Row{-3.9, 9.0, "abc"}, Row{-4.0, 9.0, ""}}) {
        SCOPED_TRACE(r.x);
        SCOPED_TRACE(r.y);
        PrintedLines printed(8.0);
        printed.add(0.0, r.y, 8.0, QStringLiteral("ab"));
        printed.add(r.x, r.y, 8.0, QStringLiteral("c"));
        EXPECT_EQ(printed.text(), r.text);
    }
}

} // namespace
} // namespace drevant
