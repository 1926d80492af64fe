// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/numbertext.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <random>
#include <string>

namespace drevant {
namespace {

struct PrintedCase {
    const char* name;
    Number value;
    const char* printed; // in the C locale
};

// Test names in listings show the row name rather than the row's bytes.
void PrintTo(const PrintedCase& c, std::ostream* out) {
    *out << c.name;
}

class PrintedNumbers : public ::testing::TestWithParam<PrintedCase> {};

TEST_P(PrintedNumbers, HaveSignPositionDigitsAndOneBlank) {
    const PrintedCase& c = GetParam();
    EXPECT_EQ(printedNumber(c.value, QLocale::c()), QString::fromLatin1(c.printed));
}

INSTANTIATE_TEST_SUITE_P(
    Print, PrintedNumbers,
    ::testing::Values(
        PrintedCase{"integerZero", Number::integer(0), " 0 "},
        PrintedCase{"integerNegative", Number::integer(-3), "-3 "},
        PrintedCase{"pointCount", Number::integer(201), " 201 "},
        PrintedCase{"integerLimit", Number::integer(-32768), "-32768 "},
        // 15 significant digits of 8.357999999999999 are 8.35800000000000
        PrintedCase{"doubleRoundsAtFifteenDigits", Number::real(8.357999999999999), " 8.358 "},
        // 0.0042f widened is 0.00419999985..., its 7 digits are 0.004200000
        PrintedCase{"singleRoundsAtSevenDigits", Number::single(0.0042f), " 0.0042 "},
        PrintedCase{"singleSumShowsOnlyItsOwnDigits", Number::single(0.1f) + Number::single(0.2f),
                    " 0.3 "},
        PrintedCase{"wholeDouble", Number::real(20.0), " 20 "},
        PrintedCase{"wholeSingle", Number::single(20.0f), " 20 "},
        PrintedCase{"negativeWholeDouble", Number::real(-7.0), "-7 "},
        PrintedCase{"doubleZero", Number::real(0.0), " 0 "},
        PrintedCase{"zeroBeforeThePoint", Number::real(0.25), " 0.25 "},
        PrintedCase{"smallVolume", Number::real(0.0001), " 0.0001 "},
        PrintedCase{"noExponentForTinyValues", Number::real(1e-7), " 0.0000001 "},
        PrintedCase{"noExponentForLargeValues", Number::real(1.5e16), " 15000000000000000 "},
        PrintedCase{"lowestPh", Number::real(0.014000000000000002), " 0.014 "},
        PrintedCase{"fifteenDigitsKept", Number::real(0.123456789012345), " 0.123456789012345 "},
        PrintedCase{"sixteenthDigitRoundsUp", Number::real(1.0000000000000049), " 1 "}),
    [](const auto& info) { return std::string(info.param.name); });

// A value rounded to `digits` significant digits, read back as a double.
double roundedToDigits(double value, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, value);
    return std::strtod(buf, nullptr);
}

class RoundTrip : public ::testing::TestWithParam<QLocale::Language> {
protected:
    QLocale locale() const {
        return GetParam() == QLocale::German ? QLocale(QLocale::German, QLocale::Germany)
                                             : QLocale::c();
    }

