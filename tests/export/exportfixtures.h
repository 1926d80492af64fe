// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/declarevars.h"
#include "session/platform.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstddef>
#include <utility>
#include <vector>

namespace drevant::exporttest {

// A random source that hands out a given list of values in order. Drawing past the end is a
// test failure: the code under test made more draws than the test expected.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values = {}) : m_values(std::move(values)) {}

    double next() override {
        if (m_next >= m_values.size()) {
            ADD_FAILURE() << "drew more than the " << m_values.size() << " scripted values";
            return 0.5;
        }
        return m_values[m_next++];
    }
    void reseed(double) override { ++m_reseeds; }

    std::size_t drawn() const { return m_next; }
    int reseeds() const { return m_reseeds; }

private:
    std::vector<double> m_values;
    std::size_t m_next = 0;
    int m_reseeds = 0;
};

// A clock that always reads the same time (seconds since midnight).
class FixedClock final : public Clock {
public:
    explicit FixedClock(double seconds) : m_seconds(seconds) {}
    double secondsSinceMidnight() override { return m_seconds; }

private:
    double m_seconds;
};

inline SampleTable zeroTable() {
    SampleTable t;
    t.fill(Number::integer(0));
    return t;
}

// The sample of the worked key example: system E with entries 6 to 8 absent.
inline SampleTable workedExampleTable() {
    SampleTable t = zeroTable();
    t[Acid1Conc] = Number::real(0.0042);
    t[Acid1K] = Number::real(120);
    t[Acid2Conc] = Number::real(0.00612);
    t[Acid2K] = Number::real(0.000018);
    t[Acid3Conc] = Number::real(0.0002);
    t[Acid3K] = Number::real(0.00000003);
    return t;
}

// A session with a sample and an empty log, as the titration window leaves it.
inline DeclareVars sessionWith(const QString& letter, const SampleTable& table) {
    DeclareVars vars;
    resetDataLog(vars);
    vars.SampleParams = table;
    vars.SystemCode = letter;
    vars.TitrantNormality = QStringLiteral("0.25");
    vars.SampleVolumeL = 0.05;
    return vars;
}

// Logs points 1..count with 32-bit volumes growing by 0.1 mL and pH values from 2.
inline void logPoints(DeclareVars& vars, int count) {
    for (int k = 1; k <= count; ++k) {
        vars.VolLog[k] = k == 1 ? Number::integer(0) : Number::single(0.0001f * (k - 1));
        vars.PhLog[k] = Number::real(2.0 + 0.05 * (k - 1));
    }
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace drevant::exporttest
