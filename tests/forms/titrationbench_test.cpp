// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/titrationbench.h"

#include "chemistry/phsolver.h"
#include "forms/curveplot.h"
#include "support/benchrig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace drevant {
namespace {

// A bench on a weak-acid sample (0.005 M, Ka 1e-5) with scripted clock and recording surfaces.
class Bench : public ::testing::Test, protected testing::BenchRig {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        zeroSampleParams(vars);
        vars.SampleParams[Acid1Conc] = Number::real(0.005);
        vars.SampleParams[Acid1K] = Number::real(0.00001);
        vars.SystemCode = "A";
        bench.Form_Load();
    }

    // Holds the burette for `seconds` starting at the clock's current reading.
    void press(double seconds) {
        bench.Drevant_MouseDown();
        clock.now += seconds;
        bench.Drevant_MouseUp();
    }

    struct ControlRow {
        bool start, drevant, restart, exportData, scrollBars, beginAgain;
    };
    void expectControls(ControlRow r) {
        const BenchControls& c = bench.controls();
        EXPECT_EQ(c.startEnabled, r.start);
        EXPECT_EQ(c.drevantEnabled, r.drevant);
        EXPECT_EQ(c.restartEnabled, r.restart);
        EXPECT_EQ(c.exportEnabled, r.exportData);
        EXPECT_EQ(c.scrollBarsEnabled, r.scrollBars);
        EXPECT_EQ(c.beginAgainEnabled, r.beginAgain);
    }
    static constexpr ControlRow Ready{true, false, false, false, true, true};
    static constexpr ControlRow Running{false, true, true, true, false, true};
    static constexpr ControlRow Stopped{false, false, true, true, false, true};

    int loggedPoints() const {
        int n = 0;
        while (vars.VolLog[n + 1].isNumber())
            ++n;
        return n;
    }
};

TEST_F(Bench, LoadLeavesTheReadyStateAndEmptyLog) {
    expectControls(Ready);
    EXPECT_TRUE(bench.controls().showDataEnabled);
    EXPECT_EQ(bench.controls().showDataCaption, "Show Data");
    EXPECT_EQ(bench.controls().label4, "0.25");
    EXPECT_EQ(bench.controls().label5, "200");
    for (int i = 0; i < LogSize; ++i) {
        ASSERT_EQ(vars.VolLog[i], LogValue(NoDataMarker));
        ASSERT_EQ(vars.PhLog[i], LogValue(NoPhMarker));
    }
    EXPECT_EQ(bench.state().Kw, std::pow(10.0, -14));
    EXPECT_EQ(graph.lines.size(), 26u); // the empty graph
    EXPECT_TRUE(panel.texts.empty());
}

TEST_F(Bench, StartLogsPointOneAtVolumeZeroAndEntersRunning) {
    bench.Start_Click();
    expectControls(Running);
    ASSERT_TRUE(vars.VolLog[1].isNumber());
    EXPECT_TRUE(vars.VolLog[1].number().identicalTo(Number::integer(0)));
    EXPECT_NEAR(vars.PhLog[1].number().toDouble(), 3.668, 1e-9); // n = 262 for this sample
    EXPECT_EQ(vars.VolLog[0], LogValue(NoDataMarker));
    EXPECT_EQ(vars.VolLog[2], LogValue(NoDataMarker));
    EXPECT_EQ(vars.TitrantNormality, "0.25");
    EXPECT_EQ(vars.SampleVolumeL, 0.2);
    ASSERT_EQ(graph.circles.size(), 1u);
    EXPECT_EQ(graph.circles[0].x, 500);
    EXPECT_EQ(graph.circles[0].width, 1); // the width the empty graph left
    EXPECT_TRUE(panel.texts.empty());     // Start prints nothing
}

TEST_F(Bench, ScrollBarsWriteTheLabelsThatStartReads) {
    struct Row {
        int normality, volume;
        const char* label4;
        const char* label5;
        double normalityValue, volumeL;
    };
    for (const Row r :
         {Row{1, 1, "0.001", "1", 0.001, 0.001}, Row{100, 1000, "0.1", "1000", 0.1, 1.0},
          Row{500, 250, "0.5", "250", 0.5, 0.25}}) {
        bench.HScroll1_Change(r.normality);
        bench.HScroll2_Change(r.volume);
        EXPECT_EQ(bench.controls().label4, r.label4);
        EXPECT_EQ(bench.controls().label5, r.label5);
        bench.Start_Click();
        EXPECT_EQ(vars.TitrantNormality, r.label4);
        EXPECT_DOUBLE_EQ(vars.SampleVolumeL, r.volumeL);
        bench.Restart_Click();
    }
}

