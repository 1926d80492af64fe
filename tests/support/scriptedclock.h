// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/platform.h"

namespace drevant::testing {

// A clock that reads `now`, which the caller sets or moves on by hand. With a `step`, every
// reading also moves `now` on by that much afterwards, so that successive readings differ as
// real presses of a button would. It counts its readings.
class ScriptedClock final : public Clock {
public:
    explicit ScriptedClock(double start = 0.0, double step = 0.0) : now(start), step(step) {}

    double secondsSinceMidnight() override {
        ++m_readings;
        const double reading = now;
        now += step;
        return reading;
    }
    int readings() const { return m_readings; }

    double now;  // seconds since midnight, what the next reading returns
    double step; // seconds added after each reading

private:
    int m_readings = 0;
};

} // namespace drevant::testing
