// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyreport.h"

#include <QString>

namespace drevant::keytool {

// The most endpoints a sample of any letter has (D and E: three).
inline constexpr int CsvEquivalenceColumns = 3;
// file, key, letter, system; 3 x 3 monoprotic; 3 diprotic; normality, volume, points; the
// endpoints; error.
inline constexpr int CsvColumnCount = 4 + 9 + 3 + 3 + CsvEquivalenceColumns + 1;

// The header row of the class spreadsheet, ended by "\n".
QString csvHeader();

// One row per input, ended by "\n": the same columns as the header. Components that the
// letter says are absent have empty cells; a failed input has only its name and the error.
QString csvRow(const AnalysedInput& input);

// A text cell as RFC 4180 wants it: quoted when it holds a comma, a quote or a line break.
// Text that a spreadsheet would run as a formula (starting with = + - @) gets a "'" in front:
// file names, keys and errors come from students' files. Numbers are written as they are.
QString csvText(const QString& text);

} // namespace drevant::keytool
