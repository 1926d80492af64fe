// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/declarevars.h"
#include "session/logvalue.h"
#include "session/number.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace drevant {
namespace {

enum class Op { Add, Sub, Mul, Div };

Number apply(Op op, Number a, Number b) {
    switch (op) {
    case Op::Add:
        return a + b;
    case Op::Sub:
        return a - b;
    case Op::Mul:
        return a * b;
    case Op::Div:
        break;
    }
    return a / b;
}

struct ArithmeticCase {
    const char* name;
    Number a;
    Op op;
    Number b;
    NumberKind kind;
    double value; // the expected result, widened
};

// Test names in listings show the row name rather than the row's bytes.
void PrintTo(const ArithmeticCase& c, std::ostream* out) {
    *out << c.name;
}

class NumberArithmetic : public ::testing::TestWithParam<ArithmeticCase> {};

TEST_P(NumberArithmetic, TakesTheWiderKindAtItsPrecision) {
    const ArithmeticCase& c = GetParam();
    const Number r = apply(c.op, c.a, c.b);
    EXPECT_EQ(r.kind(), c.kind);
    EXPECT_EQ(r.toDouble(), c.value);
    // the operation does not care which side holds the wider kind
    if (c.op == Op::Add || c.op == Op::Mul) {
        const Number swapped = apply(c.op, c.b, c.a);
        EXPECT_TRUE(swapped.identicalTo(r));
    }
}

// Single results are the float operation on the float operands: the widened double sum of
// 0.1f and 0.2f is 0.30000000447..., the float sum rounds to 0.30000001192...
INSTANTIATE_TEST_SUITE_P(
    Kinds, NumberArithmetic,
    ::testing::Values(
        ArithmeticCase{"integerSum", Number::integer(2), Op::Add, Number::integer(3),
                       NumberKind::Integer, 5},
        ArithmeticCase{"integerDifference", Number::integer(2), Op::Sub, Number::integer(5),
                       NumberKind::Integer, -3},
        ArithmeticCase{"integerProduct", Number::integer(-12), Op::Mul, Number::integer(11),
                       NumberKind::Integer, -132},
        // a quotient of integers is not whole in general: 64-bit, not truncated
        ArithmeticCase{"integerQuotient", Number::integer(1), Op::Div, Number::integer(3),
                       NumberKind::Double, 1.0 / 3.0},
        ArithmeticCase{"integerPlusSingle", Number::integer(1), Op::Add, Number::single(0.1f),
                       NumberKind::Single, static_cast<double>(1.0f + 0.1f)},
        ArithmeticCase{"singleSum", Number::single(0.1f), Op::Add, Number::single(0.2f),
                       NumberKind::Single, static_cast<double>(0.1f + 0.2f)},
        ArithmeticCase{"singleProduct", Number::single(0.0042f), Op::Mul, Number::single(3.3e-4f),
                       NumberKind::Single, static_cast<double>(0.0042f * 3.3e-4f)},
        ArithmeticCase{"singleQuotientByInteger", Number::single(20.0f), Op::Div,
                       Number::integer(1000), NumberKind::Single,
                       static_cast<double>(20.0f / 1000.0f)},
        ArithmeticCase{"singleTimesInteger", Number::single(0.0213f), Op::Mul,
                       Number::integer(1000), NumberKind::Single,
                       static_cast<double>(0.0213f * 1000.0f)},
        ArithmeticCase{"singlePlusDouble", Number::single(0.1f), Op::Add, Number::real(0.1),
                       NumberKind::Double, static_cast<double>(0.1f) + 0.1},
        ArithmeticCase{"integerTimesDouble", Number::integer(0), Op::Mul, Number::real(0.005),
                       NumberKind::Double, 0.0},
        ArithmeticCase{"doubleQuotient", Number::real(1.0), Op::Div, Number::real(7.0),
                       NumberKind::Double, 1.0 / 7.0},
        // 16-bit results that do not fit are kept whole in 64 bits instead of wrapping
        ArithmeticCase{"integerSumOverflow", Number::integer(32767), Op::Add, Number::integer(1),
                       NumberKind::Double, 32768},
        ArithmeticCase{"integerDifferenceOverflow", Number::integer(-32768), Op::Sub,
                       Number::integer(1), NumberKind::Double, -32769},
        ArithmeticCase{"integerProductOverflow", Number::integer(200), Op::Mul,
                       Number::integer(200), NumberKind::Double, 40000},
        ArithmeticCase{"integerAtTheLimit", Number::integer(32766), Op::Add, Number::integer(1),
                       NumberKind::Integer, 32767}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberArithmeticChains, SingleStaysSingleThroughIntegerSteps) {
    // the burette reading: a 32-bit total divided by and multiplied with integers
    const Number total = Number::single(0.1f) + Number::single(0.2f);
    const Number litres = total / Number::integer(1000);
    const Number millilitres = litres * Number::integer(1000);
    EXPECT_TRUE(litres.isSingle());
    EXPECT_TRUE(millilitres.isSingle());
    EXPECT_EQ(litres.singleValue(), (0.1f + 0.2f) / 1000.0f);
    EXPECT_NE(total.toDouble(), static_cast<double>(0.1f) + static_cast<double>(0.2f));
}

struct ComparisonCase {
    const char* name;
    Number a;
    Number b;
    bool equal;
    bool less;
};

void PrintTo(const ComparisonCase& c, std::ostream* out) {
    *out << c.name;
}

class NumberComparison : public ::testing::TestWithParam<ComparisonCase> {};

TEST_P(NumberComparison, WidensBothSides) {
    const ComparisonCase& c = GetParam();
    EXPECT_EQ(c.a == c.b, c.equal);
    EXPECT_EQ(c.a < c.b, c.less);
    EXPECT_EQ(c.b == c.a, c.equal);
    EXPECT_EQ(c.a.identicalTo(c.b), c.equal && c.a.kind() == c.b.kind());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NumberComparison,
    ::testing::Values(
        ComparisonCase{"integerZeroEqualsDoubleZero", Number::integer(0), Number::real(0.0), true,
                       false},
        ComparisonCase{"integerZeroEqualsSingleZero", Number::integer(0), Number::single(0.0f),
                       true, false},
        ComparisonCase{"singleHalfEqualsDoubleHalf", Number::single(0.5f), Number::real(0.5), true,
                       false},
        // 0.1f widened is 0.100000001490116..., above the double 0.1
        ComparisonCase{"singleTenthAboveDoubleTenth", Number::real(0.1), Number::single(0.1f),
                       false, true},
        ComparisonCase{"integerBelowSingle", Number::integer(1), Number::single(1.5f), false, true},
        ComparisonCase{"negativeDoubleBelowIntegerZero", Number::real(-1e-300), Number::integer(0),
                       false, true},
        ComparisonCase{"sameDoubles", Number::real(8.358), Number::real(8.358), true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogValues, NumberNeverEqualsAMarker) {
    for (const Number n :
         {Number::integer(0), Number::single(0.0f), Number::real(0.0), Number::real(7.014)}) {
        const LogValue value(n);
        EXPECT_TRUE(value.isNumber());
        EXPECT_FALSE(value == LogValue(NoDataMarker));
        EXPECT_FALSE(value == LogValue(NoPhMarker));
        EXPECT_FALSE(value == LogValue("0"));
        EXPECT_FALSE(LogValue(NoPhMarker) == value);
    }
    EXPECT_TRUE(LogValue(Number::integer(0)) == LogValue(Number::real(0.0)));
    EXPECT_TRUE(LogValue("No Data") == LogValue(NoDataMarker));
    EXPECT_TRUE(LogValue() == LogValue(NoPhMarker));
    EXPECT_FALSE(LogValue(NoPhMarker) == LogValue(NoDataMarker));
}

TEST(LogValues, KeepTheKindOfTheirNumber) {
    const LogValue volume(Number::single(0.0042f));
    EXPECT_TRUE(volume.number().identicalTo(Number::single(0.0042f)));
    EXPECT_TRUE(volume.text().isEmpty());
    const LogValue marker(NoDataMarker);
    EXPECT_TRUE(marker.isText());
    EXPECT_EQ(marker.text(), QStringLiteral("No Data"));
}

TEST(DataLog, ResetLeavesOnlyMarkersAndVolumeZeroIsAPoint) {
    DeclareVars vars;
    ASSERT_EQ(vars.VolLog.size(), 1001u);
    ASSERT_EQ(vars.PhLog.size(), 1001u);
    vars.VolLog[5] = Number::real(0.0004);
    vars.PhLog[1000] = Number::real(3.1);
    resetDataLog(vars);
    for (int i = 0; i < LogSize; ++i) {
        ASSERT_TRUE(vars.VolLog[i] == LogValue(NoDataMarker)) << "index " << i;
        ASSERT_TRUE(vars.PhLog[i] == LogValue(NoPhMarker)) << "index " << i;
    }
    vars.VolLog[1] = Number::integer(0); // point 1: no titrant yet
    vars.PhLog[1] = Number::real(3.668);
    EXPECT_FALSE(vars.VolLog[1] == LogValue(NoDataMarker));
    EXPECT_TRUE(vars.VolLog[0] == LogValue(NoDataMarker));
}

TEST(SampleTable, ZeroingWritesTheIntegerZero) {
    DeclareVars vars;
    for (Number& e : vars.SampleParams)
        e = Number::single(0.25f);
    zeroSampleParams(vars);
    for (const Number& e : vars.SampleParams)
        EXPECT_TRUE(e.identicalTo(Number::integer(0)));
}

} // namespace
} // namespace drevant
