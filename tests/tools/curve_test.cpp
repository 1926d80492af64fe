// SPDX-License-Identifier: GPL-3.0-or-later
#include "curve.h"
#include "keyreport.h"

#include "chemistry/phsolver.h"
#include "session/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>

namespace drevant::keytool {
namespace {

// The sample of a key built by hand from the field arithmetic, independently of the decoder.
SampleTable handDecoded(int c1, int k1, int c2, int k2, int c3, int k3, int ct, int kd1, int kd2,
                        const std::array<bool, 9>& present) {
    const double v[9] = {c1 / 25000.0,
                         std::pow(10.0, 3 - k1 / 20.0),
                         c2 / 25000.0,
                         std::pow(10.0, 3 - k2 / 20.0),
                         c3 / 25000.0,
                         std::pow(10.0, 3 - k3 / 20.0),
                         ct / 25000.0,
                         std::pow(10.0, -(kd1 / 85.0 + 4)),
                         std::pow(10.0, -(kd2 / 85.0 + 7))};
    SampleTable t;
    for (int i = 0; i < 9; ++i)
        t[i] = present[i] ? Number::real(v[i]) : Number::integer(0);
    return t;
}

DecodedSample decoded(const char* key) {
    const auto d = decodeSampleKey(QString::fromLatin1(key));
    EXPECT_TRUE(d.sample) << d.error.toStdString();
    return d.sample.value_or(DecodedSample{});
}

TEST(Curve, DecodedTableIsTheFieldArithmetic) {
    const SampleTable t = decodedSampleTable(decoded("D3214051A059B193355"));
    const SampleTable hand =
        handDecoded(0x32, 0x14, 0, 0, 0, 0, 0x19, 0x33, 0x55,
                    {true, true, false, false, false, false, true, true, true});
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(t[i].identicalTo(hand[i])) << "entry " << i;
}

// The known answers of the pH solver for C1 = 0.005, Ka1 = 10^-5, V0 = 0.2 L, N = 0.25: the
// key A 7D A0 encodes exactly that sample (125 / 25000, 10^(3 - 160 / 20)).
TEST(Curve, KnownAnswersOfTheSolver) {
    const auto curve = trueCurve(decodedSampleTable(decoded("A7DA0051A0059B051A32B0")), 0.2, 0.25);
    ASSERT_EQ(curve.size(), 201u);
    EXPECT_NEAR(curve[0].ph, 3.668, 1e-9);    // v = 0
    EXPECT_NEAR(curve[20].ph, 5.012, 1e-9);   // 2 mL, half-neutralised
    EXPECT_NEAR(curve[40].ph, 8.358, 1e-9);   // 4 mL, equivalence
    EXPECT_NEAR(curve[200].ph, 12.264, 1e-9); // 20 mL
}

// Every printed point: v = k / 10000 L, the pH SolvePh gives for the hand-decoded sample,
// printed as the program prints a 64-bit number.
TEST(Curve, TwoHundredAndOnePointsAsSolvePhGivesThem) {
    const DecodedSample s = decoded("E6912999B05D20A3308");
    const SampleTable hand = handDecoded(0x69, 0x12, 0x99, 0x9B, 0x05, 0xD2, 0, 0, 0,
                                         {true, true, true, true, true, true, false, false, false});
    const QString text = formatCurve(trueCurve(decodedSampleTable(s), 0.05, 0.25));
    const QStringList lines = text.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 201);
    for (int k = 0; k <= 200; ++k) {
        const double volumeL = k / 10000.0;
        const double ph = SolvePh(hand, std::pow(10.0, -14), 0.05, volumeL, 0.25).CurrentPh;
        const QString expected = QString::number(k / 10.0, 'f', 1) + u'\t' +
                                 numberDigits(Number::real(ph), QLocale::c());
        EXPECT_EQ(lines[k], expected);
    }
    EXPECT_TRUE(text.endsWith(u'\n'));
}

// pH never falls as base is added, and stays within the solver's grid.
TEST(Curve, RisesWithinTheGrid) {
    for (const char* key : {"A69129999B05D20A3308", "B051A0059B05D27D3355", "C32C8648C05D20A1A32B0",
                            "D3214051A059B193355", "E6912999B05D20A3308"}) {
        const auto curve = trueCurve(decodedSampleTable(decoded(key)), 0.05, 0.1, 2000);
        ASSERT_EQ(curve.size(), 2001u);
        for (std::size_t i = 0; i < curve.size(); ++i) {
            EXPECT_GE(curve[i].ph, 0.014 - 1e-12) << key;
            EXPECT_LE(curve[i].ph, 14 + 1e-12) << key;
            if (i > 0) {
                EXPECT_GE(curve[i].ph, curve[i - 1].ph) << key << " at " << i;
            }
        }
        EXPECT_DOUBLE_EQ(curve.back().volumeL, 0.02);
    }
}

} // namespace
} // namespace drevant::keytool
