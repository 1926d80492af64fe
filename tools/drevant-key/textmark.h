// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace drevant::keytool {

// How text goes into a CSV cell and comes back: shared by every CSV the tool writes and the
// answer-sheet reader, so that a name written into a sheet reads back to the same name.

// A text cell as RFC 4180 wants it: quoted when it holds a separator, a quote, a line break,
// a tab, or blanks at either end; every character kept. Text that a spreadsheet would run as
// a formula (starting with = + - @, tab or CR) or turn into a number or date ("3/4", "1-2",
// "2.5") gets a "'" in front, shown as text; so does text already starting with "'", so that
// unmarkedText gives back exactly what was written. Numbers are written as they are.
QString csvText(const QString& text, QChar separator = u',');
// A cell as read back: the "'" that csvText put in front removed, any other text unchanged.
QString unmarkedText(const QString& cell);
// Whether csvText puts a "'" in front of this text.
bool needsTextMark(const QString& text);

} // namespace drevant::keytool
