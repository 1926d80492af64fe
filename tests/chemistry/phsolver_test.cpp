// SPDX-License-Identifier: GPL-3.0-or-later
#include "chemistry/phsolver.h"
#include "chemistry/solvertesting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace drevant {
namespace {

using testing::Kw;
using testing::sameBits;
using testing::zeroTable;

struct WorkedCase {
    const char* name;
    SampleTable params;
    double v0, v, n;
    double ph;
    int steps; // 0 where the worked example does not state it
};

// Test names in listings show the row name rather than the row's bytes.
void PrintTo(const WorkedCase& c, std::ostream* out) {
    *out << c.name;
}

SampleTable weakAcid() {
    auto t = zeroTable();
    t[Acid1Conc] = Number::real(0.005);
    t[Acid1K] = Number::real(0.00001);
    return t;
}

SampleTable diprotic() {
    auto t = zeroTable();
    t[DiproticConc] = Number::real(0.005);
    t[DiproticK1] = Number::real(0.001);
    t[DiproticK2] = Number::real(0.0000001);
    return t;
}

class WorkedValues : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedValues, ReproducesTheKnownGridPoint) {
    const WorkedCase& c = GetParam();
    const PhSolution s = SolvePh(c.params, Kw, c.v0, c.v, c.n);
    EXPECT_NEAR(s.CurrentPh, c.ph, 1e-9);
    if (c.steps) {
        EXPECT_EQ(s.steps, c.steps);
    }
    EXPECT_GE(s.Residual, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Solver, WorkedValues,
    ::testing::Values(
        // weak acid 0.005 M, Ka 1e-5, 200 mL, 0.25 N: start, half-way, equivalence, excess
        WorkedCase{"weakStart", weakAcid(), 0.2, 0.0, 0.25, 3.668, 262},
        WorkedCase{"weakHalf", weakAcid(), 0.2, 0.002, 0.25, 5.012, 358},
        WorkedCase{"weakEquivalence", weakAcid(), 0.2, 0.004, 0.25, 8.358, 597},
        WorkedCase{"weakExcess", weakAcid(), 0.2, 0.02, 0.25, 12.264, 876},
        WorkedCase{"diproticStart", diprotic(), 0.2, 0.0, 0.25, 2.758, 197},
        WorkedCase{"diproticFirst", diprotic(), 0.2, 0.004, 0.25, 5.054, 0},
        WorkedCase{"diproticSecond", diprotic(), 0.2, 0.008, 0.25, 9.352, 0},
        // no acid at all, smallest sample, full burette of the strongest base
        WorkedCase{"baseOnly", zeroTable(), 0.001, 0.02, 0.5, 13.678, 977}),
    [](const auto& info) { return std::string(info.param.name); });

// Pure water: the residual is Kw/H - H, zero at pH 7 exactly; whether the grid point at n = 500
// already counts depends on the last bit of the computed powers, so either neighbour is right.
// Whole exponents give the correctly rounded power (the literals are rounded by the compiler)
// on every system, up to the last exact power 1e22; beyond it and between whole numbers the
// C library's pow.
TEST(Pow10, WholeExponentsAreTheCorrectlyRoundedPowers) {
    const struct {
        double exponent;
        double power;
    } rows[] = {{0, 1.0},   {1, 10.0},    {22, 1e22},   {-1, 0.1},    {-4, 1e-4}, {-7, 1e-7},
                {-8, 1e-8}, {-14, 1e-14}, {-21, 1e-21}, {-22, 1e-22}, {-0.0, 1.0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.exponent);
        EXPECT_EQ(Pow10(row.exponent), row.power);
    }
    EXPECT_NEAR(Pow10(23) / 1e23, 1.0, 1e-13); // some libraries miss by ulps
    EXPECT_NEAR(Pow10(-23) / 1e-23, 1.0, 1e-13);
    EXPECT_NEAR(Pow10(0.5), std::sqrt(10.0), 1e-13);
}

TEST(SolverEdges, PureWaterStopsAtPhSeven) {
    for (double v0 : {0.001, 0.2, 1.0}) {
        for (double n : {0.001, 0.25, 0.5}) {
            const PhSolution s = SolvePh(zeroTable(), Kw, v0, 0.0, n);
            EXPECT_TRUE(s.steps == 500 || s.steps == 501) << "steps " << s.steps;
            EXPECT_NEAR(s.CurrentPh, s.steps == 500 ? 7.000 : 7.014, 1e-9);
            EXPECT_GE(s.Residual, 0);
        }
    }
}

// An acid so concentrated that even H = 10^-0.014 leaves the charge balance over-met: the
// scan cannot go below its first grid point.
TEST(SolverEdges, OverwhelminglyStrongSampleReportsTheLowestGridPoint) {
    auto t = zeroTable();
    t[Acid1Conc] = Number::real(5.0);
    t[Acid1K] = Number::real(1000.0);
    for (double v : {0.0, 0.001}) {
        const PhSolution s = SolvePh(t, Kw, 0.2, v, 0.25);
        EXPECT_EQ(s.steps, 1);
        EXPECT_NEAR(s.CurrentPh, 0.014, 1e-12);
        EXPECT_EQ(s.HConc, gridH(1));
        EXPECT_GE(s.Residual, 0);
    }
}

// The scan stops at a residual of exactly 0, not only at a positive one. One weak acid with
// no titrant has the residual (Kw/H + C Ka / (H + Ka)) - H (D = 1 and the absent terms add
// exact zeros); its concentration is walked one double at a time until that residual, computed
// here in the same order, is exactly 0 at grid point 150.
TEST(SolverEdges, ResidualOfExactlyZeroEndsTheScan) {
    const int n = 150;
    const double h = gridH(n);
    const double ka = 1e-3;
    const auto residual = [&](double c) { return (Kw / h + (c * ka) / (h + ka)) - h; };
    double c = (h - Kw / h) * (h + ka) / ka;
    int tries = 0;
    while (residual(c) != 0 && tries < 1000) {
        c = std::nextafter(c, residual(c) < 0 ? 1.0 : 0.0);
        ++tries;
    }
    ASSERT_EQ(residual(c), 0) << "no concentration puts the balance exactly on the grid point";
    auto t = zeroTable();
    t[Acid1Conc] = Number::real(c);
    t[Acid1K] = Number::real(ka);
    const PhSolution s = SolvePh(t, Kw, 0.2, 0.0, 0.25);
    EXPECT_EQ(s.steps, n);
    EXPECT_EQ(s.Residual, 0);
    EXPECT_EQ(s.HConc, h);
}

struct InertCase {
    const char* name;
    SampleTable withInert; // the sample plus a component that contributes nothing
    SampleTable without;
};

void PrintTo(const InertCase& c, std::ostream* out) {
    *out << c.name;
}

class InertComponents : public ::testing::TestWithParam<InertCase> {};

// A diprotic acid with K1 = 0 has no dissociated forms (its term carries CT x K1 = 0), and a
// component with zero concentration has none either: the pH must be that of the rest alone,
// bit for bit, at every titrant volume, and no division by zero may turn it into NaN.
TEST_P(InertComponents, ChangeNothing) {
    const InertCase& c = GetParam();
    for (double v = 0.0; v <= 0.02; v += 0.001) {
        const PhSolution a = SolvePh(c.withInert, Kw, 0.2, v, 0.25);
        const PhSolution b = SolvePh(c.without, Kw, 0.2, v, 0.25);
        EXPECT_FALSE(std::isnan(a.Residual));
        EXPECT_TRUE(sameBits(a, b))
            << "v = " << v << ": pH " << a.CurrentPh << " vs " << b.CurrentPh;
    }
}

SampleTable diproticWithoutK1(SampleTable t, Number k2) {
    t[DiproticConc] = Number::real(0.005);
    t[DiproticK1] = Number::integer(0);
    t[DiproticK2] = k2;
    return t;
}

SampleTable zeroConcentrationSecondAcid(SampleTable t) {
    t[Acid2Conc] = Number::real(0.0);
    t[Acid2K] = Number::real(0.00001);
    return t;
}

INSTANTIATE_TEST_SUITE_P(
    Solver, InertComponents,
    ::testing::Values(InertCase{"diproticK1ZeroAlone",
                                diproticWithoutK1(zeroTable(), Number::real(1e-7)), zeroTable()},
                      InertCase{"diproticK1AndK2Zero",
                                diproticWithoutK1(zeroTable(), Number::integer(0)), zeroTable()},
                      InertCase{"diproticK1ZeroBesideWeakAcid",
                                diproticWithoutK1(weakAcid(), Number::real(1e-7)), weakAcid()},
                      InertCase{"zeroConcentrationBesideWeakAcid",
                                zeroConcentrationSecondAcid(weakAcid()), weakAcid()}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drevant
