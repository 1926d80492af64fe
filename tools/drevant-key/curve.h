// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/samplekey.h"
#include "session/declarevars.h"

#include <QString>

#include <vector>

namespace drevant::keytool {

// The true curve of the answer key: 0 to 20 mL in 0.1 mL steps, v = k / 10000 L.
inline constexpr int CurveSteps = 200;

struct CurvePoint {
    double volumeL = 0; // titrant added (litres)
    double ph = 0;
};

// The sample table of a decoded key: the decoded entries as 64-bit numbers (exactly the
// field arithmetic, see decodeFieldValue), the entries of absent components 0.
SampleTable decodedSampleTable(const DecodedSample& sample);

// pH of the sample after `volumeL` litres of titrant, computed by the program's own SolvePh
// with the same ion product of water as the titration window.
double truePh(const SampleTable& table, double sampleVolumeL, double normality, double volumeL);

// The curve at v = k / divisions x 0.02 L for k = 0 .. divisions (0 to 20 mL).
std::vector<CurvePoint> trueCurve(const SampleTable& table, double sampleVolumeL, double normality,
                                  int divisions = CurveSteps);

// The two columns, titrant mL and pH, one point per line ("0.1\t3.668"), the pH with up to
// 15 significant digits as the program prints 64-bit numbers. Lines end with "\n".
QString formatCurve(const std::vector<CurvePoint>& curve);

} // namespace drevant::keytool