TEST_F(Bench, FirstPressLogsPointTwoAndReportsInZones) {
    bench.Start_Click();
    clock.now = 1000;
    press(2.0);
    expectControls(Running);
    ASSERT_EQ(loggedPoints(), 2);
    const Number v = vars.VolLog[2].number();
    EXPECT_TRUE(v.isSingle()); // 32-bit clock, 32-bit duration and total
    EXPECT_EQ(v.singleValue(), 2.0f / 1000);
    EXPECT_NEAR(vars.PhLog[2].number().toDouble(), 5.012, 1e-9);

    // Empty line, then the four report lines; zones are 14 average widths (1400 twips here).
    ASSERT_EQ(panel.row(0).size(), 0u);
    const auto burette = panel.row(1);
    ASSERT_EQ(burette.size(), 2u);
    EXPECT_EQ(burette[0].text, "Current Burrette Value (mL) ");
    EXPECT_EQ(burette[1].x, 2800); // third zone
    EXPECT_EQ(burette[1].text, " 2 ");
    const auto ph = panel.row(2);
    EXPECT_EQ(ph[0].text, "pH ");
    EXPECT_EQ(ph[1].x, 2800); // moved on twice
    EXPECT_EQ(ph[1].text, " 5.012 ");
    const auto strength = panel.row(3);
    EXPECT_EQ(strength[0].text, "Titrant Strength (N): ");
    EXPECT_EQ(strength[1].x, 2800);
    EXPECT_EQ(strength[1].text, "0.25"); // the label's text, no blanks added
    const auto points = panel.row(4);
    EXPECT_EQ(points[0].text, "# Data Points: ");
    EXPECT_EQ(points[1].x, 2800);
    EXPECT_EQ(points[1].text, " 2 ");

    ASSERT_EQ(graph.circles.size(), 2u);
    EXPECT_EQ(graph.circles[1].x, markerPosition(double(0.002f), 5.012).x);
    EXPECT_EQ(graph.circles[1].y, markerPosition(double(0.002f), 5.012).y);
    EXPECT_EQ(graph.circles[1].width, 2);
}

TEST_F(Bench, TwentySecondsAreAcceptedAndTheNextPressIsRefused) {
    bench.Start_Click();
    clock.now = 500;
    for (int i = 0; i < 4; ++i)
        press(5.0);
    ASSERT_EQ(loggedPoints(), 5);
    EXPECT_TRUE(bench.state().DeliveredL.isSingle());
    EXPECT_LT(bench.state().DeliveredL.toDouble(), 0.02); // 20/1000 in 32 bits is just below
    expectControls(Running);

    const std::size_t circlesBefore = graph.circles.size();
    press(1.0);
    expectControls(Stopped);
    EXPECT_EQ(panel.joinedRows(), "Burette Empty, Try Again!!");
    EXPECT_EQ(loggedPoints(), 5); // nothing logged
    EXPECT_EQ(graph.circles.size(), circlesBefore);
    EXPECT_EQ(bench.state().PointIndex, 6); // advanced by the refused press
    EXPECT_NEAR(bench.state().PressTotal.toDouble(), 21.0, 1e-4);

    bench.Drevant_MouseDown(); // a locked burette receives nothing
    clock.now += 3;
    bench.Drevant_MouseUp();
    EXPECT_EQ(bench.state().PointIndex, 6);
}

TEST_F(Bench, TapsAreRaisedToTheMinimumAndTheTwoHundredthIsRefused) {
    bench.Start_Click();
    clock.now = 100;
    press(0.0);
    EXPECT_TRUE(bench.state().DeliveredL.isDouble()); // raised to the 64-bit minimum
    EXPECT_TRUE(vars.VolLog[2].number().identicalTo(Number::real(0.1 / 1000)));
    for (int i = 2; i < 200; ++i)
        press(0.01);
    EXPECT_EQ(loggedPoints(), 200); // the start point and 199 taps
    expectControls(Running);
    press(0.01); // the 200th tap: 200 x 0.1 in 64 bits is just over 20
    expectControls(Stopped);
    EXPECT_EQ(loggedPoints(), 200);
    EXPECT_EQ(bench.state().PointIndex, 201);
    EXPECT_EQ(panel.joinedRows(), "Burette Empty, Try Again!!");
}

