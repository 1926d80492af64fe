// SPDX-License-Identifier: GPL-3.0-or-later
#include "number.h"

#include <limits>

namespace drevant {

namespace {

// An integer result that no longer fits 16 bits is kept as a 64-bit value rather than
// wrapped: nothing this program counts comes near the limit, and a wrapped count would be
// a wrong result.
Number integerResult(long value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        return Number::real(static_cast<double>(value));
    return Number::integer(static_cast<std::int16_t>(value));
}

template <typename IntOp, typename FloatOp>
Number combine(Number a, Number b, IntOp intOp, FloatOp op) {
    switch (widerKind(a.kind(), b.kind())) {
    case NumberKind::Integer:
        return integerResult(intOp(long{a.integerValue()}, long{b.integerValue()}));
    case NumberKind::Single:
        // Both operands fit a float exactly (an integer of 16 bits does), and the result is
        // rounded to 32 bits, as a single-precision machine would give it.
        return Number::single(
            op(static_cast<float>(a.toDouble()), static_cast<float>(b.toDouble())));
    case NumberKind::Double:
        break;
    }
    return Number::real(op(a.toDouble(), b.toDouble()));
}

} // namespace

Number operator+(Number a, Number b) {
    return combine(
        a, b, [](long x, long y) { return x + y; }, [](auto x, auto y) { return x + y; });
}

Number operator-(Number a, Number b) {
    return combine(
        a, b, [](long x, long y) { return x - y; }, [](auto x, auto y) { return x - y; });
}

Number operator*(Number a, Number b) {
    return combine(
        a, b, [](long x, long y) { return x * y; }, [](auto x, auto y) { return x * y; });
}

Number operator/(Number a, Number b) {
    // A quotient of two integers is not in general whole, so it is taken in 64 bits rather
    // than truncated; every other quotient takes the wider kind of its operands.
    if (a.isInteger() && b.isInteger())
        return Number::real(a.toDouble() / b.toDouble());
    return combine(
        a, b, [](long x, long) { return x; }, [](auto x, auto y) { return x / y; });
}

} // namespace drevant
