// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/titrationbench.h"

#include "support/benchrig.h"

#include <gtest/gtest.h>

namespace drevant {
namespace {

// The "Show Data" pager driven through the bench's handlers.
class Pager : public ::testing::Test, protected testing::BenchRig {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        zeroSampleParams(vars);
        bench.Form_Load();
    }
    void titrate(int presses) {
        bench.Start_Click();
        clock.now = 20000;
        for (int i = 0; i < presses; ++i) {
            bench.Drevant_MouseDown();
            clock.now += 1.5;
            bench.Drevant_MouseUp();
        }
    }
    QString click() {
        bench.ShowData_Click();
        return panel.joinedRows();
    }
};

TEST_F(Pager, BeforeStartTheTableEndsAtOnce) {
    EXPECT_EQ(click(), "Titrant (mL)pH |End of data");
    EXPECT_FALSE(bench.controls().showDataEnabled);
    EXPECT_EQ(bench.controls().showDataCaption, "Show More Data");
    EXPECT_EQ(bench.state().DataPage, 1);
}

TEST_F(Pager, RowsAreTwoDecimalsInTheSecondZone) {
    titrate(0);
    click();
    const auto header = panel.row(0);
    EXPECT_EQ(header[1].text, "pH ");
    EXPECT_EQ(header[1].x, 1400); // "Titrant (mL)" ends in the first zone
    const auto first = panel.row(1);
    EXPECT_EQ(first[0].text, "0.00");
    EXPECT_EQ(first[1].x, 1400);
    EXPECT_EQ(first[1].text, "7.00"); // pure water, as 7.000 or 7.014
}

TEST_F(Pager, ExactlySevenPointsNeedASecondClickForTheEnd) {
    titrate(6);
    const QString first = click();
    EXPECT_FALSE(first.contains("End of data"));
    EXPECT_TRUE(first.startsWith("Titrant (mL)pH |0.00"));
    EXPECT_TRUE(first.contains("|9.00")); // 6 x 1.5 mL, 32-bit total printed to hundredths
    EXPECT_TRUE(bench.controls().showDataEnabled);
    EXPECT_EQ(bench.controls().showDataCaption, "Show More Data");
    EXPECT_EQ(click(), "Titrant (mL)pH |End of data");
    EXPECT_FALSE(bench.controls().showDataEnabled);
}

TEST_F(Pager, TenPointsSpanTwoPages) {
    titrate(9);
    click();
    EXPECT_EQ(panel.texts.size(), 2u + 7u * 2u);
    const QString second = click();
    EXPECT_TRUE(second.startsWith("Titrant (mL)pH |10.50"));
    EXPECT_TRUE(second.endsWith("|End of data"));
    EXPECT_EQ(panel.texts.size(), 2u + 3u * 2u + 1u);
}

TEST_F(Pager, APressAfterTheEndStartsAgainAtPointOne) {
    titrate(2);
    click();
    ASSERT_FALSE(bench.controls().showDataEnabled);
    bench.Drevant_MouseDown();
    EXPECT_TRUE(bench.controls().showDataEnabled);
    EXPECT_EQ(bench.controls().showDataCaption, "Show Data");
    clock.now += 1;
    bench.Drevant_MouseUp();
    EXPECT_TRUE(click().startsWith("Titrant (mL)pH |0.00"));
}

TEST_F(Pager, AfterRestartTheReachedPageShowsTheEnd) {
    titrate(2);
    click();
    bench.Restart_Click();
    EXPECT_EQ(bench.controls().showDataCaption, "Show Data");
    EXPECT_FALSE(bench.controls().showDataEnabled); // left as it was
    bench.Start_Click();
    bench.Restart_Click();
    EXPECT_EQ(click(), "Titrant (mL)pH |End of data");
}

// The table follows the locale the bench was made with, not whatever the default is later.
TEST_F(Pager, CommaLocaleRows) {
    const QLocale german(QLocale::German, QLocale::Germany);
    TitrationBench commaBench{vars, clock, panel, graph, host, german};
    commaBench.Form_Load();
    commaBench.Start_Click();
    clock.now = 20000;
    commaBench.Drevant_MouseDown();
    clock.now += 1.5;
    commaBench.Drevant_MouseUp();
    commaBench.ShowData_Click();
    EXPECT_EQ(panel.row(2).at(0).text, "1,50");

    QLocale::setDefault(german);
    bench.ShowData_Click(); // made with the C locale: the same log in its own format
    EXPECT_EQ(panel.row(2).at(0).text, "1.50");
    QLocale::setDefault(QLocale::c());
}

} // namespace
} // namespace drevant
