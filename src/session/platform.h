// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <random>

namespace drevant {

// The time of day, injectable so tests can script presses exactly.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since midnight, with fractions.
    virtual double secondsSinceMidnight() = 0;
};

// The program's one pseudo-random generator: uniform on [0, 1), never 1.0, reseedable.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void reseed(double seed) = 0;
};

// The wall clock of the machine, in local time.
class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() override;
};

// A 64-bit Mersenne Twister; next() takes the top 53 bits, so 1.0 is impossible.
class StandardRandom final : public RandomSource {
public:
    double next() override;
    void reseed(double seed) override;

private:
    std::mt19937_64 m_engine{5489u};
};

} // namespace drevant
