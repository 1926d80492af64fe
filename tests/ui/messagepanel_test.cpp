// SPDX-License-Identifier: GPL-3.0-or-later
// Every line the titration window prints in its message panel ends inside the panel: the
// widest burette readings and pH values (15 significant digits after a tap), the warning
// lines and full data pages, printed in the panel's own font at its own size.
#include "forms/titrationbench.h"
#include "support/gtestscriptedrandom.h"
#include "support/recordinghost.h"
#include "support/recordingsurface.h"
#include "support/scriptedclock.h"
#include "ui/form2.h"
#include "ui/retainedsurface.h"
#include "ui/twips.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <random>

namespace drevant {
namespace {

// The panel's surface, noting where every printed text ends (pixels from the left edge) and
// where its line ends at the bottom.
class MeasuringPanel final : public RetainedSurface {
public:
    struct Printed {
        QString line; // the whole line so far, for the report
        double rightPx, bottomPx;
    };
    std::vector<Printed> printed;

protected:
    double drawText(double x, double y, const QString& text) override {
        const double width = RetainedSurface::drawText(x, y, text);
        if (x == 0)
            m_line.clear();
        m_line += QStringLiteral("[%1]").arg(text);
        printed.push_back(
            {m_line, (x + width) / TwipsPerPixel, (y + lineHeight()) / TwipsPerPixel});
        return width;
    }

private:
    QString m_line;
};

class MessagePanelFit : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        // The panel exactly as the titration window builds it.
        Form2 window(vars, clock, host);
        panel.setSurfaceFont(window.MessageBox->surfaceFont());
        panel.resize(window.MessageBox->size());
        zeroSampleParams(vars);
        vars.SampleParams[Acid1Conc] = Number::real(0.005);
        vars.SampleParams[Acid1K] = Number::real(0.00001);
        bench.Form_Load();
    }

    void press(double seconds) {
        bench.Drevant_MouseDown();
        clock.now += seconds;
        bench.Drevant_MouseUp();
        clock.now += 1.5;
    }

    // Every page of the data table, to the end.
    void showAllData() {
        do
            bench.ShowData_Click();
        while (bench.controls().showDataEnabled);
    }

    DeclareVars vars;
    testing::ScriptedClock clock;
    testing::RecordingHost host;
    MeasuringPanel panel;
    testing::RecordingSurface graph;
    TitrationBench bench{vars, clock, panel, graph, host};
};

TEST_F(MessagePanelFit, TheWidestLinesEndInsideThePanel) {
    EXPECT_GE(Form2::messagePanelFont().pixelSize(), 10) << "smaller than the panel's old font";

    // Small samples, so the three warning lines come with the readings; taps make every
    // later reading a 64-bit one with up to 15 significant digits.
    std::mt19937 rng(10);
    std::uniform_real_distribution<double> held(0.0, 1.3);
    for (const int volumeMl : {1, 10, 100, 200}) {
        bench.HScroll2_Change(volumeMl);
        bench.Start_Click();
        clock.now = 1.0; // just after midnight: the 32-bit clock has its finest steps
        press(0.0);
        while (bench.controls().drevantEnabled) {
            press(std::bernoulli_distribution(0.2)(rng) ? 0.0 : held(rng));
            if (bench.state().PointIndex % 25 == 0)
                showAllData();
        }
        showAllData();
        bench.Restart_Click();
    }

    ASSERT_GT(panel.printed.size(), 2000u);
    const double widthPx = panel.width();
    const double heightPx = panel.height();
    auto widest = panel.printed;
    std::sort(widest.begin(), widest.end(),
              [](const auto& a, const auto& b) { return a.rightPx > b.rightPx; });
    widest.erase(std::unique(widest.begin(), widest.end(),
                             [](const auto& a, const auto& b) { return a.line == b.line; }),
                 widest.end());
    std::cout << "panel " << widthPx << " x " << heightPx << " px; widest lines:\n";
    for (std::size_t i = 0; i < std::min<std::size_t>(6, widest.size()); ++i)
        std::cout << "  ends at " << widest[i].rightPx << " px: " << widest[i].line.toStdString()
                  << "\n";
    double lowest = 0;
    for (const auto& p : panel.printed)
        lowest = std::max(lowest, p.bottomPx);
    std::cout << "  lowest line ends at " << lowest << " px\n";

    for (const auto& p : panel.printed) {
        ASSERT_LE(p.rightPx, widthPx) << p.line.toStdString();
        ASSERT_LE(p.bottomPx, heightPx) << p.line.toStdString();
    }
    // The cases named above were among them.
    const auto printedLine = [&](const QString& pattern) {
        const QRegularExpression re(pattern);
        return std::any_of(panel.printed.begin(), panel.printed.end(),
                           [&](const auto& p) { return re.match(p.line).hasMatch(); });
    };
    EXPECT_TRUE(printedLine(R"(^\[Current Burrette Value \(mL\) \]\[ 0\.\d{15} \]$)"));
    EXPECT_TRUE(printedLine(R"(^\[Current Burrette Value \(mL\) \]\[ 1\d\.\d{13} \]$)"));
    EXPECT_TRUE(printedLine(R"(^\[This is not good laboratory practice!\]$)"));
    EXPECT_TRUE(printedLine(R"(^\[End of data\]$)"));
}

// The values of the report start in the third print zone, as the zone rules put them: the
// labels end inside the second zone (the burette label just before the third).
TEST_F(MessagePanelFit, TheReportValuesStartInTheThirdZone) {
    const double zoneTwips = PrintZoneColumns * panel.averageCharWidth();
    struct Row {
        const char* label;
        bool skip; // ZonedPairSkip: one zone further
    };
    for (const Row row : {Row{"Current Burrette Value (mL) ", false}, Row{"pH ", true},
                          Row{"Titrant Strength (N): ", false}, Row{"# Data Points: ", false}}) {
        panel.cls();
        panel.write(QString::fromLatin1(row.label));
        EXPECT_LT(panel.currentX(), 2 * zoneTwips) << row.label;
        panel.nextZone();
        if (row.skip)
            panel.nextZone();
        EXPECT_DOUBLE_EQ(panel.currentX(), 2 * zoneTwips) << row.label;
    }
}

} // namespace
} // namespace drevant
