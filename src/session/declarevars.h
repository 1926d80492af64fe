// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logvalue.h"
#include "number.h"

#include <QString>

#include <array>

namespace drevant {

// Indices of the sample table (concentrations in mol/L, constants in mol/L).
enum SampleIndex : int {
    Acid1Conc = 0,
    Acid1K = 1,
    Acid2Conc = 2,
    Acid2K = 3,
    Acid3Conc = 4,
    Acid3K = 5,
    DiproticConc = 6,
    DiproticK1 = 7,
    DiproticK2 = 8,
};

using SampleTable = std::array<Number, 9>;
inline constexpr int LogSize = 1001; // indices 0..1000; points live from index 1
using DataLog = std::array<LogValue, LogSize>;

inline const QString NoDataMarker = QStringLiteral("No Data"); // volume log marker
inline const QString NoPhMarker = QString();                   // pH log marker

// Whether a log holds a point at index i: an index from 1 to the log's end whose entry is a
// number (a text entry is the log's marker: no point there). The data table, the curve and
// the export writer all ask this; the log is filled from index 1 without gaps, so the first
// index without a point ends the data.
inline bool holdsPoint(const DataLog& log, int i) {
    return i >= 1 && i < LogSize && log[static_cast<std::size_t>(i)].isNumber();
}

// The session state the three windows share. One object, owned by the application for the
// whole run and passed by reference; plain variables with no behaviour of their own.
struct DeclareVars {
    SampleTable SampleParams{}; // the unknown sample; integer 0 where a component is absent
    DataLog VolLog{};           // cumulative titrant volume of each point (litres)
    DataLog PhLog{};            // pH of each point
    QString SystemCode;         // "A" to "E"
    QString TitrantNormality;   // exactly the normality label's text, e.g. "0.25"
    double SampleVolumeL = 0.0; // initial sample volume (litres)
    QString ExportPath;         // folder last shown in the export dialog
    QString ExportDrive;        // drive last chosen in the export dialog
};

// Puts every entry of both logs back to its marker.
inline void resetDataLog(DeclareVars& vars) {
    for (int i = 0; i < LogSize; ++i) {
        vars.PhLog[i] = NoPhMarker;
        vars.VolLog[i] = NoDataMarker;
    }
}

inline void zeroSampleParams(DeclareVars& vars) {
    vars.SampleParams.fill(Number::integer(0));
}

} // namespace drevant
