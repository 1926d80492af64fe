// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/difficultychoice.h"

#include "support/gtestscriptedrandom.h"
#include "support/recordinghost.h"
#include "support/scriptedclock.h"

#include <gtest/gtest.h>

namespace drevant {
namespace {

// A host that checks the sample is complete when the titration window is asked for.
class CheckingHost : public testing::RecordingHost {
public:
    explicit CheckingHost(const DeclareVars& vars) : m_vars(vars) {}
    void openTitrationWindow() override {
        RecordingHost::openTitrationWindow();
        codeWhenOpened = m_vars.SystemCode;
    }
    QString codeWhenOpened;

private:
    const DeclareVars& m_vars;
};

TEST(Begin, MakesTheSampleBeforeHandingOver) {
    DeclareVars vars;
    // Simple case 0: a strong acid
    testing::ScriptedRandom random({0.0, 0.5, 0.5}, testing::ScriptedRandom::RepeatLast);
    testing::ScriptedClock clock;
    clock.now = 3600.25;
    CheckingHost host(vars);
    DifficultyForm(vars, random, clock, host).InitialStart_Click(DifficultyChoice{});
    EXPECT_EQ(host.calls, QStringList({"closeDifficulty", "openTitration"}));
    EXPECT_EQ(host.codeWhenOpened, "A");
    EXPECT_EQ(random.seeds(), std::vector<double>({3600.25}));
}

TEST(Begin, WithNoLevelTheWindowStillOpensOnAnEmptySample) {
    DeclareVars vars;
    vars.SystemCode = "D";
    vars.SampleParams[Acid1Conc] = Number::real(0.001);
    testing::ScriptedRandom random({}, testing::ScriptedRandom::RepeatLast);
    testing::ScriptedClock clock;
    CheckingHost host(vars);
    DifficultyForm(vars, random, clock, host)
        .InitialStart_Click(DifficultyChoice{false, false, false});
    EXPECT_EQ(host.calls, QStringList({"closeDifficulty", "openTitration"}));
    EXPECT_EQ(vars.SystemCode, "D");
    for (const Number& n : vars.SampleParams)
        EXPECT_TRUE(n.identicalTo(Number::integer(0)));
    EXPECT_EQ(random.drawn(), 0u);
}

TEST(DifficultyLoad, ZeroesEveryEntryEvenAfterAnExportFilledThem) {
    DeclareVars vars;
    for (Number& n : vars.SampleParams)
        n = Number::single(0.25f);
    testing::ScriptedRandom random({0.5});
    testing::ScriptedClock clock;
    testing::RecordingHost host;
    DifficultyForm(vars, random, clock, host).Form_Load();
    for (const Number& n : vars.SampleParams)
        EXPECT_TRUE(n.identicalTo(Number::integer(0)));
}

} // namespace
} // namespace drevant