    // Checks the printed form of n and returns the value it reads back as.
    double printAndParse(Number n) {
        const QLocale loc = locale();
        const QString printed = printedNumber(n, loc);
        const QString sep = loc == QLocale::c() ? QStringLiteral(".") : QStringLiteral(",");
        const QString otherSep =
            sep == QStringLiteral(".") ? QStringLiteral(",") : QStringLiteral(".");
        EXPECT_TRUE(printed.endsWith(u' ')) << printed.toStdString();
        EXPECT_EQ(printed.at(0), n.toDouble() < 0 ? u'-' : u' ') << printed.toStdString();
        EXPECT_FALSE(printed.contains(u'e') || printed.contains(u'E')) << printed.toStdString();
        EXPECT_FALSE(printed.contains(otherSep)) << printed.toStdString();
        if (printed.contains(sep)) {
            // no zeros after the last significant digit of the fraction
            EXPECT_NE(printed.at(printed.size() - 2), u'0') << printed.toStdString();
        }
        const auto parsed = parseDecimal(printed, loc);
        EXPECT_TRUE(parsed.has_value()) << printed.toStdString();
        return parsed.value_or(std::nan(""));
    }
};

TEST_P(RoundTrip, DoublesReadBackAtFifteenDigits) {
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> exponent(-12.0, 12.0);
    std::bernoulli_distribution negative(0.3);
    for (int i = 0; i < 20000; ++i) {
        double value = std::pow(10.0, exponent(rng));
        if (i % 4 == 0) // any mantissa at any binary exponent, subnormals and huge ones included
            value = std::ldexp(1.0 + static_cast<double>(rng() >> 11) * 0x1.0p-53,
                               static_cast<int>(rng() % 2097) - 1074);
        if (negative(rng))
            value = -value;
        if (!std::isfinite(value))
            continue;
        const double parsed = printAndParse(Number::real(value));
        const double expected = roundedToDigits(value, 15);
        ASSERT_EQ(parsed, expected) << "value " << value;
        // whole exactly when the 15 digits are whole: then there is no separator
        const bool whole = expected == std::floor(expected);
        EXPECT_EQ(numberDigits(Number::real(value), locale()).contains(u'.') ||
                      numberDigits(Number::real(value), locale()).contains(u','),
                  !whole)
            << "value " << value;
    }
}

TEST_P(RoundTrip, SinglesReadBackAtSevenDigits) {
    std::mt19937_64 rng(12);
    std::uniform_real_distribution<double> exponent(-8.0, 8.0);
    for (int i = 0; i < 20000; ++i) {
        float value = static_cast<float>(std::pow(10.0, exponent(rng)));
        if (i % 4 == 0) { // any finite float, subnormals included
            value = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
            if (!std::isfinite(value))
                continue;
        }
        if (i % 3 == 0)
            value = -value;
        const double parsed = printAndParse(Number::single(value));
        ASSERT_EQ(parsed, roundedToDigits(value, 7)) << "value " << value;
    }
}

TEST_P(RoundTrip, IntegersReadBackExactly) {
    for (int v = -32768; v <= 32767; v += 7) {
        const Number n = Number::integer(static_cast<std::int16_t>(v));
        ASSERT_EQ(printAndParse(n), static_cast<double>(v));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, RoundTrip, ::testing::Values(QLocale::C, QLocale::German),
                         [](const auto& info) {
                             return std::string(info.param == QLocale::C ? "C" : "German");
                         });

TEST(ParseDecimal, ReadsWhatLabelsShowAndRejectsTheRest) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(parseDecimal(QStringLiteral("0.25"), QLocale::c()), 0.25);
    EXPECT_EQ(parseDecimal(QStringLiteral("0,25"), german), 0.25);
    EXPECT_EQ(parseDecimal(QStringLiteral("0.25"), german), 0.25) << "a point is always read";
    EXPECT_EQ(parseDecimal(QStringLiteral("  200 "), QLocale::c()), 200.0);
    EXPECT_FALSE(parseDecimal(QString(), QLocale::c()).has_value());
    EXPECT_FALSE(parseDecimal(QStringLiteral("No Data"), QLocale::c()).has_value());
    EXPECT_FALSE(parseDecimal(QStringLiteral("1e5"), QLocale::c()).has_value());
    EXPECT_FALSE(parseDecimal(QStringLiteral("inf"), QLocale::c()).has_value());
}

struct TwoDecimalsCase {
    const char* name;
    double value;
    const char* c;      // C locale
    const char* german; // decimal comma
};

void PrintTo(const TwoDecimalsCase& c, std::ostream* out) {
    *out << c.name;
}

class TwoDecimals : public ::testing::TestWithParam<TwoDecimalsCase> {};

TEST_P(TwoDecimals, RoundsHalfAwayFromZero) {
    const TwoDecimalsCase& c = GetParam();
    EXPECT_EQ(twoDecimals(c.value, QLocale::c()), QString::fromLatin1(c.c));
    EXPECT_EQ(twoDecimals(c.value, QLocale(QLocale::German, QLocale::Germany)),
              QString::fromLatin1(c.german));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TwoDecimals,
    ::testing::Values(
        // a 32-bit-free volume of 1.5 mL, as the table turns litres into mL
        TwoDecimalsCase{"litresToMillilitres", 0.0015 * 1000, "1.50", "1,50"},
        TwoDecimalsCase{"whole", 7, "7.00", "7,00"}, TwoDecimalsCase{"zero", 0, "0.00", "0,00"},
        TwoDecimalsCase{"roundsDown", 12.3456, "12.35", "12,35"},
        TwoDecimalsCase{"fullBurette", 20.0, "20.00", "20,00"},
        // 0.125, 0.375 and 2.625 are exact in binary: true halves, rounded away from zero
        TwoDecimalsCase{"halfUp", 0.125, "0.13", "0,13"},
        TwoDecimalsCase{"anotherHalf", 0.375, "0.38", "0,38"},
        TwoDecimalsCase{"halfAboveTwo", 2.625, "2.63", "2,63"},
        TwoDecimalsCase{"negativeHalf", -0.125, "-0.13", "-0,13"},
        TwoDecimalsCase{"highPh", 13.678, "13.68", "13,68"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drevant
