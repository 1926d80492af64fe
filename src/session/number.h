// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace drevant {

// The three kinds a stored number can have, narrowest first. A value keeps the kind its
// writer gave it, and arithmetic on two values takes the wider kind of the two.
enum class NumberKind : std::uint8_t { Integer, Single, Double };

// A number of one of the three kinds: a 16-bit integer, a 32-bit or a 64-bit float.
// A Single is held as a float so it can never carry more than 32-bit precision.
class Number {
public:
    constexpr Number() = default;
    static constexpr Number integer(std::int16_t v) {
        return Number(NumberKind::Integer, v, 0.0f, 0.0);
    }
    static constexpr Number single(float v) { return Number(NumberKind::Single, 0, v, 0.0); }
    static constexpr Number real(double v) { return Number(NumberKind::Double, 0, 0.0f, v); }

    constexpr NumberKind kind() const { return m_kind; }
    constexpr bool isInteger() const { return m_kind == NumberKind::Integer; }
    constexpr bool isSingle() const { return m_kind == NumberKind::Single; }
    constexpr bool isDouble() const { return m_kind == NumberKind::Double; }

    // The value widened to 64 bits (exact for every kind).
    constexpr double toDouble() const {
        switch (m_kind) {
        case NumberKind::Integer:
            return m_int;
        case NumberKind::Single:
            return m_single;
        case NumberKind::Double:
            break;
        }
        return m_double;
    }
    constexpr std::int16_t integerValue() const { return m_int; }
    constexpr float singleValue() const { return m_single; }

    friend Number operator+(Number a, Number b);
    friend Number operator-(Number a, Number b);
    friend Number operator*(Number a, Number b);
    friend Number operator/(Number a, Number b);

    // Comparisons widen both sides, so kinds do not matter, only values.
    friend constexpr bool operator==(Number a, Number b) { return a.toDouble() == b.toDouble(); }
    friend constexpr bool operator<(Number a, Number b) { return a.toDouble() < b.toDouble(); }
    friend constexpr bool operator>(Number a, Number b) { return a.toDouble() > b.toDouble(); }
    friend constexpr bool operator<=(Number a, Number b) { return a.toDouble() <= b.toDouble(); }
    friend constexpr bool operator>=(Number a, Number b) { return a.toDouble() >= b.toDouble(); }

    // Same value and same kind: what tests of "keeps its kind" need.
    constexpr bool identicalTo(Number other) const {
        return m_kind == other.m_kind && toDouble() == other.toDouble();
    }

private:
    constexpr Number(NumberKind k, std::int16_t i, float s, double d)
        : m_kind(k), m_int(i), m_single(s), m_double(d) {}

    NumberKind m_kind = NumberKind::Integer;
    std::int16_t m_int = 0;
    float m_single = 0.0f;
    double m_double = 0.0;
};

constexpr NumberKind widerKind(NumberKind a, NumberKind b) {
    return a > b ? a : b;
}

} // namespace drevant
