// SPDX-License-Identifier: GPL-3.0-or-later
#include "pointcheck.h"

#include "curve.h"

#include <algorithm>
#include <cmath>
#include <ranges>

namespace drevant::keytool {

namespace {

// A volume in the file is printed with 7 significant digits when it was a 32-bit number: the
// volume the pH was computed at lies within a few units of the 7th digit around it.
constexpr double PrintedVolumeRelative = 1e-6;

// A concentration interval's low end can fall below 0 (field 0): no sample has less than none.
double entryLow(int index, double low) {
    return keyFieldScale(index).constant ? low : std::max(0.0, low);
}

} // namespace

SampleBounds generatedBounds(const DecodedSample& s) {
    SampleBounds b;
    for (int i = 0; i < KeyFieldCount; ++i) {
        b.low[i] = s.present[i] ? Number::real(entryLow(i, s.low[i])) : Number::integer(0);
        b.high[i] = s.present[i] ? Number::real(s.high[i]) : Number::integer(0);
    }
    return b;
}

std::vector<SampleBounds> afterExportBounds(const DecodedSample& s) {
    std::vector<SampleBounds> out;
    const SampleBounds generated = generatedBounds(s);
    for (const FillerReading& f : s.fillers) {
        SampleBounds b = generated;
        for (int i = 0; i < KeyFieldCount; ++i) {
            if (s.present[i])
                continue;
            b.low[i] = Number::real(entryLow(i, f.low[i]));
            b.high[i] = Number::real(f.high[i]);
        }
        out.push_back(b);
    }
    return out;
}

SampleTable afterExportTable(const DecodedSample& s) {
    SampleTable t = decodedSampleTable(s);
    for (const FillerReading& first : s.fillers | std::views::take(1)) {
        for (int i = 0; i < KeyFieldCount; ++i) {
            if (!s.present[i])
                t[i] = Number::real(first.value[i]);
        }
    }
    return t;
}

PhBand phBand(const SampleBounds& b, double sampleVolumeL, double normality, double volumeL) {
    const double margin = std::fabs(volumeL) * PrintedVolumeRelative;
    const double lessTitrant = std::max(0.0, volumeL - margin);
    const double moreTitrant = volumeL + margin;
    return {truePh(b.high, sampleVolumeL, normality, lessTitrant) - PhGridStep,
            truePh(b.low, sampleVolumeL, normality, moreTitrant) + PhGridStep};
}

PointCheck checkPoints(const DecodedSample& sample, double normality, double sampleVolumeL,
                       const std::vector<ExportPoint>& points) {
    PointCheck check;
    check.points.reserve(points.size());
    const SampleBounds generated = generatedBounds(sample);
    std::vector<SampleBounds> after; // made when first needed
    bool afterMade = false;
    for (std::size_t k = 0; k < points.size(); ++k) {
        CheckedPoint p;
        p.line = FirstDataLine + static_cast<int>(k);
        p.volumeL = points[k].volumeL;
        p.ph = points[k].ph;
        p.generated = phBand(generated, sampleVolumeL, normality, p.volumeL);
        if (p.generated.contains(p.ph)) {
            p.verdict = PointVerdict::Consistent;
            ++check.consistent;
        } else {
            if (!afterMade) {
                after = afterExportBounds(sample);
                afterMade = true;
            }
            // Where the filler digits can be read more than one way, the band is the union.
            std::optional<PhBand> band;
            for (const SampleBounds& b : after) {
                const PhBand one = phBand(b, sampleVolumeL, normality, p.volumeL);
                band = band ? PhBand{std::min(band->low, one.low), std::max(band->high, one.high)}
                            : one;
            }
            p.afterExport = band;
            if (band && band->contains(p.ph)) {
                p.verdict = PointVerdict::AfterExport;
                ++check.afterExport;
            } else {
                p.verdict = PointVerdict::Suspect;
                ++check.suspect;
            }
        }
        check.points.push_back(p);
    }
    return check;
}

} // namespace drevant::keytool
