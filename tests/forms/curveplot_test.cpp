// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/curveplot.h"

#include "support/recordingsurface.h"

#include <gtest/gtest.h>

namespace drevant {
namespace {

struct MarkerCase {
    const char* name;
    double volumeL, ph;
    int x, y;
};

class MarkerPositions : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(MarkerPositions, FollowTheScalesAndRoundDown) {
    const MarkerCase& c = GetParam();
    const MarkerPosition p = markerPosition(c.volumeL, c.ph);
    EXPECT_EQ(p.x, c.x);
    EXPECT_EQ(p.y, c.y);
}

// 200000 twips per litre from x = 500; 4000/14 twips per pH unit down from y = 500 at pH 14.
INSTANTIATE_TEST_SUITE_P(
    Graph, MarkerPositions,
    ::testing::Values(MarkerCase{"start", 0.0, 7.0, 500, 2500},
                      MarkerCase{"oneAndAHalfMl", 0.0015, 3.5, 800, 3500},
                      MarkerCase{"tenMl", 0.01, 1.0, 2500, 4214},
                      MarkerCase{"fullBurette", 0.02, 0.0, 4500, 4500},
                      MarkerCase{"justUnderFull", 0.0199999, 14.0, 4499, 500},
                      MarkerCase{"roundedDownNotNearest", 0.0, 7.0001, 500, 2499},
                      MarkerCase{"aboveTheRegionStillDrawn", 0.0, 14.1, 500, 471},
                      // a 32-bit 20 mL total is just below 0.02 and lands one twip short
                      MarkerCase{"single20Ml", double(0.02f), 7.0, 4499, 2500}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EmptyGraph, DrawsAxesLabelsAndGridAtTheirPositions) {
    testing::RecordingSurface g;
    DrawEmptyGraph(g);
    ASSERT_EQ(g.lines.size(), 2u + 14u + 10u);
    // axes first, in width 3
    EXPECT_EQ(g.lines[0].width, 3);
    EXPECT_EQ(g.lines[0].x1, 500);
    EXPECT_EQ(g.lines[0].y2, 4500);
    EXPECT_EQ(g.lines[1].x2, 4500);
    EXPECT_EQ(g.lines[1].y1, 4500);
    // 14 horizontal lines 286 twips apart from the top, none on the axis
    for (int i = 0; i < 14; ++i) {
        const auto& l = g.lines[2 + i];
        EXPECT_EQ(l.width, 1);
        EXPECT_EQ(l.y1, 500 + 286 * i);
        EXPECT_EQ(l.y2, l.y1);
        EXPECT_EQ(l.x1, 500);
        EXPECT_EQ(l.x2, 4500);
    }
    EXPECT_EQ(g.lines[15].y1, 4218);
    // 10 vertical lines every 2 mL, the last closing the region at 20 mL
    for (int i = 1; i <= 10; ++i) {
        const auto& l = g.lines[15 + i];
        EXPECT_EQ(l.x1, 500 + 400 * i);
        EXPECT_EQ(l.y1, 500);
        EXPECT_EQ(l.y2, 4500);
    }
    EXPECT_EQ(g.lineWidth(), 1);

    const std::vector<std::tuple<QString, double, double>> labels = {{"14", 100, 400},
                                                                     {"pH 7", 50, 2400},
                                                                     {"0", 200, 4400},
                                                                     {"Volume, mL", 2100, 4600},
                                                                     {"20.0", 4500, 4600}};
    ASSERT_EQ(g.texts.size(), labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(g.texts[i].text, std::get<0>(labels[i]));
        EXPECT_EQ(g.texts[i].x, std::get<1>(labels[i]));
        EXPECT_EQ(g.texts[i].y, std::get<2>(labels[i]));
    }
}

TEST(EmptyGraph, DoesNotClearWhatIsThere) {
    testing::RecordingSurface g;
    g.drawCircle(1000, 1000, 30);
    DrawEmptyGraph(g);
    EXPECT_EQ(g.clears, 0);
    EXPECT_EQ(g.circles.size(), 1u);
}

// Markers at (500, 2500), (900, 2500) and (1300, 3357); a marker text after them ends the log.
DeclareVars threePoints() {
    DeclareVars vars;
    const double points[][2] = {{0.0, 7.0}, {0.002, 7.0}, {0.004, 4.0}};
    for (int i = 0; i < 3; ++i) {
        vars.VolLog[i + 1] = Number::real(points[i][0]);
        vars.PhLog[i + 1] = Number::real(points[i][1]);
    }
    vars.VolLog[4] = "*";
    vars.PhLog[4] = "*";
    vars.VolLog[5] = Number::real(0.001); // beyond the marker: not a point of this curve
    vars.PhLog[5] = Number::real(7.0);
    return vars;
}

struct NearestCase {
    const char* name;
    double x, y;
    int point;
};

class NearestPoints : public ::testing::TestWithParam<NearestCase> {};

TEST_P(NearestPoints, PickTheClosestMarker) {
    const NearestCase& c = GetParam();
    EXPECT_EQ(nearestPoint(threePoints(), c.x, c.y), c.point);
}

INSTANTIATE_TEST_SUITE_P(Graph, NearestPoints,
                         // Halfway lies also on the point beyond the marker, which is not taken.
                         ::testing::Values(NearestCase{"onTheFirst", 500, 2500, 1},
                                           NearestCase{"halfwayTakesTheFirst", 700, 2500, 1},
                                           NearestCase{"justBeforeHalfway", 699.9, 2500, 1},
                                           NearestCase{"justAfterHalfway", 700.1, 2500, 2},
                                           NearestCase{"belowTheSecond", 900, 2900, 2},
                                           NearestCase{"nearTheThird", 1250, 3300, 3},
                                           NearestCase{"farRight", 4900, 4900, 3},
                                           NearestCase{"farAboveLeft", -100, -100, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NearestPoints, NoneWithoutPoints) {
    EXPECT_EQ(nearestPoint(DeclareVars{}, 500, 2500), 0);
}

// A marker is drawn only where both logs hold a number: a volume without its pH, or a pH
// without its volume, draws nothing.
TEST(PlotPoint, DrawsOnlyWhereBothLogsHoldTheNumber) {
    struct Row {
        bool volume, ph;
    };
    for (const Row r : {Row{true, true}, Row{true, false}, Row{false, true}}) {
        SCOPED_TRACE(std::to_string(r.volume) + std::to_string(r.ph));
        DeclareVars vars;
        resetDataLog(vars);
        if (r.volume)
            vars.VolLog[1] = Number::real(0.001);
        if (r.ph)
            vars.PhLog[1] = Number::real(7.0);
        testing::RecordingSurface graph;
        PlotPoint(graph, vars, 1);
        EXPECT_EQ(graph.circles.size(), r.volume && r.ph ? 1u : 0u);
    }
}

} // namespace
} // namespace drevant
