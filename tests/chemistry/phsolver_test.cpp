#include "chemistry/phsolver.h"

#include <gtest/gtest.h>

#include <cmath>

namespace drevant {
namespace {

SampleTable emptyTable() {
    SampleTable t;
    t.fill(Number::integer(0));
    return t;
}

struct WorkedCase {
    const char* name;
    SampleTable params;
    double v0, v, n;
    double ph;
    int steps; // 0 where the worked example does not state it
};

SampleTable weakAcid() {
    auto t = emptyTable();
    t[Acid1Conc] = Number::real(0.005);
    t[Acid1K] = Number::real(0.00001);
    return t;
}

SampleTable diprotic() {
    auto t = emptyTable();
    t[DiproticConc] = Number::real(0.005);
    t[DiproticK1] = Number::real(0.001);
    t[DiproticK2] = Number::real(0.0000001);
    return t;
}

class WorkedValues : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedValues, ReproducesTheKnownGridPoint) {
    const WorkedCase& c = GetParam();
    const PhSolution s = SolvePh(c.params, 1e-14, c.v0, c.v, c.n);
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
        WorkedCase{"baseOnly", emptyTable(), 0.001, 0.02, 0.5, 13.678, 977}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drevant
