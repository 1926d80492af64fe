// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/exportfixtures.h"
#include "support/gtestscriptedrandom.h"
#include "support/scriptedclock.h"

#include "chemistry/samplegenerator.h"
#include "export/exportwriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace drevant {
namespace {

using testing::ScriptedClock;
using testing::ScriptedRandom;
using testing::workedExampleTable;
using testing::zeroTable;

// The worked example: system E, entries 6 to 8 absent, filler draws 0.41, 0.25 and 0.8.
TEST(SampleKey, WorkedExample) {
    SampleTable t = workedExampleTable();
    ScriptedRandom random({0.41, 0.25, 0.8});
    fillZeroEntries(t, random);
    EXPECT_EQ(random.drawn(), 3u);

    // Values before rounding, from the formulas (e.g. field 7: 85 (-log10 0.000025 - 4)).
    const double before[9] = {105, 18.42, 153, 154.89, 5, 210.46, 10.25, 51.18, 8.24};
    const char* texts[9] = {"69", "12", "99", "9B", "05", "D2", "0A", "33", "08"};
    const auto fields = encodeKeyFields(t);
    for (int i = 0; i < 9; ++i) {
        EXPECT_NEAR(keyFieldValue(i, t[i]), before[i], 0.01) << "field " << i;
        EXPECT_EQ(fields[i], QString::fromLatin1(texts[i])) << "field " << i;
    }
    EXPECT_EQ(sampleKey(QStringLiteral("E"), t), QStringLiteral("E6912999B05D20A3308"));
}

// One table of scales serves both ways: decoding the unrounded field value of an entry gives
// the entry back, for every field and a spread of values.
TEST(SampleKey, EncodingAndDecodingShareTheFieldScales) {
    for (int i = 0; i < KeyFieldCount; ++i) {
        for (double p : {1e-10, 3.7e-8, 2.5e-5, 1e-4, 0.0042, 0.0099, 1.0, 126.0}) {
            const double field = keyFieldValue(i, Number::real(p));
            EXPECT_NEAR(decodeFieldValue(i, field) / p, 1.0, 1e-12) << "field " << i << " " << p;
        }
        EXPECT_EQ(keyFieldScale(i).constant, i % 2 == 1 || i >= 7) << i;
    }
}

struct HexCase {
    const char* name;
    double value;
    const char* text;
};

class HexFieldText : public ::testing::TestWithParam<HexCase> {};

TEST_P(HexFieldText, RoundsAndPads) {
    EXPECT_EQ(hexField(GetParam().value), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    SampleKey, HexFieldText,
    ::testing::Values(
        HexCase{"zero", 0.0, "00"}, HexCase{"singleDigitPadded", 5.0, "05"},
        HexCase{"upperCase", 171.2, "AB"}, HexCase{"largestTwoDigit", 255.4, "FF"},
        // halfway cases go away from zero, not to even: 2.5 -> 3, 10.5 -> 11, 9.5 -> 10
        HexCase{"halfUpFromEven", 2.5, "03"}, HexCase{"halfUpFromOdd", 9.5, "0A"},
        HexCase{"halfToB", 10.5, "0B"}, HexCase{"halfOfZero", 0.5, "01"},
        // the double just below 1/2 must not round up (floor(x + 0.5) would give 1)
        HexCase{"justBelowHalf", 0.49999999999999994, "00"},
        HexCase{"halfToThreeDigits", 255.5, "100"}, HexCase{"fourDigitsWhole", 4095.6, "1000"},
        // 1e20 = 0x56BC75E2D63100000, beyond 64 bits: still written whole
        HexCase{"beyond64Bits", 1e20, "56BC75E2D63100000"},
        HexCase{"negativeZeroHasNoSign", -0.4, "00"}, HexCase{"negative", -2.5, "-03"},
        HexCase{"notANumber", std::numeric_limits<double>::quiet_NaN(), "NAN"},
        HexCase{"infinite", std::numeric_limits<double>::infinity(), "INF"}),
    [](const auto& info) { return std::string(info.param.name); });

// Concentrations whose field value is exactly halfway (25000 x 0.00042 is 10.5 in doubles).
TEST(SampleKey, HalfwayConcentrationsRoundAwayFromZero) {
    SampleTable t = workedExampleTable();
    t[Acid1Conc] = Number::real(0.00042);
    t[Acid2Conc] = Number::real(0.0001);
    t[Acid3Conc] = Number::real(0.00018);
    ASSERT_EQ(keyFieldValue(Acid1Conc, t[Acid1Conc]), 10.5);
    ASSERT_EQ(keyFieldValue(Acid2Conc, t[Acid2Conc]), 2.5);
    ASSERT_EQ(keyFieldValue(Acid3Conc, t[Acid3Conc]), 4.5);
    const auto fields = encodeKeyFields(t);
    EXPECT_EQ(fields[Acid1Conc], QStringLiteral("0B"));
    EXPECT_EQ(fields[Acid2Conc], QStringLiteral("03"));
    EXPECT_EQ(fields[Acid3Conc], QStringLiteral("05"));
}

// Tiny filler draws for the constants give three-digit fields, kept whole.
TEST(SampleKey, TinyFillerDrawsGiveThreeDigitFields) {
    SampleTable t = zeroTable();
    t[Acid1Conc] = Number::real(0.005); // 125 = 7D
    t[Acid1K] = Number::real(0.00001);  // 20 (3 + 5) = 160 = A0
    ScriptedRandom random({0.4, 1e-8, 0.4, 0.4, 0.4, 0.0005, 0.0001});
    fillZeroEntries(t, random);
    // 2, 4, 6: 25000 x 0.0004 = 10 (0A); 3: P = 1e-11, 20 (3 + 11) = 280 (118);
    // 5: 20 (3 - log10 0.0004) = 127.96 (80); 7: P = 5e-8, 85 (7.301 - 4) = 280.59 (119);
    // 8: P = 1e-11, 85 (11 - 7) = 340 (154)
    const QString key = sampleKey(QStringLiteral("A"), t);
    EXPECT_EQ(key, QStringLiteral("A7DA00A1180A800A119154"));
    EXPECT_EQ(key.size(), 22);
}

TEST(FillerStep, KindsOrderAndOneDrawPerZeroEntry) {
    SampleTable t = zeroTable();
    t[Acid1Conc] = Number::real(0.005);
    t[DiproticK1] = Number::real(0.00002);
    // zero entries in index order: 1, 2, 3, 4, 5, 6, 8
    ScriptedRandom random({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7});
    fillZeroEntries(t, random);
    EXPECT_EQ(random.drawn(), 7u);
    EXPECT_TRUE(t[Acid1Conc].identicalTo(Number::real(0.005)));
    EXPECT_TRUE(t[DiproticK1].identicalTo(Number::real(0.00002)));
    const int filled[] = {1, 2, 3, 4, 5, 6};
    double u = 0.1;
    for (int i : filled) {
        EXPECT_TRUE(t[i].identicalTo(Number::single(static_cast<float>(u / 1000))))
            << "entry " << i;
        u += 0.1;
    }
    EXPECT_TRUE(t[DiproticK2].identicalTo(Number::real(0.7 / 10000000)));
}

TEST(FillerStep, EntryEightIsSixtyFourBitAndEntrySevenThirtyTwo) {
    SampleTable t = zeroTable();
    const double u = 0.123456789012345;
    ScriptedRandom random(std::vector<double>(9, u));
    fillZeroEntries(t, random);
    EXPECT_TRUE(t[DiproticK1].isSingle());
    EXPECT_EQ(t[DiproticK1].singleValue(), static_cast<float>(u / 10000));
    EXPECT_TRUE(t[DiproticK2].isDouble());
    EXPECT_EQ(t[DiproticK2].toDouble(), u / 10000000);
    // the 64-bit filler keeps digits that a 32-bit one would lose
    EXPECT_NE(t[DiproticK2].toDouble(), static_cast<double>(static_cast<float>(u / 10000000)));
}

// A draw of exactly 0 would leave the entry at 0 (no logarithm, refilled next export).
TEST(FillerStep, ZeroDrawIsDrawnAgain) {
    SampleTable t = workedExampleTable();
    ScriptedRandom random({0.0, 0.41, 0.0, 0.0, 0.25, 0.8});
    fillZeroEntries(t, random);
    EXPECT_EQ(random.drawn(), 6u);
    EXPECT_EQ(sampleKey(QStringLiteral("E"), t), QStringLiteral("E6912999B05D20A3308"));
}

TEST(FillerStep, FullTableCostsNoDraw) {
    SampleTable t = workedExampleTable();
    ScriptedRandom first({0.41, 0.25, 0.8});
    fillZeroEntries(t, first);
    const SampleTable before = t;
    ScriptedRandom none;
    fillZeroEntries(t, none);
    EXPECT_EQ(none.drawn(), 0u);
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(t[i].identicalTo(before[i])) << "entry " << i;
}

// One sample of every system letter, made by the generator from scripted draws; after the
// filler step the key has the letter, 19 characters, and the present fields of the sample.
struct LetterCase {
    const char* name;
    bool simple, medium, complex;
    std::vector<double> draws; // case draw first, then the recipe's draws
    const char* letter;
    std::vector<int> present;
};

class KeyOfEachLetter : public ::testing::TestWithParam<LetterCase> {};

TEST_P(KeyOfEachLetter, CarriesLetterAndPresentFields) {
    const LetterCase& c = GetParam();
    DeclareVars vars;
    zeroSampleParams(vars);
    ScriptedRandom generator(c.draws);
    ScriptedClock clock(3600.0);
    GenerateSample(vars, generator, clock, c.simple, c.medium, c.complex);
    ASSERT_EQ(vars.SystemCode, QString::fromLatin1(c.letter));
    const SampleTable generated = vars.SampleParams;

    const std::size_t absent = 9 - c.present.size();
    ScriptedRandom fillers(std::vector<double>(absent, 0.37));
    fillZeroEntries(vars.SampleParams, fillers);
    EXPECT_EQ(fillers.drawn(), absent);

    const QString key = sampleKey(vars.SystemCode, vars.SampleParams);
    EXPECT_EQ(key.size(), 19);
    EXPECT_EQ(key.left(1), QString::fromLatin1(c.letter));
    for (int i = 0; i < 9; ++i) {
        const bool isPresent = std::find(c.present.begin(), c.present.end(), i) != c.present.end();
        const QString field = key.mid(1 + 2 * i, 2);
        if (isPresent) {
            EXPECT_TRUE(vars.SampleParams[i].identicalTo(generated[i])) << "entry " << i;
            EXPECT_EQ(field, hexField(keyFieldValue(i, generated[i]))) << "entry " << i;
        } else {
            EXPECT_EQ(vars.SampleParams[i].kind(),
                      i == DiproticK2 ? NumberKind::Double : NumberKind::Single)
                << "entry " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    SampleKey, KeyOfEachLetter,
    ::testing::Values(
        // Simple case floor(0.1 x 3) = 0: strong acid 1
        LetterCase{"A", true, false, false, {0.1, 0.5, 0.5}, "A", {0, 1}},
        // Simple case floor(0.9 x 3) = 2: the diprotic acid
        LetterCase{"B", true, false, false, {0.9, 0.5, 0.5, 0.5}, "B", {6, 7, 8}},
        LetterCase{"C", false, true, false, {0.7, 0.3, 0.6, 0.2, 0.9}, "C", {0, 1, 2, 3}},
        // Complex case floor(0.2 x 2) = 0: strong acid 1 beside the diprotic acid
        LetterCase{"D", false, false, true, {0.2, 0.5, 0.3, 0.4, 0.6, 0.7}, "D", {0, 1, 6, 7, 8}},
        LetterCase{
            "E", false, false, true, {0.8, 0.5, 0.3, 0.4, 0.6, 0.7, 0.1}, "E", {0, 1, 2, 3, 4, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drevant
