// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/burettelevel.h"

#include <algorithm>

namespace drevant {

namespace {

// The clock's reading as the bench keeps a press time: in single precision.
Number singleReading(double seconds) {
    return Number::single(static_cast<float>(seconds));
}

} // namespace

double meniscusRow(const BuretteScale& scale, double deliveredMl) {
    const double ml = std::clamp(deliveredMl, 0.0, scale.lastMarkMl);
    return scale.zeroMarkRow + ml * scale.rowsPerMl;
}

double graduationReading(const BuretteScale& scale, double row) {
    return (row - scale.zeroMarkRow) / scale.rowsPerMl;
}

double beakerFill(double sampleMl, double titrantMl) {
    if (!(sampleMl > 0)) // no sample read yet: the beaker as it stands before "Start"
        return BeakerStartFill;
    const double rise = (sampleMl + std::max(titrantMl, 0.0)) / sampleMl;
    return std::min(BeakerStartFill * rise, BeakerMaxFill);
}

void BuretteLevel::follow(const TitrationBench& bench) {
    const BenchState& state = bench.state();
    const bool held = bench.pressUnderWay();
    if (held && !m_draining)
        m_pressReading = state.PressTime;
    m_draining = held;
    if (held)
        return;
    // The bench refuses a release that takes the delivered volume over the capacity and
    // keeps that volume in DeliveredL; the burette then still holds what it held before.
    if (state.DeliveredL > Number::real(TitrationBench::BuretteCapacityL))
        return;
    // The burette reading the release reports: DeliveredL x 1000, in DeliveredL's kind.
    m_settledMl = (state.DeliveredL * Number::integer(1000)).toDouble();
}

double BuretteLevel::shownMl() const {
    if (!m_draining)
        return m_settledMl;
    // What a release now would deliver, by the bench's own rule.
    const double elapsed =
        TitrationBench::pressDuration(m_pressReading, singleReading(m_clock.secondsSinceMidnight()))
            .toDouble();
    return std::min(m_settledMl + elapsed * FlowMlPerSecond,
                    TitrationBench::BuretteCapacityL * 1000);
}

} // namespace drevant
