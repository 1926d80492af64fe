// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QTime>

#include <bit>

namespace drevant {

double SystemClock::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double StandardRandom::next() {
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

void StandardRandom::reseed(double seed) {
    // Every bit of the clock reading matters: two readings a millisecond apart seed differently.
    m_engine.seed(std::bit_cast<std::uint64_t>(seed));
}

} // namespace drevant
