// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told: the printed lines of a surface rebuilt from what the print
// operation drew, the curve's points and summary, and the burette's state.
#include "forms/datatable.h"
#include "forms/spokentext.h"
#include "forms/titrationbench.h"

#include "support/gtestscriptedrandom.h"
#include "support/recordinghost.h"
#include "support/recordingsurface.h"
#include "support/scriptedclock.h"

#include <gtest/gtest.h>

namespace drevant {
namespace {

// A surface that records like the real one: every drawn piece goes to PrintedLines.
class LineRecordingSurface : public testing::RecordingSurface {
public:
    PrintedLines printed{200};

protected:
    void clearImage() override {
        RecordingSurface::clearImage();
        printed.clear();
    }
    double drawText(double x, double y, const QString& text) override {
        const double width = RecordingSurface::drawText(x, y, text);
        printed.add(x, y, width, text);
        return width;
    }
};

struct PrintCase {
    const char* name;
    void (*print)(PrintTarget&);
    QStringList lines;
};

class PrintedLinesOfLayouts : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintedLinesOfLayouts, AreTheLinesAsPrinted) {
    QLocale::setDefault(QLocale::c());
    LineRecordingSurface surface;
    GetParam().print(surface);
    EXPECT_EQ(surface.printed.lines(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PrintedLinesOfLayouts,
    ::testing::Values(
        PrintCase{"TextLine",
                  [](PrintTarget& t) { TextLine(t, "Burette Empty, Try Again!!"); },
                  {"Burette Empty, Try Again!!"}},
        // A zone move is one blank, however wide; the number's sign position and its trailing
        // blank are not spoken.
        PrintCase{"ZonedPairNumber",
                  [](PrintTarget& t) {
                      ZonedPair(t, "Current Burrette Value (mL) ", Number::single(2.5f));
                  },
                  {"Current Burrette Value (mL) 2.5"}},
        PrintCase{"ZonedPairSkip",
                  [](PrintTarget& t) { ZonedPairSkip(t, "pH ", Number::real(4.396)); },
                  {"pH 4.396"}},
        PrintCase{"NegativeNumberKeepsItsSign",
                  [](PrintTarget& t) { ZonedPair(t, "x", Number::integer(-3)); },
                  {"x -3"}},
        // Items joined without a zone are joined without a blank.
        PrintCase{"JoinedPair", [](PrintTarget& t) { JoinedPair(t, "ab", "cd"); }, {"abcd"}},
        // An empty line keeps its place between the lines around it.
        PrintCase{"EmptyLineBetween",
                  [](PrintTarget& t) {
                      TextLine(t, "WARNING!!");
                      EmptyLine(t);
                      ZonedPair(t, "# Data Points: ", Number::integer(3));
                  },
                  {"WARNING!!", "", "# Data Points: 3"}},
        PrintCase{"LeadingEmptyLine",
                  [](PrintTarget& t) {
                      EmptyLine(t);
                      TextLine(t, "a");
                  },
                  {"", "a"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintedLines, ClearForgetsEverythingAndLaterPrintsStartAtTheTop) {
    LineRecordingSurface surface;
    TextLine(surface, "one");
    TextLine(surface, "two");
    surface.cls();
    TextLine(surface, "three");
    EXPECT_EQ(surface.printed.lines(), QStringList{"three"});
    EXPECT_EQ(surface.printed.text(), "three");
}

TEST(PrintedLines, PiecesDrawnOutOfOrderComeOutByLineAndPosition) {
    PrintedLines lines(200);
    lines.add(1400, 200, 300, "b2");
    lines.add(0, 200, 300, "b1");
    lines.add(0, 0, 300, "a");
    lines.add(0, -200, 300, "above the surface");
    EXPECT_EQ(lines.lines(), (QStringList{"a", "b1 b2"}));
}

// The bench's real reports and pages, as the panel's lines.
class SpokenBench : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        zeroSampleParams(vars);
        // one weak acid: 0.005 mol/L, Ka 1e-5 (pH 3.668 at the start for 200 mL)
        vars.SampleParams[Acid1Conc] = Number::real(0.005);
        vars.SampleParams[Acid1K] = Number::real(0.00001);
        bench.Form_Load();
    }
    void press(double seconds) {
        bench.Drevant_MouseDown();
        clock.now += seconds;
        bench.Drevant_MouseUp();
    }

    DeclareVars vars;
    testing::ScriptedClock clock;
    LineRecordingSurface panel;
    testing::RecordingSurface graph;
    testing::RecordingHost host;
    TitrationBench bench{vars, clock, panel, graph, host};
};

TEST_F(SpokenBench, AReportIsItsLinesInOrder) {
    bench.Start_Click();
    clock.now = 30000;
    press(2.0);
    EXPECT_EQ(panel.printed.lines(),
              (QStringList{"", "Current Burrette Value (mL) 2", "pH 5.012",
                           "Titrant Strength (N): 0.25", "# Data Points: 2"}));
}

TEST_F(SpokenBench, ADataPageIsItsRowsAndTheEnd) {
    bench.Start_Click();
    clock.now = 30000;
    press(2.0);
    bench.ShowData_Click();
    EXPECT_EQ(panel.printed.lines(),
              (QStringList{"Titrant (mL) pH", "0.00 3.67", "2.00 5.01", "End of data"}));
}

TEST_F(SpokenBench, PointsAndDescriptionFollowTheLog) {
    EXPECT_TRUE(spokenPoints(vars, QLocale::c()).empty());
    EXPECT_EQ(curveDescription({}), "No points plotted.");
    bench.Start_Click();
    auto points = spokenPoints(vars, QLocale::c());
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(curveDescription(points), "1 point plotted; the last at 0.00 mL, pH 3.67.");
    clock.now = 30000;
    press(2.0);
    press(2.0);
    points = spokenPoints(vars, QLocale::c());
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1], (SpokenPoint{"2.00", "5.01"}));
    EXPECT_EQ(spokenPointRow(3, points[2]), "Point 3: 4.00 mL, pH 8.36");
    EXPECT_EQ(curveDescription(points), "3 points plotted; the last at 4.00 mL, pH 8.36.");
    bench.Restart_Click();
    EXPECT_TRUE(spokenPoints(vars, QLocale::c()).empty());
}

TEST_F(SpokenBench, PointsUseTheUsersDecimalSeparator) {
    bench.Start_Click();
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(spokenPoints(vars, german).front(), (SpokenPoint{"0,00", "3,67"}));
}

TEST_F(SpokenBench, BuretteDescriptionFollowsTheStates) {
    auto describe = [this] {
        const BenchControls& c = bench.controls();
        return buretteDescription(vars, c.startEnabled, c.drevantEnabled, QLocale::c());
    };
    EXPECT_EQ(describe(), "Locked until Start.");
    bench.Start_Click();
    EXPECT_TRUE(describe().startsWith("0 mL of 20 mL delivered.")) << describe().toStdString();
    clock.now = 30000;
    press(2.5);
    EXPECT_TRUE(describe().startsWith("2.5 mL of 20 mL delivered.")) << describe().toStdString();
    press(17.5); // 20 mL: still accepted
    press(0.5);  // refused: the burette stays at the last logged volume
    EXPECT_FALSE(bench.controls().drevantEnabled);
    EXPECT_EQ(describe(), "Burette empty after 20 mL. Start the titration over to refill it.");
    bench.Restart_Click();
    EXPECT_EQ(describe(), "Locked until Start.");
}

} // namespace
} // namespace drevant
