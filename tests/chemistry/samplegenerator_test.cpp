// SPDX-License-Identifier: GPL-3.0-or-later
#include "chemistry/samplegenerator.h"
#include "support/gtestscriptedrandom.h"
#include "support/scriptedclock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace drevant {
namespace {

using testing::ScriptedClock;
using testing::ScriptedRandom;

enum class Level { Simple, Medium, Complex };

enum class Draw { Concentration, Strong, Weak, First, Second };

// The draw formulas as the sample recipes define them, written out independently of the
// generator's own helpers.
double expectedDraw(Draw d, double u) {
    switch (d) {
    case Draw::Concentration:
        return (u * 9.9 + 0.1) / 1000;
    case Draw::Strong:
        return std::pow(10.0, u * 3);
    case Draw::Weak:
        return std::pow(10.0, -(u * 5 + 4));
    case Draw::First:
        return std::pow(10.0, -(u * 3 + 4));
    case Draw::Second:
        break;
    }
    return std::pow(10.0, -(u * 3 + 7));
}

struct DrawInto {
    int index;
    Draw draw;
};

struct RecipeCase {
    const char* name;
    Level level;
    double caseU; // the u that picks the case
    const char* code;
    std::vector<DrawInto> draws;
};

// Test names in listings show the row name rather than the row's bytes.
void PrintTo(const RecipeCase& c, std::ostream* out) {
    *out << c.name;
}

void runLevel(DeclareVars& vars, RandomSource& random, Clock& clock, Level level) {
    GenerateSample(vars, random, clock, level == Level::Simple, level == Level::Medium,
                   level == Level::Complex);
}

// A table as an earlier sample and its export would leave it: every entry non-zero, mixed kinds.
void fillWithLeftovers(DeclareVars& vars) {
    for (int i = 0; i < 8; ++i)
        vars.SampleParams[i] = Number::single(0.000123f * static_cast<float>(i + 1));
    vars.SampleParams[8] = Number::real(3.3e-8);
    vars.SystemCode = QStringLiteral("Z");
}

class Recipes : public ::testing::TestWithParam<RecipeCase> {};

TEST_P(Recipes, FillExactlyTheCaseEntriesAndZeroTheRest) {
    const RecipeCase& c = GetParam();
    // Distinct u for each draw, so that a draw stored at the wrong index shows.
    const std::vector<double> drawU{0.11, 0.23, 0.37, 0.41, 0.53, 0.67};
    std::vector<double> script{c.caseU};
    script.insert(script.end(), drawU.begin(), drawU.begin() + c.draws.size());

    DeclareVars vars;
    fillWithLeftovers(vars);
    ScriptedRandom random(script);
    ScriptedClock clock(45296.789, 1.0); // 12:34:56.789
    runLevel(vars, random, clock, c.level);

    EXPECT_EQ(random.drawn(), script.size()) << "one u for the case and one per draw";
    ASSERT_EQ(random.seeds().size(), 1u) << "reseeded once per recipe";
    EXPECT_EQ(random.seeds()[0], 45296.789);
    EXPECT_EQ(clock.readings(), 1);
    EXPECT_EQ(vars.SystemCode, QString::fromLatin1(c.code));

    std::vector<bool> named(9, false);
    for (std::size_t k = 0; k < c.draws.size(); ++k) {
        const DrawInto& d = c.draws[k];
        named[d.index] = true;
        const Number entry = vars.SampleParams[d.index];
        EXPECT_EQ(entry.kind(), NumberKind::Double) << "entry " << d.index;
        EXPECT_EQ(entry.toDouble(), expectedDraw(d.draw, drawU[k])) << "entry " << d.index;
    }
    for (int i = 0; i < 9; ++i) {
        if (!named[i]) {
            EXPECT_TRUE(vars.SampleParams[i].identicalTo(Number::integer(0)))
                << "entry " << i << " should be the integer 0";
        }
    }
}

const double almostOne = std::nextafter(1.0, 0.0);

INSTANTIATE_TEST_SUITE_P(
    Generator, Recipes,
    ::testing::Values(
        // Simple: floor(u * 3) picks strong acid, weak acid or diprotic acid
        RecipeCase{
            "simpleStrong", Level::Simple, 0.1, "A", {{0, Draw::Concentration}, {1, Draw::Strong}}},
        RecipeCase{"simpleStrongAtZero",
                   Level::Simple,
                   0.0,
                   "A",
                   {{0, Draw::Concentration}, {1, Draw::Strong}}},
        RecipeCase{
            "simpleWeak", Level::Simple, 0.5, "A", {{0, Draw::Concentration}, {1, Draw::Weak}}},
        RecipeCase{"simpleDiprotic",
                   Level::Simple,
                   0.9,
                   "B",
                   {{6, Draw::Concentration}, {7, Draw::First}, {8, Draw::Second}}},
        RecipeCase{"simpleDiproticNearOne",
                   Level::Simple,
                   almostOne,
                   "B",
                   {{6, Draw::Concentration}, {7, Draw::First}, {8, Draw::Second}}},
        // Medium: floor(u * 2); the second acid is always weak
        RecipeCase{"mediumStrongFirst",
                   Level::Medium,
                   0.25,
                   "C",
                   {{0, Draw::Concentration},
                    {1, Draw::Strong},
                    {2, Draw::Concentration},
                    {3, Draw::Weak}}},
        RecipeCase{
            "mediumWeakFirst",
            Level::Medium,
            0.75,
            "C",
            {{0, Draw::Concentration}, {1, Draw::Weak}, {2, Draw::Concentration}, {3, Draw::Weak}}},
        RecipeCase{
            "mediumHalfIsSecondCase",
            Level::Medium,
            0.5,
            "C",
            {{0, Draw::Concentration}, {1, Draw::Weak}, {2, Draw::Concentration}, {3, Draw::Weak}}},
        // Complex: strong acid beside a diprotic acid, or strong acid and two weak ones
        RecipeCase{"complexDiprotic",
                   Level::Complex,
                   0.25,
                   "D",
                   {{0, Draw::Concentration},
                    {1, Draw::Strong},
                    {6, Draw::Concentration},
                    {7, Draw::First},
                    {8, Draw::Second}}},
        RecipeCase{"complexThreeAcids",
                   Level::Complex,
                   0.75,
                   "E",
                   {{0, Draw::Concentration},
                    {1, Draw::Strong},
                    {2, Draw::Concentration},
                    {3, Draw::Weak},
                    {4, Draw::Concentration},
                    {5, Draw::Weak}}},
        RecipeCase{"complexNearOne",
                   Level::Complex,
                   almostOne,
                   "E",
                   {{0, Draw::Concentration},
                    {1, Draw::Strong},
                    {2, Draw::Concentration},
                    {3, Draw::Weak},
                    {4, Draw::Concentration},
                    {5, Draw::Weak}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The ends of the draw ranges: u = 0 gives the documented exact values, the largest u below 1
// stays below the open upper ends.
TEST(GeneratorRanges, LowestDrawsAreExact) {
    DeclareVars vars;
    ScriptedClock clock;
    ScriptedRandom strong({0.0, 0.0, 0.0});
    runLevel(vars, strong, clock, Level::Simple); // case 0: strong acid
    EXPECT_EQ(vars.SampleParams[Acid1Conc].toDouble(), 1e-4);
    EXPECT_EQ(vars.SampleParams[Acid1K].toDouble(), 1.0);

    ScriptedRandom weak({0.5, 0.0, 0.0});
    runLevel(vars, weak, clock, Level::Simple); // case 1: weak acid
    EXPECT_EQ(vars.SampleParams[Acid1Conc].toDouble(), 1e-4);
    EXPECT_EQ(vars.SampleParams[Acid1K].toDouble(), 1e-4);
}

TEST(GeneratorRanges, HighestDrawsStayBelowTheOpenEnds) {
    DeclareVars vars;
    ScriptedClock clock;
    ScriptedRandom strong({0.0, almostOne, almostOne});
    runLevel(vars, strong, clock, Level::Simple);
    EXPECT_LT(vars.SampleParams[Acid1Conc].toDouble(), 1e-2);
    EXPECT_LT(vars.SampleParams[Acid1K].toDouble(), 1000.0);

    ScriptedRandom weak({0.5, almostOne, almostOne});
    runLevel(vars, weak, clock, Level::Simple);
    EXPECT_LT(vars.SampleParams[Acid1Conc].toDouble(), 1e-2);
    // u * 5 + 4 rounds to 9 for the largest u below 1, so the open lower end 1e-9 is met here
    // exactly; only the few largest of the 2^53 values a draw can take land on it.
    EXPECT_GE(vars.SampleParams[Acid1K].toDouble(), 1e-9);
}

TEST(GeneratorState, NoLevelOnlyZeroesTheTable) {
    DeclareVars vars;
    fillWithLeftovers(vars);
    vars.SystemCode = QStringLiteral("C");
    ScriptedRandom random;
    ScriptedClock clock;
    GenerateSample(vars, random, clock, false, false, false);
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(vars.SampleParams[i].identicalTo(Number::integer(0))) << "entry " << i;
    EXPECT_EQ(vars.SystemCode, QStringLiteral("C"));
    EXPECT_TRUE(random.seeds().empty());
    EXPECT_EQ(random.drawn(), 0u);
    EXPECT_EQ(clock.readings(), 0);

    DeclareVars fresh;
    GenerateSample(fresh, random, clock, false, false, false);
    EXPECT_TRUE(fresh.SystemCode.isEmpty());
}

TEST(GeneratorState, NewSampleCarriesNothingOver) {
    DeclareVars vars;
    ScriptedClock clock(100.0, 0.5);
    ScriptedRandom threeAcids({0.75, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6});
    runLevel(vars, threeAcids, clock, Level::Complex);
    ASSERT_EQ(vars.SystemCode, QStringLiteral("E"));
    // An export of that sample fills the diprotic entries with 32-bit values.
    vars.SampleParams[DiproticConc] = Number::single(0.0004f);
    vars.SampleParams[DiproticK1] = Number::single(0.00002f);
    vars.SampleParams[DiproticK2] = Number::real(4e-8);

    ScriptedRandom oneAcid({0.1, 0.2, 0.3});
    runLevel(vars, oneAcid, clock, Level::Simple);
    EXPECT_EQ(vars.SystemCode, QStringLiteral("A"));
    for (int i = Acid2Conc; i <= DiproticK2; ++i)
        EXPECT_TRUE(vars.SampleParams[i].identicalTo(Number::integer(0))) << "entry " << i;
    ASSERT_EQ(oneAcid.seeds().size(), 1u);
    EXPECT_EQ(oneAcid.seeds()[0], 100.5) << "the second press reads the clock afresh";
}

// Random samples from the real generator: what every sample of a level must look like.
class GeneratorProperties : public ::testing::Test {
protected:
    static constexpr int Samples = 3000;
    StandardRandom m_random;
    ScriptedClock m_clock{36000.0, 0.001}; // presses a millisecond apart
    DeclareVars m_vars;

    int components() const {
        int count = 0;
        for (int conc : {Acid1Conc, Acid2Conc, Acid3Conc, DiproticConc})
            count += m_vars.SampleParams[conc] != Number::integer(0) ? 1 : 0;
        return count;
    }
    bool isZero(int i) const { return m_vars.SampleParams[i].identicalTo(Number::integer(0)); }
    double at(int i) const { return m_vars.SampleParams[i].toDouble(); }

    void expectDiproticOrdered() {
        EXPECT_GT(at(DiproticK1), at(DiproticK2));
        EXPECT_LE(at(DiproticK1), 1e-4);
        EXPECT_GT(at(DiproticK2), 1e-10);
        EXPECT_LE(at(DiproticK2), 1e-7);
    }
    void expectConcentration(int i) {
        EXPECT_GE(at(i), 1e-4);
        EXPECT_LT(at(i), 1e-2);
    }
};

TEST_F(GeneratorProperties, SimpleHasExactlyOneComponent) {
    int diprotic = 0;
    for (int s = 0; s < Samples; ++s) {
        runLevel(m_vars, m_random, m_clock, Level::Simple);
        ASSERT_EQ(components(), 1);
        if (m_vars.SystemCode == QStringLiteral("B")) {
            ++diprotic;
            expectConcentration(DiproticConc);
            expectDiproticOrdered();
            for (int i = Acid1Conc; i <= Acid3K; ++i)
                EXPECT_TRUE(isZero(i));
        } else {
            ASSERT_EQ(m_vars.SystemCode, QStringLiteral("A"));
            expectConcentration(Acid1Conc);
            EXPECT_GT(at(Acid1K), 1e-9);
            EXPECT_LT(at(Acid1K), 1000.0);
            for (int i = Acid2Conc; i <= DiproticK2; ++i)
                EXPECT_TRUE(isZero(i));
        }
    }
    // Each case has probability 1/3; 3000 samples put the diprotic share well within this.
    EXPECT_GT(diprotic, Samples / 3 - 150);
    EXPECT_LT(diprotic, Samples / 3 + 150);
}

TEST_F(GeneratorProperties, MediumFillsTheFirstTwoAcidsOnly) {
    for (int s = 0; s < Samples; ++s) {
        runLevel(m_vars, m_random, m_clock, Level::Medium);
        ASSERT_EQ(m_vars.SystemCode, QStringLiteral("C"));
        for (int i = Acid1Conc; i <= Acid2K; ++i)
            EXPECT_FALSE(isZero(i)) << "entry " << i;
        for (int i = Acid3Conc; i <= DiproticK2; ++i)
            EXPECT_TRUE(isZero(i)) << "entry " << i;
        expectConcentration(Acid1Conc);
        expectConcentration(Acid2Conc);
        EXPECT_LE(at(Acid2K), 1e-4) << "the second acid is always weak";
    }
}

TEST_F(GeneratorProperties, ComplexAlwaysHasAStrongFirstAcid) {
    int withDiprotic = 0;
    for (int s = 0; s < Samples; ++s) {
        runLevel(m_vars, m_random, m_clock, Level::Complex);
        expectConcentration(Acid1Conc);
        EXPECT_GE(at(Acid1K), 1.0);
        EXPECT_LT(at(Acid1K), 1000.0);
        if (m_vars.SystemCode == QStringLiteral("D")) {
            ++withDiprotic;
            expectDiproticOrdered();
            for (int i = Acid2Conc; i <= Acid3K; ++i)
                EXPECT_TRUE(isZero(i));
        } else {
            ASSERT_EQ(m_vars.SystemCode, QStringLiteral("E"));
            EXPECT_LE(at(Acid2K), 1e-4);
            EXPECT_LE(at(Acid3K), 1e-4);
            for (int i = DiproticConc; i <= DiproticK2; ++i)
                EXPECT_TRUE(isZero(i));
        }
    }
    EXPECT_GT(withDiprotic, Samples / 2 - 150);
    EXPECT_LT(withDiprotic, Samples / 2 + 150);
}

TEST_F(GeneratorProperties, SameClockReadingMakesTheSameSample) {
    ScriptedClock fixed(50000.25, 0.0);
    DeclareVars first;
    DeclareVars second;
    runLevel(first, m_random, fixed, Level::Complex);
    runLevel(second, m_random, fixed, Level::Complex);
    EXPECT_EQ(first.SystemCode, second.SystemCode);
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(first.SampleParams[i].identicalTo(second.SampleParams[i])) << "entry " << i;
}

} // namespace
} // namespace drevant