// Tap, tap, 0.875 s: the report prints the 64-bit reading 1.075, which is stored as
// 1.07499999999999995559... mL; the table shows the nearest hundredth of that value, 1.07.
TEST_F(Bench, TheTableRoundsTheStoredVolumeNotItsPrintedDigits) {
    bench.Start_Click();
    clock.now = 100;
    press(0.0);
    press(0.0);
    press(0.875);
    EXPECT_EQ(panel.row(1).at(1).text, " 1.075 ");
    bench.ShowData_Click();
    const char* volumes[] = {"0.00", "0.10", "0.20", "1.07"}; // points 1 to 4, in mL
    for (int point = 1; point <= 4; ++point)
        EXPECT_EQ(panel.row(point).at(0).text.toStdString(), volumes[point - 1])
            << "point " << point;
}

struct BackwardsRow {
    const char* row;
    double pressedAt, releasedAt; // clock readings, seconds since midnight
};
void PrintTo(const BackwardsRow& row, std::ostream* out) {
    *out << row.row;
}

class BackwardsClock : public Bench, public ::testing::WithParamInterface<BackwardsRow> {};

// Every negative press duration counts as the 0.1 s minimum: a press held across midnight,
// and a clock set back while the burette is held (a time correction, the autumn change of
// daylight-saving time). The press is accepted and logged like a tap, never refused.
TEST_P(BackwardsClock, ANegativeDurationCountsAsTheMinimum) {
    bench.Start_Click();
    clock.now = 500.0;
    press(2.0); // 2 mL first, so the minimum is added to something
    clock.now = GetParam().pressedAt;
    bench.Drevant_MouseDown();
    clock.now = GetParam().releasedAt;
    bench.Drevant_MouseUp();

    expectControls(Running);
    EXPECT_EQ(loggedPoints(), 3);
    EXPECT_TRUE(bench.state().PressTime.identicalTo(Number::real(0.1)));
    EXPECT_TRUE(bench.state().PressTotal.identicalTo(Number::single(2.0f) + Number::real(0.1)));
    EXPECT_TRUE(vars.VolLog[3].number().identicalTo((Number::single(2.0f) + Number::real(0.1)) /
                                                    Number::integer(1000)));
    EXPECT_EQ(panel.row(1).at(0).text, "Current Burrette Value (mL) ");
    EXPECT_EQ(panel.row(1).at(1).text, " 2.1 ");
}

INSTANTIATE_TEST_SUITE_P(Clock, BackwardsClock,
                         ::testing::Values(BackwardsRow{"acrossMidnight", 86399.0, 2.0},
                                           BackwardsRow{"tapAcrossMidnight", 86399.95, 0.0},
                                           BackwardsRow{"longPressAcrossMidnight", 86390.0, 15.0},
                                           BackwardsRow{"clockCorrectedBackASecond", 40000.0,
                                                        39999.0},
                                           BackwardsRow{"daylightSavingEnds", 10795.0, 7200.0}),
                         [](const auto& info) { return std::string(info.param.row); });

TEST_F(Bench, DilutionWarningFromOneNinthOfTheSampleVolume) {
    struct Row {
        int volumeMl;
        double seconds;
        bool warned;
    };
    for (const Row r :
         {Row{100, 11.1, false}, Row{100, 11.2, true}, Row{180, 20.0, false}, Row{10, 2.0, true}}) {
        bench.HScroll2_Change(r.volumeMl);
        bench.Start_Click();
        clock.now = 40000;
        press(r.seconds);
        EXPECT_EQ(panel.joinedRows().startsWith("WARNING!!|You have diluted your sample >10%|This "
                                                "is not good laboratory practice!"),
                  r.warned)
            << r.volumeMl << " mL, " << r.seconds << " s: " << panel.joinedRows().toStdString();
        EXPECT_EQ(panel.row(r.warned ? 4 : 1).at(0).text, "Current Burrette Value (mL) ");
        bench.Restart_Click();
    }
}

