// SPDX-License-Identifier: GPL-3.0-or-later
// Both sides of the teacher tool's limits: a pH band's ends and the true curve's divisions.
#include "curve.h"
#include "pointcheck.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>

namespace drevant::keytool {
namespace {

// A band holds both of its ends and nothing beyond either.
TEST(PhBandBoundary, BothEndsBelongToTheBand) {
    const PhBand band{3.5, 4.25};
    struct Row {
        double ph;
        bool inside;
    };
    for (const Row r : {Row{std::nextafter(3.5, 0.0), false}, Row{3.5, true}, Row{4.0, true},
                        Row{4.25, true}, Row{std::nextafter(4.25, 5.0), false}}) {
        SCOPED_TRACE(r.ph);
        EXPECT_EQ(band.contains(r.ph), r.inside);
    }
}

// No division gives no curve; one gives both ends (0 and 20 mL); the default gives every
// 0.1 mL from 0 to 20 mL.
TEST(TrueCurveBoundary, DivisionsAndEnds) {
    SampleTable table;
    table.fill(Number::integer(0));
    table[Acid1Conc] = Number::real(0.005);
    table[Acid1K] = Number::real(0.00001);
    struct Row {
        int divisions;
        std::size_t points;
    };
    for (const Row r : {Row{-1, 0}, Row{0, 0}, Row{1, 2}, Row{2, 3}, Row{CurveSteps, 201}}) {
        SCOPED_TRACE(r.divisions);
        const auto curve = trueCurve(table, 0.05, 0.1, r.divisions);
        ASSERT_EQ(curve.size(), r.points);
        if (curve.empty())
            continue;
        EXPECT_EQ(curve.front().volumeL, 0.0);
        EXPECT_DOUBLE_EQ(curve.back().volumeL, MaxExportTitrantL);
    }
    EXPECT_EQ(trueCurve(table, 0.05, 0.1)[1].volumeL, 0.0001);
}

// The exit codes scripts rely on, as numbers: 0 all fine, 1 some input failed, 2 usage.
TEST(ExitCodeBoundary, ZeroOneTwo) {
    struct Row {
        QStringList arguments;
        int code;
    };
    for (const Row& r : {Row{{"--help"}, 0}, Row{{"/nonexistent/folder/a.dat"}, 1}, Row{{}, 2}}) {
        SCOPED_TRACE(r.arguments.join(u' ').toStdString());
        QProcess tool;
        tool.start(QStringLiteral(DREVANT_KEY_BINARY), r.arguments);
        ASSERT_TRUE(tool.waitForFinished(60000));
        EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(tool.exitCode(), r.code);
    }
}

} // namespace
} // namespace drevant::keytool
