// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/platform.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace drevant::testing {

// A random source that hands out a given list of values in order and records every reseed.
// What happens once the list is used up is chosen when it is made:
//  - Strict: the draw is an over-draw, the code under test drew more than the test expected.
//    It is reported through overdrawReporter() (a test failure where gtest/overdrawfailure.h
//    is included, otherwise a message and abort) and 0.5 is returned: never 0, which the
//    export writer's filler would draw again forever.
//  - RepeatLast: the last value drawn is handed out again (0.5 before any draw), for runs
//    whose number of draws the test does not care about.
class ScriptedRandom final : public RandomSource {
public:
    enum WhenUsedUp { Strict, RepeatLast };
    using Reporter = std::function<void(const std::string& message)>;

    explicit ScriptedRandom(std::vector<double> values = {}, WhenUsedUp whenUsedUp = Strict)
        : m_values(std::move(values)), m_whenUsedUp(whenUsedUp) {}

    // Replaces the list; the next draw is its first value. Seeds and counts are kept.
    void script(std::vector<double> values) {
        m_values = std::move(values);
        m_next = 0;
    }

    double next() override {
        ++m_drawn;
        if (m_next < m_values.size()) {
            m_last = m_values[m_next++];
            return m_last;
        }
        if (m_whenUsedUp == RepeatLast)
            return m_last;
        ++m_overdrawn;
        overdrawReporter()("drew more than the " + std::to_string(m_values.size()) +
                           " scripted values");
        return 0.5;
    }
    void reseed(double seed) override { m_seeds.push_back(seed); }

    // Every draw, repeats and over-draws included.
    std::size_t drawn() const { return m_drawn; }
    // Draws past the end of a strict list.
    std::size_t overdrawn() const { return m_overdrawn; }
    std::size_t scripted() const { return m_values.size(); }
    const std::vector<double>& seeds() const { return m_seeds; }

    // Where strict over-draws are reported, for every scripted random source of the program.
    static Reporter& overdrawReporter() {
        static Reporter reporter = [](const std::string& message) {
            std::fprintf(stderr, "ScriptedRandom: %s\n", message.c_str());
            std::abort();
        };
        return reporter;
    }

private:
    std::vector<double> m_values;
    WhenUsedUp m_whenUsedUp;
    std::size_t m_next = 0;
    std::size_t m_drawn = 0;
    std::size_t m_overdrawn = 0;
    double m_last = 0.5;
    std::vector<double> m_seeds;
};

} // namespace drevant::testing
