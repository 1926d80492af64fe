// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/windowhost.h"
#include "session/platform.h"

#include <QStringList>

#include <deque>
#include <vector>

namespace drevant::test {

// A clock that reads whatever the test set last.
class ScriptedClock : public Clock {
public:
    double now = 0;
    double secondsSinceMidnight() override { return now; }
};

// A random source that hands out the given numbers in order, then repeats the last one;
// it records every reseed.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> values) : draws(values.begin(), values.end()) {}
    double next() override {
        ++drawn;
        if (draws.empty())
            return last;
        last = draws.front();
        draws.pop_front();
        return last;
    }
    void reseed(double seed) override { seeds.push_back(seed); }

    std::deque<double> draws;
    std::vector<double> seeds;
    double last = 0.5;
    int drawn = 0;
};

// Records the window hand-overs in the order they were asked for.
class RecordingHost : public WindowHost {
public:
    QStringList calls;
    void openDifficultyWindow() override { calls << "openDifficulty"; }
    void closeDifficultyWindow() override { calls << "closeDifficulty"; }
    void openTitrationWindow() override { calls << "openTitration"; }
    void closeTitrationWindow() override { calls << "closeTitration"; }
    void openExportDialog() override { calls << "openExport"; }
    void cancelExportDialog() override { calls << "cancelExport"; }
};

} // namespace drevant::test
