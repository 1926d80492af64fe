// SPDX-License-Identifier: GPL-3.0-or-later
#include "curve.h"

#include "chemistry/phsolver.h"
#include "session/numbertext.h"

#include <QLocale>

#include <cmath>

namespace drevant::keytool {

SampleTable decodedSampleTable(const DecodedSample& sample) {
    SampleTable table;
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = sample.present[i] ? Number::real(sample.value[i]) : Number::integer(0);
    return table;
}

double truePh(const SampleTable& table, double sampleVolumeL, double normality, double volumeL) {
    // The titration window's Kw, computed the same way.
    static const double kw = std::pow(10.0, -14);
    return SolvePh(table, kw, sampleVolumeL, volumeL, normality).CurrentPh;
}

std::vector<CurvePoint> trueCurve(const SampleTable& table, double sampleVolumeL, double normality,
                                  int divisions) {
    std::vector<CurvePoint> curve;
    if (divisions <= 0)
        return curve;
    curve.reserve(static_cast<std::size_t>(divisions) + 1);
    // 0.02 L split into `divisions` steps; for the default 200 that is v = k / 10000 exactly.
    const double stepsPerDivision = static_cast<double>(CurveSteps) / divisions;
    for (int k = 0; k <= divisions; ++k) {
        const double volumeL = k * stepsPerDivision / 10000;
        curve.push_back({volumeL, truePh(table, sampleVolumeL, normality, volumeL)});
    }
    return curve;
}

QString formatCurve(const std::vector<CurvePoint>& curve) {
    const QLocale c = QLocale::c();
    QString out;
    for (const CurvePoint& p : curve) {
        out += QString::number(p.volumeL * 1000, 'f', 1) + u'\t' +
               numberDigits(Number::real(p.ph), c) + u'\n';
    }
    return out;
}

} // namespace drevant::keytool
