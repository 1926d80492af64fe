// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyreport.h"

#include <QString>

namespace drevant::keytool {

// The most endpoints a sample of any letter has (D and E: three).
inline constexpr int CsvEquivalenceColumns = 3;
// file, key, letter, system; 3 x 3 monoprotic; 3 diprotic; normality, volume, points, points
// after export, suspect points; the endpoints; error.
inline constexpr int CsvColumnCount = 4 + 9 + 3 + 5 + CsvEquivalenceColumns + 1;

// How cells are separated and numbers written: "," and "." (the default), or ";" and the
// decimal separator of the user's locale, which spreadsheets set to decimal commas open
// directly.
struct CsvStyle {
    QChar separator = u',';
    QChar decimal = u'.';
};
CsvStyle localeCsvStyle(); // ";" and the system locale's decimal separator

// A cell of a row: text (quoted as needed) or a number written with "." (converted to the
// style's decimal separator).
struct CsvCell {
    QString text;
    bool number = false;
};
CsvCell textCell(const QString& text);
CsvCell numberCell(const QString& cText);
// The cells joined in a style, ended by "\n".
QString csvLine(const std::vector<CsvCell>& cells, const CsvStyle& style = {});

// The header row of the class spreadsheet, ended by "\n".
QString csvHeader(const CsvStyle& style = {});

// One row per input, ended by "\n": the same columns as the header. Components that the
// letter says are absent have empty cells; a failed input has only its name and the error.
QString csvRow(const AnalysedInput& input, const CsvStyle& style = {});

// A text cell as RFC 4180 wants it: quoted when it holds a comma, a quote or a line break.
// Text that a spreadsheet would run as a formula (starting with = + - @) gets a "'" in front:
// file names, keys and errors come from students' files. Numbers are written as they are.
QString csvText(const QString& text, QChar separator = u',');

} // namespace drevant::keytool
