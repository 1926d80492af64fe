// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "curve.h"
#include "keyreport.h"
#include "textmark.h"

#include <QLocale>
#include <QString>

namespace drevant::keytool {

// The most endpoints a sample of any letter has (D and E: three).
inline constexpr int CsvEquivalenceColumns = 3;
// file, key, letter, system; 3 x 3 monoprotic; 3 diprotic; normality, volume, points, points
// after export, suspect points; the endpoints; error.
inline constexpr int CsvColumnCount = 4 + 9 + 3 + 5 + CsvEquivalenceColumns + 1;

// How cells are separated and numbers written: "," and "." or ";" and ",". A spreadsheet
// set to a decimal comma splits "," files wrongly and reads "6.047" as 6047; one set to a
// decimal point reads "6,047" as text. So the style follows the user's locale unless chosen.
struct CsvStyle {
    QChar separator = u',';
    QChar decimal = u'.';
};
enum class CsvChoice { Locale, Comma, Semicolon };
// --comma: "," and "."; --semicolon: ";" and ","; by default the locale decides: a decimal
// comma gives ";" and ",", anything else "," and ".".
CsvStyle csvStyle(CsvChoice choice, const QLocale& locale = QLocale::system());

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

// The true curve (--curve): `file,key,normality_n,v0_l,titrant_ml,ph`, one row per point.
QString curveCsvHeader(const CsvStyle& style = {});
QString curveCsvRows(const AnalysedInput& input, const std::vector<CurvePoint>& curve,
                     const CsvStyle& style = {});

} // namespace drevant::keytool
