// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "export/exportfilereader.h"
#include "export/samplekey.h"
#include "session/declarevars.h"

#include <optional>
#include <vector>

namespace drevant::keytool {

// One step of the solver's pH grid: a band is widened by this much on each side.
inline constexpr double PhGridStep = 0.014;
// The first data line of an export file (key, normality, volume and column header come first).
inline constexpr int FirstDataLine = 5;

// The pH values a sample allows at one volume: [low, high].
struct PhBand {
    double low = 0;
    double high = 0;
    bool contains(double ph) const { return ph >= low && ph <= high; }
};

// A sample whose entries are known only within the key's rounding: the table with every
// entry at the low end of its interval and the one with every entry at the high end.
// Absent entries are the integer 0 in both.
struct SampleBounds {
    SampleTable low;
    SampleTable high;
};

// The sample as generated: the components the letter names.
SampleBounds generatedBounds(const DecodedSample& sample);
// The sample after an export: the same plus the filler components, one per filler reading.
std::vector<SampleBounds> afterExportBounds(const DecodedSample& sample);
// The decoded after-export sample (filler values at their field's value, the first
// reading); entries of absent components are 0 when the key has no filler reading.
SampleTable afterExportTable(const DecodedSample& sample);

// The pH band at `volumeL` litres of titrant: pH falls with more acid and with larger
// constants, so its ends are the program's own SolvePh at the tables of high and of low
// ends; widened by one grid step on each side and by the rounding of the printed volume.
PhBand phBand(const SampleBounds& bounds, double sampleVolumeL, double normality, double volumeL);

enum class PointVerdict {
    Consistent,  // inside the band of the sample as generated
    AfterExport, // outside it, inside the band of the sample after an export
    Suspect,     // inside neither: edited, or not from this sample
};

struct CheckedPoint {
    int line = 0; // line of the file
    double volumeL = 0;
    double ph = 0;
    PointVerdict verdict = PointVerdict::Consistent;
    PhBand generated;
    std::optional<PhBand> afterExport; // computed only for points outside `generated`
};

struct PointCheck {
    int consistent = 0;
    int afterExport = 0;
    int suspect = 0;
    std::vector<CheckedPoint> points;
};

// Classifies every logged point of a file against the two true samples of its key.
PointCheck checkPoints(const DecodedSample& sample, double normality, double sampleVolumeL,
                       const std::vector<ExportPoint>& points);

} // namespace drevant::keytool
