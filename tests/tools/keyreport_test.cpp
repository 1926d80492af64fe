// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyreport.h"

#include "session/declarevars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace drevant::keytool {
namespace {

// Expected values of a decoded component, worked out by hand from the field arithmetic:
// C = f / 25000, pKa = f / 20 - 3, pK1 = f / 85 + 4, pK2 = f / 85 + 7.
struct Component {
    int concIndex;    // 0, 2, 4 (monoprotic) or 6 (diprotic)
    double molPerL;   // decoded concentration
    double pk;        // pKa, or pK1 for the diprotic acid
    double pk2;       // pK2 of the diprotic acid (unused for monoprotic acids)
    const char* line; // the component's line in the report, from its start
};

struct LetterCase {
    const char* name;
    const char* key;
    char letter;
    const char* words;
    std::vector<Component> components; // exactly the components the letter names
};

class EveryLetter : public ::testing::TestWithParam<LetterCase> {};

TEST_P(EveryLetter, DecodesOnlyTheComponentsTheLetterNames) {
    const LetterCase& c = GetParam();
    const AnalysedInput input =
        analyseKey(QString::fromLatin1(c.key), std::nullopt, QString(), std::nullopt);
    ASSERT_FALSE(input.failed) << input.error.toStdString();
    const DecodedSample& s = *input.sample;
    EXPECT_EQ(s.letter, QChar(c.letter));

    std::array<bool, 9> expectedPresent{};
    for (const Component& comp : c.components) {
        expectedPresent[comp.concIndex] = true;
        expectedPresent[comp.concIndex + 1] = true;
        if (comp.concIndex == DiproticConc)
            expectedPresent[DiproticK2] = true;
        EXPECT_NEAR(s.value[comp.concIndex], comp.molPerL, 1e-12) << "entry " << comp.concIndex;
        EXPECT_NEAR(pkOf(s.value[comp.concIndex + 1]), comp.pk, 1e-9) << "entry " << comp.concIndex;
        if (comp.concIndex == DiproticConc) {
            EXPECT_NEAR(pkOf(s.value[DiproticK2]), comp.pk2, 1e-9);
        }
    }
    EXPECT_EQ(s.present, expectedPresent);

    const QString report = formatReport(input);
    EXPECT_TRUE(
        report.contains(QStringLiteral("System %1: %2").arg(c.letter).arg(QLatin1String(c.words))))
        << report.toStdString();
    for (const Component& comp : c.components) {
        EXPECT_TRUE(report.contains(QStringLiteral("  ") + QString::fromUtf8(comp.line)))
            << "missing: " << comp.line << "\n"
            << report.toStdString();
    }
    // Absent components (their fields are fillers) are not reported at all.
    const char* labels[] = {"Acid 1:", "Acid 2:", "Acid 3:"};
    for (int acid = 0; acid < 3; ++acid) {
        EXPECT_EQ(report.contains(QLatin1String(labels[acid])), expectedPresent[2 * acid])
            << labels[acid] << "\n"
            << report.toStdString();
    }
    EXPECT_EQ(report.contains(QLatin1String("Diprotic acid:")), expectedPresent[DiproticConc]);
}

// Fillers: two-digit ones, and three-digit ones (fields "1A0", "1A3", "2B0") that the
// decoder must skip where an absent run lies between present fields or at the end.
INSTANTIATE_TEST_SUITE_P(
    KeyReport, EveryLetter,
    ::testing::Values(
        // 0x69 = 105 -> 0.0042; 0x12 = 18 -> pKa -2.1 (K = 126: strong)
        LetterCase{"A_Strong",
                   "A6912059B05D20A3308",
                   'A',
                   "one monoprotic acid, strong or weak",
                   {{0, 0.0042, -2.1, 0,
                     "Acid 1: 0.00420 ± 0.00002 mol/L, strong (pKa -2.100 ± 0.025, Ka 126)"}}},
        // 0x7D = 125 -> 0.005; 0xA0 = 160 -> pKa 5; fillers of fields 3, 7, 8 have 3 digits
        LetterCase{"A_WeakThreeDigitFillers",
                   "A7DA0051A0059B051A32B0",
                   'A',
                   "one monoprotic acid, strong or weak",
                   {{0, 0.005, 5.0, 0,
                     "Acid 1: 0.00500 ± 0.00002 mol/L, weak, pKa 5.000 ± 0.025 (Ka 1e-05)"}}},
        // diprotic: 0x7D -> 0.005; 0x33 = 51 -> pK1 4.6; 0x55 = 85 -> pK2 8
        LetterCase{"B_ThreeDigitFiller",
                   "B051A0059B05D27D3355",
                   'B',
                   "one diprotic acid",
                   {{6, 0.005, 4.6, 8.0,
                     "Diprotic acid: 0.00500 ± 0.00002 mol/L, pK1 4.600 ± 0.006 (K1 2.51e-05), "
                     "pK2 8.000 ± 0.006 (K2 1e-08)"}}},
        // 0x32 = 50 -> 0.002, 0x14 = 20 -> pKa -2; 0x64 = 100 -> 0.004, 0xA0 -> pKa 5
        LetterCase{"C_StrongThenWeak",
                   "C321464A005D20A3308",
                   'C',
                   "two monoprotic acids, the second weak",
                   {{0, 0.002, -2.0, 0,
                     "Acid 1: 0.00200 ± 0.00002 mol/L, strong (pKa -2.000 ± 0.025, Ka 100)"},
                    {2, 0.004, 5.0, 0,
                     "Acid 2: 0.00400 ± 0.00002 mol/L, weak, pKa 5.000 ± 0.025 (Ka 1e-05)"}}},
        // 0xC8 = 200 -> pKa 7; 0x8C = 140 -> pKa 4; three-digit fillers at the end
        LetterCase{"C_TwoWeakThreeDigitFillers",
                   "C32C8648C05D20A1A32B0",
                   'C',
                   "two monoprotic acids, the second weak",
                   {{0, 0.002, 7.0, 0,
                     "Acid 1: 0.00200 ± 0.00002 mol/L, weak, pKa 7.000 ± 0.025 (Ka 1e-07)"},
                    {2, 0.004, 4.0, 0,
                     "Acid 2: 0.00400 ± 0.00002 mol/L, weak, pKa 4.000 ± 0.025 (Ka 0.0001)"}}},
        // strong acid 1 and the diprotic acid, 0x19 = 25 -> 0.001; a 3-digit filler between
        LetterCase{"D_ThreeDigitFillerBetween",
                   "D3214051A0059B193355",
                   'D',
                   "a strong monoprotic acid beside a diprotic acid",
                   {{0, 0.002, -2.0, 0,
                     "Acid 1: 0.00200 ± 0.00002 mol/L, strong (pKa -2.000 ± 0.025, Ka 100)"},
                    {6, 0.001, 4.6, 8.0, "Diprotic acid: 0.00100 ± 0.00002 mol/L, pK1 4.600"}}},
        // The worked example: 0x99 = 153 -> 0.00612, 0x9B = 155 -> pKa 4.75;
        // 0x05 -> 0.0002, 0xD2 = 210 -> pKa 7.5
        LetterCase{"E_WorkedExample",
                   "E6912999B05D20A3308",
                   'E',
                   "three monoprotic acids, the first strong, the other two weak",
                   {{0, 0.0042, -2.1, 0, "Acid 1: 0.00420 ± 0.00002 mol/L, strong"},
                    {2, 0.00612, 4.75, 0,
                     "Acid 2: 0.00612 ± 0.00002 mol/L, weak, pKa 4.750 ± 0.025 (Ka 1.78e-05)"},
                    {4, 0.0002, 7.5, 0,
                     "Acid 3: 0.00020 ± 0.00002 mol/L, weak, pKa 7.500 ± 0.025 (Ka 3.16e-08)"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The filler fields carry no information: keys that differ only there report the same.
TEST(KeyReport, FillerFieldsChangeNothing) {
    const auto a = analyseKey(QStringLiteral("D3214059B05D2193355"), 0.1, "0.1", 0.05);
    const auto b = analyseKey(QStringLiteral("D3214051A00C1A3193355"), 0.1, "0.1", 0.05);
    ASSERT_FALSE(a.failed);
    ASSERT_FALSE(b.failed) << b.error.toStdString();
    QString ra = formatReport(a);
    QString rb = formatReport(b);
    ra.remove(0, ra.indexOf(u'\n'));
    rb.remove(0, rb.indexOf(u'\n'));
    EXPECT_EQ(ra, rb);
}

// Equivalence volumes worked out by hand: V = (sum of C x V0 so far) / N, in mL.
struct Endpoint {
    double ml;
    const char* protons;
    bool beyond;
};

struct EquivalenceCase {
    const char* name;
    const char* key;
    double normality;
    double sampleVolumeL;
    double resolutionMl; // half a concentration step (0.00002 mol/L) x V0 / N, per group
    std::vector<Endpoint> endpoints;
};

class Equivalence : public ::testing::TestWithParam<EquivalenceCase> {};

TEST_P(Equivalence, MatchesHandComputedVolumes) {
    const EquivalenceCase& c = GetParam();
    const AnalysedInput input =
        analyseKey(QString::fromLatin1(c.key), c.normality, QString(), c.sampleVolumeL);
    ASSERT_FALSE(input.failed) << input.error.toStdString();
    ASSERT_EQ(input.equivalences.size(), c.endpoints.size());
    for (std::size_t i = 0; i < c.endpoints.size(); ++i) {
        const EquivalencePoint& e = input.equivalences[i];
        EXPECT_NEAR(e.volumeMl, c.endpoints[i].ml, 1e-9) << "endpoint " << i + 1;
        EXPECT_TRUE(e.protons.startsWith(QLatin1String(c.endpoints[i].protons)))
            << e.protons.toStdString();
        EXPECT_EQ(e.beyondBurette(), c.endpoints[i].beyond);
        // The uncertainty adds up one concentration step per group of protons.
        EXPECT_NEAR(e.resolutionMl, c.resolutionMl * static_cast<double>(i + 1), 1e-9);
    }
    const QString report = formatReport(input);
    EXPECT_EQ(report.count(QLatin1String("(beyond the 20 mL burette)")),
              std::count_if(c.endpoints.begin(), c.endpoints.end(),
                            [](const Endpoint& e) { return e.beyond; }));
}

INSTANTIATE_TEST_SUITE_P(
    KeyReport, Equivalence,
    ::testing::Values(
        // 0.005 mol/L x 0.2 L = 0.001 mol; / 0.25 N = 4 mL
        EquivalenceCase{"A_Weak",
                        "A7DA0051A0059B051A32B0",
                        0.25,
                        0.2,
                        0.016,
                        {{4.0, "acid 1 (pKa 5.000)", false}}},
        // 0.0042 x 0.05 / 0.25 = 0.84 mL
        EquivalenceCase{"A_Strong",
                        "A6912059B05D20A3308",
                        0.25,
                        0.05,
                        0.004,
                        {{0.84, "acid 1 (strong)", false}}},
        // both protons of 0.005 mol/L x 0.2 L: 4 mL each
        EquivalenceCase{
            "B_Diprotic",
            "B051A0059B05D27D3355",
            0.25,
            0.2,
            0.016,
            {{4.0, "diprotic acid, 1st proton", false}, {8.0, "diprotic acid, 2nd proton", false}}},
        // strong 0.002 x 0.05 / 0.1 = 1 mL first, then weak 0.004 x 0.05 / 0.1 = 2 mL more
        EquivalenceCase{"C_StrongFirst",
                        "C321464A005D20A3308",
                        0.1,
                        0.05,
                        0.01,
                        {{1.0, "acid 1 (strong)", false}, {3.0, "acid 2 (pKa 5.000)", false}}},
        // two weak acids: acid 2 (pKa 4) before acid 1 (pKa 7)
        EquivalenceCase{"C_StrongerSecond",
                        "C32C8648C05D20A1A32B0",
                        0.1,
                        0.05,
                        0.01,
                        {{2.0, "acid 2 (pKa 4.000)", false}, {3.0, "acid 1 (pKa 7.000)", false}}},
        // strong 0.002 x 0.15 / 0.02 = 15 mL, then 0.001 x 0.15 / 0.02 = 7.5 mL per proton
        EquivalenceCase{"D_BeyondTheBurette",
                        "D3214051A0059B193355",
                        0.02,
                        0.15,
                        0.15,
                        {{15.0, "acid 1 (strong)", false},
                         {22.5, "diprotic acid, 1st proton", true},
                         {30.0, "diprotic acid, 2nd proton", true}}},
        // 0.84 mL; + 0.00612 x 0.05 / 0.25 = 1.224; + 0.0002 x 0.05 / 0.25 = 0.04
        EquivalenceCase{"E_WorkedExample",
                        "E6912999B05D20A3308",
                        0.25,
                        0.05,
                        0.004,
                        {{0.84, "acid 1 (strong)", false},
                         {2.064, "acid 2 (pKa 4.750)", false},
                         {2.104, "acid 3 (pKa 7.500)", false}}}),
    [](const auto& info) { return std::string(info.param.name); });

// An edited key can make more than one acid strong: they reach one endpoint together, and
// that endpoint comes before every weak proton however large the weak constants are.
TEST(KeyReport, StrongAcidsShareTheFirstEndpoint) {
    // E with acids 1 and 2 strong (fields 0x14 and 0x00) and acid 3 at pKa 4 (0x8C)
    // (No export writes such a key, so the tool refuses it; the endpoint rule is checked on
    // the decoded sample itself.)
    const auto decoded = decodeSampleKey(QStringLiteral("E32146400328C051A32B0"));
    ASSERT_TRUE(decoded.sample) << decoded.error.toStdString();
    const auto equivalences = equivalencePoints(*decoded.sample, 0.1, 0.05);
    ASSERT_EQ(equivalences.size(), 2u);
    EXPECT_EQ(equivalences[0].protons, QStringLiteral("acids 1 and 2 (strong)"));
    EXPECT_NEAR(equivalences[0].volumeMl, 3.0, 1e-9); // (0.002 + 0.004) x 0.05 / 0.1
    EXPECT_NEAR(equivalences[1].volumeMl, 4.0, 1e-9); // + 0.002 x 0.05 / 0.1
}

TEST(KeyReport, BareKeyWithoutTitrantAsksForIt) {
    const auto input =
        analyseKey(QStringLiteral("E6912999B05D20A3308"), std::nullopt, QString(), std::nullopt);
    ASSERT_FALSE(input.failed);
    EXPECT_TRUE(input.equivalences.empty());
    EXPECT_TRUE(
        formatReport(input).contains(QLatin1String("give --normality N and --volume-ml V")));
}

TEST(KeyReport, ErrorLineNamesFileAndLine) {
    AnalysedInput input;
    input.name = QStringLiteral("class/a\nb.dat");
    input.failed = true;
    input.errorLine = 7;
    input.error = QStringLiteral("the line has no line end: the file is truncated");
    EXPECT_EQ(errorLine(input),
              QStringLiteral("class/a?b.dat:7: the line has no line end: the file is truncated"));
    input.errorLine = 0;
    input.error = QStringLiteral("no such file");
    EXPECT_EQ(errorLine(input), QStringLiteral("class/a?b.dat: no such file"));
}

// A suspect point is printed with the decimals that show it outside its bands: 3 where that
// is enough, more where the point and an end of a band print alike at 3.
struct SuspectDigits {
    const char* name;
    double ph;
    PhBand generated;
    std::optional<PhBand> afterExport;
    int decimals;
};

class SuspectPointText : public ::testing::TestWithParam<SuspectDigits> {};

TEST_P(SuspectPointText, ShowsThePointOutsideItsBands) {
    const SuspectDigits& c = GetParam();
    CheckedPoint p;
    p.ph = c.ph;
    p.generated = c.generated;
    p.afterExport = c.afterExport;
    EXPECT_EQ(suspectDecimals(p), c.decimals);
}

INSTANTIATE_TEST_SUITE_P(
    KeyReport, SuspectPointText,
    ::testing::Values(SuspectDigits{"ClearlyAbove", 2.3, {2.212, 2.24}, std::nullopt, 3},
                      SuspectDigits{"ClearlyBelow", 2.1, {2.212, 2.24}, std::nullopt, 3},
                      SuspectDigits{"AboveInTheFourth", 2.2404, {2.212, 2.2399}, std::nullopt, 4},
                      SuspectDigits{"BelowInTheFourth", 2.2116, {2.2121, 2.24}, std::nullopt, 4},
                      SuspectDigits{
                          "AfterExportBandDecides", 2.3, {2.212, 2.24}, PhBand{2.1, 2.29996}, 5},
                      SuspectDigits{"TouchingInTheLastDigit",
                                    std::nextafter(2.24, 3.0),
                                    {2.212, 2.24},
                                    std::nullopt,
                                    MaxShownPhDecimals}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyReport, SuspectLineShowsWhy) {
    CheckedPoint p;
    p.volumeL = 0.0123;
    p.ph = 2.2404;
    p.generated = {2.212, 2.2399};
    const int decimals = suspectDecimals(p);
    EXPECT_EQ(pointText(p, decimals) + QStringLiteral(", true ") + bandText(p.generated, decimals),
              QStringLiteral("12.30 mL, pH 2.2404, true pH 2.2120 to 2.2399"));
}

} // namespace
} // namespace drevant::keytool
