// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/platform.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <utility>
#include <vector>

namespace drevant::testing {

// A random source that hands out a given list of u values in order and records every reseed.
// Running past the end of the list is a test failure: it means more draws than expected.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values = {}) : m_values(std::move(values)) {}

    void script(std::vector<double> values) {
        m_values = std::move(values);
        m_next = 0;
    }

    double next() override {
        if (m_next >= m_values.size()) {
            ADD_FAILURE() << "drew more than the " << m_values.size() << " scripted values";
            return 0.0;
        }
        return m_values[m_next++];
    }
    void reseed(double seed) override { m_seeds.push_back(seed); }

    std::size_t drawn() const { return m_next; }
    std::size_t scripted() const { return m_values.size(); }
    const std::vector<double>& seeds() const { return m_seeds; }

private:
    std::vector<double> m_values;
    std::size_t m_next = 0;
    std::vector<double> m_seeds;
};

// A clock that returns a given reading and then moves on by a fixed step (seconds), so that
// successive readings differ as real presses of a button would.
class ScriptedClock final : public Clock {
public:
    explicit ScriptedClock(double start = 0.0, double step = 0.0) : m_now(start), m_step(step) {}

    double secondsSinceMidnight() override {
        ++m_readings;
        const double now = m_now;
        m_now += m_step;
        return now;
    }
    int readings() const { return m_readings; }

private:
    double m_now;
    double m_step;
    int m_readings = 0;
};

} // namespace drevant::testing
