// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/exportfixtures.h"
#include "support/scriptedclock.h"

#include "chemistry/samplegenerator.h"
#include "export/exportwriter.h"
#include "export/samplekey.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

namespace drevant {
namespace {

using testing::ScriptedClock;

// Filler draws that are often tiny, so that three-digit filler fields are common: with
// probability 0.3 the draw is u^6, below 0.001 for u < 0.32 (three digits in fields 7 and 8)
// and below 1.7e-7 for u < 0.074 (three digits in fields 1, 3 and 5).
class OftenTinyRandom final : public RandomSource {
public:
    explicit OftenTinyRandom(double seed) { m_base.reseed(seed); }
    double next() override {
        const double u = m_base.next();
        return m_base.next() < 0.3 ? std::pow(u, 6) : u;
    }
    void reseed(double seed) override { m_base.reseed(seed); }

private:
    StandardRandom m_base;
};

TEST(SampleKeyDecoder, WorkedExample) {
    const auto d = decodeSampleKey(QStringLiteral("E6912999B05D20A3308"));
    ASSERT_TRUE(d.sample) << d.error.toStdString();
    EXPECT_TRUE(d.error.isEmpty());
    const DecodedSample& s = *d.sample;
    EXPECT_EQ(s.letter, u'E');
    const int fields[6] = {0x69, 0x12, 0x99, 0x9B, 0x05, 0xD2};
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(s.present[i]);
        EXPECT_EQ(s.field[i], fields[i]) << "field " << i;
    }
    // 0x69 = 105 -> 105 / 25000 = 0.0042 mol/L; 0x12 = 18 -> 10^(3 - 0.9) = 125.9
    EXPECT_DOUBLE_EQ(s.value[0], 0.0042);
    EXPECT_NEAR(s.value[1], 125.89, 0.01);
    for (int i = 6; i < 9; ++i) {
        EXPECT_FALSE(s.present[i]);
        EXPECT_EQ(s.value[i], 0.0);
    }
}

// The decoder relies on the absent entries of every letter forming one unbroken run.
TEST(SampleKeyDecoder, AbsentEntriesOfEveryLetterAreOneRun) {
    for (char letter : {'A', 'B', 'C', 'D', 'E'}) {
        const auto present = systemComponents(QChar(letter));
        ASSERT_TRUE(present);
        int runs = 0;
        for (int i = 0; i < 9; ++i) {
            if (!(*present)[i] && (i == 0 || (*present)[i - 1]))
                ++runs;
        }
        EXPECT_EQ(runs, 1) << letter;
    }
    EXPECT_FALSE(systemComponents(u'F'));
}

// Round trip: for generated samples of every letter, with filler draws that often give
// three-digit fields, every present field decodes to a range that holds the true entry.
TEST(SampleKeyDecoder, RoundTripOfGeneratedSamples) {
    std::map<QChar, int> samples;
    std::map<QChar, int> longKeys;
    for (int seed = 0; seed < 3000; ++seed) {
        DeclareVars vars;
        StandardRandom generator;
        ScriptedClock clock(seed * 1.37 + 0.5);
        GenerateSample(vars, generator, clock, seed % 3 == 0, seed % 3 == 1, seed % 3 == 2);
        const SampleTable truth = vars.SampleParams;
        OftenTinyRandom fillers(seed + 0.25);
        fillZeroEntries(vars.SampleParams, fillers);
        const QString key = sampleKey(vars.SystemCode, vars.SampleParams);

        const auto d = decodeSampleKey(key);
        ASSERT_TRUE(d.sample) << key.toStdString() << ": " << d.error.toStdString();
        const DecodedSample& s = *d.sample;
        ASSERT_EQ(QString(s.letter), vars.SystemCode);
        ++samples[s.letter];
        if (key.size() > 19)
            ++longKeys[s.letter];
        for (int i = 0; i < 9; ++i) {
            const bool present = truth[i] != Number::integer(0);
            ASSERT_EQ(s.present[i], present) << key.toStdString() << " entry " << i;
            if (!present) {
                EXPECT_EQ(s.value[i], 0.0);
                continue;
            }
            const double v = truth[i].toDouble();
            EXPECT_EQ(s.field[i], std::lround(keyFieldValue(i, truth[i])));
            EXPECT_LE(s.low[i], v * (1 + 1e-12)) << key.toStdString() << " entry " << i;
            EXPECT_GE(s.high[i], v * (1 - 1e-12)) << key.toStdString() << " entry " << i;
        }
    }
    for (QChar letter : {u'A', u'B', u'C', u'D', u'E'}) {
        EXPECT_GE(samples[letter], 100) << QString(letter).toStdString();
        EXPECT_GE(longKeys[letter], 10) << QString(letter).toStdString();
    }
}

// Keys built directly: random present fields, and every absent field two or three random
// hex digits. The present fields must come back whatever the filler lengths.
TEST(SampleKeyDecoder, PresentFieldsSurviveAnyFillerLengths) {
    std::mt19937 rng(20240611);
    const char hex[] = "0123456789ABCDEF";
    for (char letter : {'A', 'B', 'C', 'D', 'E'}) {
        const auto present = *systemComponents(QChar(letter));
        for (int round = 0; round < 500; ++round) {
            QString key(QChar::fromLatin1(letter));
            int fields[9] = {};
            for (int i = 0; i < 9; ++i) {
                const int digits = present[i] ? 2 : 2 + static_cast<int>(rng() % 2);
                int value = 0;
                for (int k = 0; k < digits; ++k) {
                    const int digit = static_cast<int>(rng() % 16);
                    value = value * 16 + digit;
                    key += QLatin1Char(hex[digit]);
                }
                fields[i] = value;
            }
            const auto d = decodeSampleKey(key);
            ASSERT_TRUE(d.sample) << key.toStdString() << ": " << d.error.toStdString();
            for (int i = 0; i < 9; ++i) {
                if (present[i])
                    EXPECT_EQ(d.sample->field[i], fields[i]) << key.toStdString();
                else
                    EXPECT_EQ(d.sample->field[i], 0) << key.toStdString();
            }
        }
    }
}

TEST(SampleKeyDecoder, LowerCaseAndSurroundingBlanksAreAccepted) {
    const auto upper = decodeSampleKey(QStringLiteral("E6912999B05D20A3308"));
    const auto lower = decodeSampleKey(QStringLiteral("  e6912999b05d20a3308\r\n"));
    ASSERT_TRUE(upper.sample);
    ASSERT_TRUE(lower.sample) << lower.error.toStdString();
    EXPECT_EQ(lower.sample->letter, u'E');
    EXPECT_EQ(lower.sample->field, upper.sample->field);
}

struct MalformedCase {
    const char* name;
    QString key;
    const char* mentions; // a part of the error text that says what is wrong
};

class MalformedKey : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedKey, GivesAOneLineError) {
    const auto d = decodeSampleKey(GetParam().key);
    EXPECT_FALSE(d.sample);
    EXPECT_FALSE(d.error.isEmpty());
    EXPECT_FALSE(d.error.contains(u'\n') || d.error.contains(u'\r') || d.error.contains(QChar(0)));
    EXPECT_TRUE(d.error.startsWith(QStringLiteral("Sample key"))) << d.error.toStdString();
    EXPECT_TRUE(d.error.contains(QString::fromUtf8(GetParam().mentions))) << d.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    SampleKeyDecoder, MalformedKey,
    ::testing::Values(
        MalformedCase{"empty", QString(), "is empty"},
        MalformedCase{"onlyBlanks", QStringLiteral("   "), "is empty"},
        MalformedCase{"unknownLetter", QStringLiteral("F6912999B05D20A3308"), "unknown system"},
        MalformedCase{"digitForLetter", QStringLiteral("06912999B05D20A3308"), "unknown system"},
        MalformedCase{"notHex", QStringLiteral("E6912999G05D20A3308"), "\"G\" at position 9"},
        MalformedCase{"blankInside", QStringLiteral("E6912 999B05D20A3308"), "position 6"},
        // Only a to z are folded to capitals: the characters just outside stay as typed.
        MalformedCase{"graveBeforeA", QStringLiteral("E69`2999B05D20A3308"), "\"`\" at position 4"},
        MalformedCase{"braceAfterZ", QStringLiteral("E69{2999B05D20A3308"), "\"{\" at position 4"},
        MalformedCase{"minusSign", QStringLiteral("E69-2999B05D20A3308"), "\"-\" at position 4"},
        MalformedCase{"fullWidthDigit", QStringLiteral("E６912999B05D20A3308"), "position 2"},
        MalformedCase{"nulInside", QStringLiteral("E69") + QChar(0) + QStringLiteral("2999B05"),
                      "\"?\" at position 4"},
        MalformedCase{"letterOnly", QStringLiteral("E"), "this one has 0"},
        // E: 12 digits for acids 1 to 3, then 6 to 9 for the three fillers
        MalformedCase{"tooShortForE", QStringLiteral("E6912999B05D20A33"), "18 to 21"},
        MalformedCase{"tooLongForE", QStringLiteral("E6912999B05D20A33080808"), "this one has 22"},
        // A: 4 digits for acid 1, then 14 to 21 for seven fillers
        MalformedCase{"tooShortForA", QStringLiteral("A7DA00A0A0A0A0A0A"), "18 to 25"},
        MalformedCase{"tooLongForA", QStringLiteral("A7DA0") + QString(22, u'1'),
                      "this one has 26"},
        MalformedCase{"tooShortForB", QStringLiteral("B0A0A0A0A0A0A0A0A"), "18 to 24"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every key the program writes is one it could write, and its filler fields are read back:
// one of the readings holds each filler value the export put into the sample.
TEST(SampleKeyDecoder, FillersOfGeneratedKeysAreReadBack) {
    int ambiguous = 0;
    for (int seed = 0; seed < 3000; ++seed) {
        DeclareVars vars;
        StandardRandom generator;
        ScriptedClock clock(seed * 2.11 + 0.75);
        GenerateSample(vars, generator, clock, seed % 3 == 0, seed % 3 == 1, seed % 3 == 2);
        const SampleTable generated = vars.SampleParams;
        OftenTinyRandom fillers(seed + 0.5);
        fillZeroEntries(vars.SampleParams, fillers);
        const QString key = sampleKey(vars.SystemCode, vars.SampleParams);
        const auto d = decodeSampleKey(key);
        ASSERT_TRUE(d.sample) << key.toStdString();
        EXPECT_EQ(impossibleKeyReason(*d.sample), QString()) << key.toStdString();
        ASSERT_FALSE(d.sample->fillers.empty()) << key.toStdString();
        ambiguous += d.sample->fillers.size() > 1 ? 1 : 0;
        bool held = false;
        for (const FillerReading& f : d.sample->fillers) {
            bool all = true;
            for (int i = 0; i < 9; ++i) {
                if (generated[i] != Number::integer(0))
                    continue;
                const double v = vars.SampleParams[i].toDouble();
                all = all && f.field[i] == std::lround(keyFieldValue(i, vars.SampleParams[i])) &&
                      f.low[i] <= v * (1 + 1e-12) && f.high[i] >= v * (1 - 1e-12);
            }
            held = held || all;
        }
        EXPECT_TRUE(held) << key.toStdString();
    }
    EXPECT_LT(ambiguous, 600); // three-digit fillers are common here, ambiguity is rarer
}

struct ImpossibleCase {
    const char* name;
    const char* key;
    const char* mentions;
};

class ImpossibleKey : public ::testing::TestWithParam<ImpossibleCase> {};

TEST_P(ImpossibleKey, IsRefusedWithAReason) {
    const auto d = decodeSampleKey(QString::fromLatin1(GetParam().key));
    ASSERT_TRUE(d.sample) << d.error.toStdString(); // well formed...
    const QString reason = impossibleKeyReason(*d.sample);
    EXPECT_TRUE(reason.contains(QString::fromLatin1(GetParam().mentions))) << reason.toStdString();
    EXPECT_TRUE(reason.endsWith(QLatin1String("not a key of this program")));
}

INSTANTIATE_TEST_SUITE_P(
    SampleKeyDecoder, ImpossibleKey,
    ::testing::Values(
        ImpossibleCase{"EveryFieldZero", "A000000000000000000", "acid 1 concentration field is 00"},
        ImpossibleCase{"ConcentrationTooHigh", "CFF1464A005D20A3308", "02 to FA"},
        ImpossibleCase{"ConstantBetweenStrongAndWeak", "A7D50059B05D20A3308",
                       "00 to 3C or 8C to F0"},
        ImpossibleCase{"SecondAcidStrong", "E6912990005D20A3308", "acid 2 constant"},
        ImpossibleCase{"FirstAcidOfDWeak", "D32A0059B05D2193355", "acid 1 constant"},
        ImpossibleCase{"FillerConcentrationTooHigh", "A7DA0509B05D20A3308", "absent components"},
        ImpossibleCase{"FillerConstantTooSmall", "A7DA0051005D20A3308", "absent components"}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever the text, the decoder returns a sample or an error, never both, never neither.
TEST(SampleKeyDecoder, ArbitraryTextNeverBreaksIt) {
    std::mt19937 rng(77);
    const QString alphabet = QStringLiteral("ABCDEFGaefz0123456789 -\t%é") + QChar(0);
    for (int round = 0; round < 20000; ++round) {
        QString key;
        const int length = static_cast<int>(rng() % 30);
        for (int k = 0; k < length; ++k)
            key += alphabet.at(static_cast<qsizetype>(rng() % alphabet.size()));
        const auto d = decodeSampleKey(key);
        EXPECT_NE(d.sample.has_value(), !d.error.isEmpty()) << key.toStdString();
    }
}

} // namespace
} // namespace drevant
