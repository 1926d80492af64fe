// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/declarevars.h"

#include <QLocale>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

namespace drevant {

// What assistive technology (a screen reader, a braille display) is told about the titration
// window. Plain text built from the session state, so that it can be checked without a display.

// One logged point as the data table shows it: volume in mL and pH, two decimals each, in the
// user's number format.
struct SpokenPoint {
    QString volumeMl;
    QString ph;
    friend bool operator==(const SpokenPoint&, const SpokenPoint&) = default;
};

// The logged points from point 1 up to the first marker, in order.
std::vector<SpokenPoint> spokenPoints(const DeclareVars& vars, const QLocale& locale);

// One point as a row of the curve's table, e.g. "Point 2: 2.50 mL, pH 4.40" (point from 1).
QString spokenPointRow(int point, const SpokenPoint& p);

// The curve's summary: "No points plotted." or "3 points plotted; the last at 2.50 mL, pH 4.40."
QString curveDescription(const std::vector<SpokenPoint>& points);

// The burette's state for its description: locked until "Start", the volume delivered so far
// (the last logged point's, as the report prints it) while it can be pressed, or empty after a
// press was refused at the 20 mL limit.
QString buretteDescription(const DeclareVars& vars, bool startEnabled, bool buretteEnabled,
                           const QLocale& locale);

// The lines printed on a surface, rebuilt from the pieces of text drawn on it. Pieces on one
// line are joined as drawn: directly where one starts where the last ended, with one blank
// where the print moved on to a later zone; runs of blanks are one blank, and none is left at
// either end of a line. A line
// printed empty stays as an empty line, so the lines come out in order, as printed.
class PrintedLines {
public:
    // `lineHeight` in the units of the positions given to add() (twips on a surface).
    explicit PrintedLines(double lineHeight = 1.0) : m_lineHeight(lineHeight) {}

    void setLineHeight(double lineHeight) { m_lineHeight = lineHeight; }
    void clear() { m_pieces.clear(); }
    // A piece of text drawn with its top-left corner at (x, y), `width` wide.
    void add(double x, double y, double width, const QString& text);

    QStringList lines() const;
    // The smallest rectangle holding every piece, one line height tall each (empty when none).
    QRectF bounds() const;
    // The lines joined by "\n".
    QString text() const { return lines().join(u'\n'); }

private:
    struct Piece {
        double x, y, width;
        QString text;
    };
    std::vector<Piece> m_pieces;
    double m_lineHeight;
};

} // namespace drevant
