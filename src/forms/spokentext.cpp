// SPDX-License-Identifier: GPL-3.0-or-later
#include "spokentext.h"

#include "session/numbertext.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <map>

namespace drevant {

namespace {

bool isPoint(const DeclareVars& vars, int i) {
    return i < LogSize && vars.VolLog[i].isNumber() && vars.PhLog[i].isNumber();
}

} // namespace

std::vector<SpokenPoint> spokenPoints(const DeclareVars& vars, const QLocale& locale) {
    std::vector<SpokenPoint> points;
    for (int i = 1; isPoint(vars, i); ++i) {
        const Number volumeMl = vars.VolLog[i].number() * Number::integer(1000);
        points.push_back({twoDecimals(volumeMl.toDouble(), locale),
                          twoDecimals(vars.PhLog[i].number().toDouble(), locale)});
    }
    return points;
}

QString spokenPointRow(int point, const SpokenPoint& p) {
    return QCoreApplication::translate("SpokenText", "Point %1: %2 mL, pH %3")
        .arg(point)
        .arg(p.volumeMl, p.ph);
}

QString curveDescription(const std::vector<SpokenPoint>& points) {
    if (points.empty())
        return QCoreApplication::translate("SpokenText", "No points plotted.");
    const SpokenPoint& last = points.back();
    // One text for one point and one for several: the English texts stay exact without any
    // catalogue, and a language with more plural forms words the second without a plural.
    const QString text = points.size() == 1
                             ? QCoreApplication::translate(
                                   "SpokenText", "%1 point plotted; the last at %2 mL, pH %3.")
                             : QCoreApplication::translate(
                                   "SpokenText", "%1 points plotted; the last at %2 mL, pH %3.");
    return text.arg(points.size()).arg(last.volumeMl, last.ph);
}

QString buretteDescription(const DeclareVars& vars, bool startEnabled, bool buretteEnabled,
                           const QLocale& locale) {
    int last = 0;
    while (isPoint(vars, last + 1))
        ++last;
    if (startEnabled || last == 0)
        return QCoreApplication::translate("SpokenText", "Locked until Start.");
    const Number volumeMl = vars.VolLog[last].number() * Number::integer(1000);
    const QString delivered = numberDigits(volumeMl, locale);
    if (!buretteEnabled)
        return QCoreApplication::translate(
                   "SpokenText",
                   "Burette empty after %1 mL. Start the titration over to refill it.")
            .arg(delivered);
    return QCoreApplication::translate(
               "SpokenText", "%1 mL of 20 mL delivered. Hold Space or a mouse button: 1 mL per "
                             "second, at least 0.1 mL a press.")
        .arg(delivered);
}

void PrintedLines::add(double x, double y, double width, const QString& text) {
    m_pieces.push_back({x, y, width, text});
}

QRectF PrintedLines::bounds() const {
    QRectF all;
    for (const Piece& piece : m_pieces)
        all |= QRectF(piece.x, piece.y, piece.width, m_lineHeight);
    return all;
}

QStringList PrintedLines::lines() const {
    // Lines by their row (y over the line height), pieces within a line by x.
    std::map<long, std::vector<const Piece*>> rows;
    for (const Piece& piece : m_pieces)
        rows[std::lround(piece.y / m_lineHeight)].push_back(&piece);
    QStringList out;
    for (auto& [row, pieces] : rows) {
        if (row < 0)
            continue; // drawn above the surface: not visible, not spoken
        while (out.size() < row)
            out << QString();
        std::stable_sort(pieces.begin(), pieces.end(),
                         [](const Piece* a, const Piece* b) { return a->x < b->x; });
        QString line;
        double end = 0;
        for (const Piece* piece : pieces) {
            // A gap of more than a small fraction of a line height is a move to a later zone
            // (a blank before the first piece goes in simplified() below).
            if (piece->x > end + m_lineHeight / 8)
                line += u' ';
            line += piece->text;
            end = piece->x + piece->width;
        }
        out << line.simplified(); // blanks of the zones and sign positions as one
    }
    return out;
}

} // namespace drevant
