// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/declarevars.h"

#include <QByteArray>

#include <vector>

namespace drevant::testing {

// A sample with every entry the whole number 0, as zeroSampleParams leaves it.
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

// The filler draws that fill the worked sample's three absent entries; with them its key is
// the worked example's.
inline const std::vector<double> WorkedDraws{0.41, 0.25, 0.8};
inline const QByteArray WorkedKey = "E6912999B05D20A3308";

} // namespace drevant::testing
