// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs the number-text fuzz target (fuzz/numbertext_fuzzer.cpp) found to break the printing
// of numbers, kept as tests. The raw inputs are in fuzz/regressions/numbertext/.
#include "session/numbertext.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace drevant {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

struct NonFiniteCase {
    const char* name;
    Number value;
    const char* printed;     // printedNumber, in the C locale
    const char* twoDecimals; // twoDecimals of the value widened to 64 bits
};

void PrintTo(const NonFiniteCase& c, std::ostream* out) {
    *out << c.name;
}

class NonFiniteNumbers : public ::testing::TestWithParam<NonFiniteCase> {};

// "%e" writes NaN and infinity without an exponent; the digits used to be taken from the
// bytes after the text, which asked for gigabytes (the fuzz input 31 31 ff ff as a 32-bit
// float is a NaN), and twoDecimals converted them to a 64-bit integer, which is undefined.
TEST_P(NonFiniteNumbers, PrintAsWordsAndDoNotReadBack) {
    const NonFiniteCase& c = GetParam();
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        const QString printed = printedNumber(c.value, locale);
        EXPECT_EQ(printed, QString::fromLatin1(c.printed));
        EXPECT_FALSE(parseDecimal(printed, locale).has_value()) << printed.toStdString();
        EXPECT_EQ(twoDecimals(c.value.toDouble(), locale), QString::fromLatin1(c.twoDecimals));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fuzzed, NonFiniteNumbers,
    ::testing::Values(
        NonFiniteCase{"SingleNanFromFuzzInput", Number::single(std::bit_cast<float>(0xffff3131u)),
                      " NAN ", "NAN"},
        NonFiniteCase{"SingleAllOnesNan", Number::single(std::bit_cast<float>(0xffffffffu)),
                      " NAN ", "NAN"},
        NonFiniteCase{"DoubleNan", Number::real(std::nan("")), " NAN ", "NAN"},
        NonFiniteCase{"PositiveInfinity", Number::real(Inf), " INF ", "INF"},
        NonFiniteCase{"NegativeInfinity", Number::real(-Inf), "-INF ", "-INF"},
        NonFiniteCase{"SingleNegativeInfinity",
                      Number::single(-std::numeric_limits<float>::infinity()), "-INF ", "-INF"}),
    [](const auto& info) { return std::string(info.param.name); });

struct HugeCase {
    const char* name;
    double value;
    const char* c;      // twoDecimals in the C locale
    const char* german; // and with the decimal comma
};

void PrintTo(const HugeCase& c, std::ostream* out) {
    *out << c.name;
}

class HugeTwoDecimals : public ::testing::TestWithParam<HugeCase> {};

// Values whose hundredths do not fit a 64-bit integer are whole numbers (beyond 2^53): their
// digits are written exactly, with two zero decimals, and read back as the same value.
TEST_P(HugeTwoDecimals, WriteTheWholeNumberWithTwoZeros) {
    const HugeCase& c = GetParam();
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(twoDecimals(c.value, QLocale::c()), QString::fromLatin1(c.c));
    EXPECT_EQ(twoDecimals(c.value, german), QString::fromLatin1(c.german));
    EXPECT_EQ(parseDecimal(twoDecimals(c.value, german), german), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Fuzzed, HugeTwoDecimals,
    ::testing::Values(
        // 2^63 / 100 rounded up to a whole 1e17: the first values past the integer range.
        HugeCase{"TenToTheSeventeen", 1e17, "100000000000000000.00", "100000000000000000,00"},
        HugeCase{"NegativeTenToTheTwenty", -1e20, "-100000000000000000000.00",
                 "-100000000000000000000,00"},
        // 2^70 = 1180591620717411303424, exactly representable.
        HugeCase{"TwoToTheSeventy", 1180591620717411303424.0, "1180591620717411303424.00",
                 "1180591620717411303424,00"},
        // Just below the threshold the ordinary path still rounds to hundredths: 2^56.
        HugeCase{"TwoToTheFiftySix", 72057594037927936.0, "72057594037927936.00",
                 "72057594037927936,00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HugeTwoDecimals, LargestDoubleHasAllItsDigits) {
    const QString text = twoDecimals(std::numeric_limits<double>::max(), QLocale::c());
    EXPECT_EQ(text.size(), 309 + 3); // 1.797...e308 has 309 digits before the separator
    EXPECT_TRUE(text.startsWith(QStringLiteral("179769313486231570"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(".00")));
}

} // namespace
} // namespace drevant