TEST_F(Bench, RestartKeepsTheSampleAndSettingsAndClearsTheRest) {
    bench.HScroll1_Change(100);
    bench.Start_Click();
    clock.now = 10;
    press(3.0);
    press(3.0);
    const SampleTable sample = vars.SampleParams;
    bench.ShowData_Click();
    const int pageBefore = bench.state().DataPage;

    bench.Restart_Click();
    expectControls(Ready);
    EXPECT_EQ(loggedPoints(), 0);
    EXPECT_EQ(vars.VolLog[1], LogValue(NoDataMarker));
    EXPECT_EQ(vars.PhLog[1], LogValue(NoPhMarker));
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(vars.SampleParams[i].identicalTo(sample[i]));
    EXPECT_EQ(vars.SystemCode, "A");
    EXPECT_EQ(bench.controls().label4, "0.1");
    EXPECT_TRUE(panel.texts.empty());
    EXPECT_TRUE(graph.circles.empty());
    EXPECT_EQ(graph.lines.size(), 26u); // cleared, then the empty graph again
    EXPECT_EQ(bench.controls().showDataCaption, "Show Data");
    EXPECT_EQ(bench.state().DataPage, pageBefore); // left as it was
    EXPECT_TRUE(bench.state().PressTotal.identicalTo(Number::integer(0)));
}

TEST_F(Bench, RestartThenStartBeginsAFreshKindSequence) {
    bench.Start_Click();
    clock.now = 10;
    press(0.0); // makes the totals 64-bit
    bench.Restart_Click();
    bench.Start_Click();
    press(1.0);
    EXPECT_TRUE(vars.VolLog[2].number().isSingle());
}

TEST_F(Bench, BeginAgainClosesTheDialogThenHandsBackToTheDifficultyWindow) {
    bench.BeginAgain_Click();
    EXPECT_EQ(host.calls, QStringList({"cancelExport", "closeTitration", "openDifficulty"}));
}

TEST_F(Bench, ExportDataClearsThePanelAndOpensTheDialog) {
    bench.Start_Click();
    clock.now = 10;
    press(1.0);
    ASSERT_FALSE(panel.texts.empty());
    bench.ExportData_Click();
    EXPECT_TRUE(panel.texts.empty());
    EXPECT_EQ(host.calls, QStringList({"openExport"}));
}

TEST_F(Bench, CommaLocaleReadsBackWhatItWrote) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TitrationBench german(vars, clock, panel, graph, host);
    german.Form_Load();
    EXPECT_EQ(german.controls().label4, "0,25");
    german.Start_Click();
    EXPECT_EQ(vars.TitrantNormality, "0,25");
    clock.now = 10;
    german.Drevant_MouseDown();
    clock.now = 14;
    german.Drevant_MouseUp();
    // computed with 0.25 N: the equivalence point of this sample at 4 mL
    EXPECT_NEAR(vars.PhLog[2].number().toDouble(), 8.358, 1e-9);
    EXPECT_EQ(panel.row(3).at(1).text, "0,25");
    EXPECT_EQ(panel.row(2).at(1).text, " 8,358 ");
    QLocale::setDefault(QLocale::c());
}

// Properties of whole titrations with random press lengths.
TEST_F(Bench, RandomTitrationsKeepTheLogUnbrokenAndThePhRising) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> seconds(0.0, 3.0);
    for (int run = 0; run < 20; ++run) {
        bench.Start_Click();
        clock.now = 30000 + run;
        while (bench.controls().drevantEnabled) {
            press(seconds(rng));
            const int n = loggedPoints();
            ASSERT_LE(bench.state().PointIndex, 202);
            ASSERT_TRUE(vars.VolLog[n + 1] == LogValue(NoDataMarker));
            if (n >= 2) {
                ASSERT_GE(vars.PhLog[n].number().toDouble(), vars.PhLog[n - 1].number().toDouble());
                ASSERT_GT(vars.VolLog[n].number(), vars.VolLog[n - 1].number());
            }
        }
        expectControls(Stopped);
        EXPECT_LE(vars.VolLog[loggedPoints()].number().toDouble(), 0.02);
        bench.Restart_Click();
    }
}

} // namespace
} // namespace drevant
