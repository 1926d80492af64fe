// SPDX-License-Identifier: GPL-3.0-or-later
// The data table's two-decimal text is the value itself rounded to the nearest hundredth: the
// exact decimal expansion of the binary value decides, not a product rounded on the way.
// Checked against an independent exact expansion over many random 32-bit and 64-bit values.
#include "session/numbertext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <random>
#include <string>
#include <vector>

namespace drevant {
namespace {

// The exact decimal digits of a finite non-negative double: every binary fraction is a finite
// decimal, m * 2^-k = m * 5^k / 10^k. Returns the digits and how many of them are decimals.
struct ExactDecimal {
    std::string digits; // most significant first, no sign
    int decimals = 0;
};

ExactDecimal exactDecimal(double value) {
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent); // value = fraction * 2^exponent
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    std::vector<int> number; // little-endian decimal digits of the whole number
    for (; mantissa > 0; mantissa /= 10)
        number.push_back(static_cast<int>(mantissa % 10));
    const auto multiply = [&number](int factor) {
        int carry = 0;
        for (int& digit : number) {
            const int product = digit * factor + carry;
            digit = product % 10;
            carry = product / 10;
        }
        for (; carry > 0; carry /= 10)
            number.push_back(carry % 10);
    };
    ExactDecimal out;
    for (; exponent > 0; --exponent)
        multiply(2);
    for (; exponent < 0; ++exponent) {
        multiply(5);
        ++out.decimals;
    }
    while (static_cast<int>(number.size()) <= out.decimals)
        number.push_back(0); // at least one digit before the point
    for (auto it = number.rbegin(); it != number.rend(); ++it)
        out.digits.push_back(static_cast<char>('0' + *it));
    return out;
}

// Rounds the exact expansion to two decimals; an exact half goes away from zero.
std::string roundedExactly(double value, char separator) {
    const bool negative = std::signbit(value);
    ExactDecimal d = exactDecimal(std::fabs(value));
    while (d.decimals < 3) { // pad so the digit after the hundredths exists
        d.digits.push_back('0');
        ++d.decimals;
    }
    const std::size_t cut = d.digits.size() - static_cast<std::size_t>(d.decimals) + 2;
    std::string kept = d.digits.substr(0, cut);
    const std::string rest = d.digits.substr(cut);
    const bool up = rest[0] >= '5'; // at or above the half: an exact half goes away from zero
    if (up) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i)
            kept[static_cast<std::size_t>(i)] = '0';
        if (i < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[static_cast<std::size_t>(i)];
    }
    // Strip zeros before the units digit.
    std::size_t lead = 0;
    while (lead + 3 < kept.size() && kept[lead] == '0')
        ++lead;
    kept = kept.substr(lead);
    std::string text = kept.substr(0, kept.size() - 2) + separator + kept.substr(kept.size() - 2);
    const bool zero = std::all_of(kept.begin(), kept.end(), [](char c) { return c == '0'; });
    return negative && !zero ? "-" + text : text;
}

// Checks the oracle itself on values whose answer is known by hand.
TEST(ExactRounding, OracleKnowsTheHandWorkedCases) {
    EXPECT_EQ(roundedExactly(1.075, '.'), "1.07"); // 1.07499999999999995559...
    EXPECT_EQ(roundedExactly(0.125, '.'), "0.13"); // exactly half
    EXPECT_EQ(roundedExactly(-0.125, '.'), "-0.13");
    EXPECT_EQ(roundedExactly(1.005, '.'), "1.00"); // 1.00499999999999989342...
    EXPECT_EQ(roundedExactly(2.675, '.'), "2.67"); // 2.67499999999999982236...
    EXPECT_EQ(roundedExactly(0.015, '.'), "0.01"); // 0.01499999999999999944...
    EXPECT_EQ(roundedExactly(0.045, '.'), "0.04"); // 0.04499999999999999833...
    EXPECT_EQ(roundedExactly(0.055, '.'), "0.06"); // 0.05500000000000000027...
    EXPECT_EQ(roundedExactly(9.999, ','), "10,00");
    EXPECT_EQ(roundedExactly(-0.001, '.'), "0.00");
    EXPECT_EQ(roundedExactly(20.0, '.'), "20.00");
}

// Values a table can hold, and the awkward ones: just below and above every half-hundredth.
std::vector<double> sampleValues(std::mt19937_64& rng, int count, bool single) {
    std::vector<double> values;
    std::uniform_real_distribution<double> millilitres(0.0, 20.0);
    std::uniform_int_distribution<int> halves(0, 4000); // (2k+1)/200 for k up to 20 mL
    std::uniform_int_distribution<int> ulps(-3, 3);
    for (int i = 0; i < count; ++i) {
        double v = 0;
        switch (i % 4) {
        case 0: // a volume in mL as the log holds it: litres times 1000 in its own kind
            v = single ? double(float(float(millilitres(rng) / 1000) * 1000))
                       : (millilitres(rng) / 1000) * 1000;
            break;
        case 1: // any value of the kind in the range, by its bits
            v = single ? double(std::bit_cast<float>(static_cast<std::uint32_t>(
                             std::uniform_int_distribution<std::uint32_t>(0x3a000000u,
                                                                          0x41a00000u)(rng))))
                       : std::bit_cast<double>(std::uniform_int_distribution<std::uint64_t>(
                             0x3f40000000000000ull, 0x4034000000000000ull)(rng));
            break;
        default: { // near a half-hundredth, a few units in the last place either side
            double near = (2.0 * halves(rng) + 1) / 200;
            if (single) {
                float f = static_cast<float>(near);
                for (int n = ulps(rng); n != 0; n += n > 0 ? -1 : 1)
                    f = std::nextafter(f, n > 0 ? 100.0f : 0.0f);
                v = f;
            } else {
                for (int n = ulps(rng); n != 0; n += n > 0 ? -1 : 1)
                    near = std::nextafter(near, n > 0 ? 100.0 : 0.0);
                v = near;
            }
            break;
        }
        }
        values.push_back(i % 8 == 7 ? -v : v);
    }
    return values;
}

struct KindRow {
    const char* name;
    bool single;
    std::uint64_t seed;
};

class TwoDecimalsProperty : public ::testing::TestWithParam<KindRow> {};

TEST_P(TwoDecimalsProperty, MatchesExactDecimalRoundingInBothLocales) {
    std::mt19937_64 rng(GetParam().seed);
    const QLocale german(QLocale::German, QLocale::Germany);
    int mismatches = 0;
    for (double v : sampleValues(rng, 40000, GetParam().single)) {
        const std::string c = roundedExactly(v, '.');
        const std::string de = roundedExactly(v, ',');
        if (twoDecimals(v, QLocale::c()).toStdString() != c ||
            twoDecimals(v, german).toStdString() != de) {
            if (++mismatches <= 5)
                ADD_FAILURE() << std::hexfloat << v << std::defaultfloat << " ("
                              << std::setprecision(21) << v << "): expected " << c << ", got "
                              << twoDecimals(v, QLocale::c()).toStdString();
        }
    }
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, TwoDecimalsProperty,
                         ::testing::Values(KindRow{"ThirtyTwoBit", true, 20261209},
                                           KindRow{"SixtyFourBit", false, 1075}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drevant
