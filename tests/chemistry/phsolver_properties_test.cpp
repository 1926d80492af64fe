// SPDX-License-Identifier: GPL-3.0-or-later
#include "chemistry/phsolver.h"
#include "chemistry/samplegenerator.h"
#include "chemistry/solvertesting.h"
#include "support/plainscan.h"
#include "support/scriptedclock.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace drevant {
namespace {

using testing::Kw;
using testing::sameBits;
using testing::ScriptedClock;
using testing::SolvePhPlainScan;
using testing::zeroTable;

// Samples as the program makes them: every level, presses a millisecond apart so that every
// reseed differs.
std::vector<SampleTable> generatedSamples(int perLevel, double startSeconds) {
    std::vector<SampleTable> samples;
    StandardRandom random;
    ScriptedClock clock(startSeconds, 0.001);
    DeclareVars vars;
    for (int level = 0; level < 3; ++level) {
        for (int i = 0; i < perLevel; ++i) {
            GenerateSample(vars, random, clock, level == 0, level == 1, level == 2);
            samples.push_back(vars.SampleParams);
        }
    }
    return samples;
}

// What an export leaves in the table: every zero entry replaced by a small random value,
// 32-bit in entries 0 to 7 and 64-bit in entry 8.
SampleTable exportFilled(SampleTable t, std::mt19937_64& rng) {
    std::uniform_real_distribution<double> r(0.0, 1.0);
    for (int i = 0; i <= 6; ++i)
        if (t[i] == Number::integer(0))
            t[i] = Number::single(static_cast<float>(r(rng) / 1000));
    if (t[DiproticK1] == Number::integer(0))
        t[DiproticK1] = Number::single(static_cast<float>(r(rng) / 10000));
    if (t[DiproticK2] == Number::integer(0))
        t[DiproticK2] = Number::real(r(rng) / 10000000);
    return t;
}

// The widened table: the same values, every one of them 64-bit.
SampleTable widened(const SampleTable& t) {
    SampleTable w;
    for (int i = 0; i < 9; ++i)
        w[i] = Number::real(t[i].toDouble());
    return w;
}

// The inputs a titration can pass: V0 from 1 mL to 1 L, N from 0.001 to 0.5, up to 20 mL.
struct Conditions {
    double v0, n, v;
};

class RandomConditions {
public:
    explicit RandomConditions(std::uint64_t seed) : m_rng(seed) {}
    Conditions next() { return {m_v0(m_rng), m_n(m_rng), m_v(m_rng)}; }
    double v0() { return m_v0(m_rng); }
    double n() { return m_n(m_rng); }
    std::mt19937_64& rng() { return m_rng; }

private:
    std::mt19937_64 m_rng;
    std::uniform_real_distribution<double> m_v0{0.001, 1.0};
    std::uniform_real_distribution<double> m_n{0.001, 0.5};
    std::uniform_real_distribution<double> m_v{0.0, 0.02};
};

class SolverProperties : public ::testing::Test {
protected:
    static const std::vector<SampleTable>& samples() {
        static const auto all = [] {
            std::vector<SampleTable> s = generatedSamples(1500, 30000.0);
            std::mt19937_64 rng(7);
            const std::size_t generated = s.size();
            for (std::size_t i = 0; i < generated; i += 3)
                s.push_back(exportFilled(s[i], rng));
            return s;
        }();
        return all;
    }
};

TEST_F(SolverProperties, EveryScanEndsOnTheGridBetweenTheLimits) {
    RandomConditions conditions(1);
    for (const SampleTable& t : samples()) {
        const Conditions c = conditions.next();
        const PhSolution s = SolvePh(t, Kw, c.v0, c.v, c.n);
        ASSERT_GE(s.steps, 1);
        ASSERT_LE(s.steps, 1000);
        EXPECT_GE(s.Residual, 0);
        EXPECT_EQ(s.HConc, gridH(s.steps));
        // pH = 0.014 n up to the last bits of the power and the logarithm
        EXPECT_NEAR(s.CurrentPh, s.steps * 0.014, 1e-9);
        EXPECT_GE(s.CurrentPh, 0.014 - 1e-12);
        EXPECT_LE(s.CurrentPh, 14.0 + 1e-12);
    }
}

TEST_F(SolverProperties, PhNeverFallsAsTitrantIsAdded) {
    RandomConditions conditions(2);
    std::uniform_real_distribution<double> increment(0.0, 0.0004);
    const auto& all = samples();
    for (std::size_t i = 0; i < all.size(); i += 10) {
        const double v0 = conditions.v0();
        const double n = conditions.n();
        PhSolution previous = SolvePh(all[i], Kw, v0, 0.0, n);
        for (double v = increment(conditions.rng()); v <= 0.02; v += increment(conditions.rng())) {
            const PhSolution s = SolvePh(all[i], Kw, v0, v, n);
            ASSERT_GE(s.steps, previous.steps) << "sample " << i << ", v = " << v;
            previous = s;
        }
    }
}

TEST_F(SolverProperties, StartingPhIgnoresVolumeAndNormality) {
    RandomConditions conditions(3);
    const auto& all = samples();
    for (std::size_t i = 0; i < all.size(); i += 5) {
        const PhSolution reference = SolvePh(all[i], Kw, 0.2, 0.0, 0.25);
        for (int k = 0; k < 5; ++k) {
            const Conditions c = conditions.next();
            const PhSolution s = SolvePh(all[i], Kw, c.v0, 0.0, c.n);
            ASSERT_TRUE(sameBits(s, reference))
                << "sample " << i << ": " << s << " vs " << reference;
        }
    }
}

TEST_F(SolverProperties, MatchesThePlainScanBitForBit) {
    RandomConditions conditions(4);
    const auto& all = samples();
    for (std::size_t i = 0; i < all.size(); i += 2) {
        const Conditions c = conditions.next();
        const PhSolution fast = SolvePh(all[i], Kw, c.v0, c.v, c.n);
        const PhSolution plain = SolvePhPlainScan(all[i], Kw, c.v0, c.v, c.n);
        ASSERT_TRUE(sameBits(fast, plain)) << "sample " << i << ": " << fast << " vs " << plain;
        // and at the two ends a titration always visits
        for (double v : {0.0, 0.02}) {
            ASSERT_TRUE(sameBits(SolvePh(all[i], Kw, c.v0, v, c.n),
                                 SolvePhPlainScan(all[i], Kw, c.v0, v, c.n)))
                << "sample " << i << ", v = " << v;
        }
    }
}

// Tables no generator writes but the arithmetic must survive: every entry independently the
// integer 0, a 32-bit or a 64-bit value, over the whole range of the draws and the filler.
TEST_F(SolverProperties, MatchesThePlainScanOnMixedKindTables) {
    RandomConditions conditions(5);
    std::mt19937_64& rng = conditions.rng();
    std::uniform_int_distribution<int> kind(0, 2);
    std::uniform_real_distribution<double> exponent(-10.0, 3.0);
    for (int trial = 0; trial < 3000; ++trial) {
        SampleTable t;
        for (Number& e : t) {
            const double value = std::pow(10.0, exponent(rng));
            switch (kind(rng)) {
            case 0:
                e = Number::integer(0);
                break;
            case 1:
                e = Number::single(static_cast<float>(value));
                break;
            default:
                e = Number::real(value);
                break;
            }
        }
        const Conditions c = conditions.next();
        const PhSolution fast = SolvePh(t, Kw, c.v0, c.v, c.n);
        const PhSolution plain = SolvePhPlainScan(t, Kw, c.v0, c.v, c.n);
        ASSERT_TRUE(sameBits(fast, plain)) << "trial " << trial << ": " << fast << " vs " << plain;
    }
}

// A 32-bit value with its mantissa cut to `bits` bits, so that products of two such values
// are exact in single precision.
float shortMantissa(double value, int bits) {
    const auto raw = std::bit_cast<std::uint32_t>(static_cast<float>(value));
    const std::uint32_t mask = ~((std::uint32_t{1} << (23 - bits)) - 1);
    return std::bit_cast<float>(raw & mask);
}

// Where every product of two 32-bit entries is exact in 32 bits, the 32-bit table and its
// widened 64-bit copy must give the same results bit for bit.
TEST(SinglePrecisionProducts, ExactProductsGiveTheWidenedResult) {
    RandomConditions conditions(6);
    std::mt19937_64& rng = conditions.rng();
    std::uniform_real_distribution<double> r(0.0, 1.0);
    std::uniform_int_distribution<int> component(0, 1);
    for (int trial = 0; trial < 3000; ++trial) {
        SampleTable t = zeroTable();
        for (int i = 0; i <= 6; ++i)
            if (component(rng))
                t[i] = Number::single(shortMantissa(r(rng) / 1000, 11));
        t[DiproticK1] = Number::single(shortMantissa(r(rng) / 10000, 11));
        t[DiproticK2] = Number::real(r(rng) / 10000000);
        for (int i : {0, 2, 4, 6}) {
            ASSERT_EQ(static_cast<double>((t[i] * t[i + 1]).singleValue() + 0.0f),
                      t[i].toDouble() * t[i + 1].toDouble())
                << "the construction should give exact products";
        }
        const Conditions c = conditions.next();
        const PhSolution single = SolvePh(t, Kw, c.v0, c.v, c.n);
        const PhSolution wide = SolvePh(widened(t), Kw, c.v0, c.v, c.n);
        ASSERT_TRUE(sameBits(single, wide))
            << "trial " << trial << ": " << single << " vs " << wide;
    }
}

// One weak acid with 32-bit entries as an export writes them (both below 1e-3). Its
// concentration is moved, one float at a time, across the value that puts the charge balance
// exactly on a grid point, so that the rounding of C x Ka to 32 bits decides that point for
// some of them. The 32-bit table must then differ from its widened copy, and always in the
// direction of its product: a larger acid term can only lower the pH.
TEST(SinglePrecisionProducts, RoundedProductDecidesTheGridPoint) {
    RandomConditions conditions(8);
    std::mt19937_64& rng = conditions.rng();
    std::uniform_real_distribution<double> r(0.05, 1.0);
    int differing = 0;
    int compared = 0;
    for (int trial = 0; trial < 200; ++trial) {
        const float ka = static_cast<float>(r(rng) / 1000);
        const float c0 = static_cast<float>(r(rng) / 1000);
        const Conditions c = conditions.next();
        SampleTable start = zeroTable();
        start[Acid1Conc] = Number::real(c0);
        start[Acid1K] = Number::real(ka);
        const int n = SolvePh(start, Kw, c.v0, c.v, c.n).steps;
        if (n < 2)
            continue;
        // Concentration that makes the residual exactly 0 at grid point n.
        const double h = gridH(n);
        const double d = c.v0 / (c.v + c.v0);
        const double na = (c.v * c.n) / (c.v + c.v0);
        const double product = (h + na - Kw / h) * (h + ka) / d;
        float conc = static_cast<float>(product / ka);
        for (int k = 0; k < 40; ++k)
            conc = std::nextafter(conc, 0.0f);
        for (int k = 0; k < 80; ++k, conc = std::nextafter(conc, 1.0f)) {
            SampleTable t = zeroTable();
            t[Acid1Conc] = Number::single(conc);
            t[Acid1K] = Number::single(ka);
            const PhSolution single = SolvePh(t, Kw, c.v0, c.v, c.n);
            const PhSolution wide = SolvePh(widened(t), Kw, c.v0, c.v, c.n);
            ++compared;
            const double floatProduct = (t[Acid1Conc] * t[Acid1K]).singleValue();
            const double exactProduct = double{conc} * double{ka}; // 48 bits: exact in 64
            if (floatProduct == exactProduct) {
                EXPECT_TRUE(sameBits(single, wide));
                continue;
            }
            if (single.steps != wide.steps) {
                ++differing;
                if (floatProduct > exactProduct)
                    EXPECT_LT(single.steps, wide.steps);
                else
                    EXPECT_GT(single.steps, wide.steps);
            }
        }
    }
    EXPECT_GT(compared, 10000);
    EXPECT_GE(differing, 1) << "no 32-bit product ever changed the grid point";
    RecordProperty("differing", differing);
}

} // namespace
} // namespace drevant
