// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace drevant {

// The decimal separator of a locale, as one character; locales whose separator is not ASCII
// fall back to "." so that every file this program writes stays plain ASCII.
QString decimalSeparator(const QLocale& locale);

// The digits of a number at its kind's own precision, without sign position or blanks:
// integers without a decimal point, 32-bit values with at most 7 significant digits, 64-bit
// with at most 15, no trailing zeros, a zero before the separator, never an exponent.
// A value that is not finite is written "NAN" or "INF" (its sign is the sign position's).
QString numberDigits(Number n, const QLocale& locale = QLocale());

// A number as the print operation writes it: the sign position (blank or "-"), the digits,
// then one blank.
QString printedNumber(Number n, const QLocale& locale = QLocale());

// Reads back a decimal text that this program wrote (labels, printed numbers), in the given
// locale's separator or in ".". Blanks around it are ignored. No group separators.
std::optional<double> parseDecimal(const QString& text, const QLocale& locale = QLocale());

// A value with exactly two decimals, rounded half away from zero: the data table's "#0.00".
// A value that is not finite is written "NAN", "INF" or "-INF".
QString twoDecimals(double value, const QLocale& locale = QLocale());

} // namespace drevant
