// SPDX-License-Identifier: GPL-3.0-or-later
#include "textmark.h"

namespace drevant::keytool {

bool needsTextMark(const QString& text) {
    if (text.isEmpty())
        return false;
    if (QStringView(u"=+-@\t\r'").contains(text.front()))
        return true;
    // Digits with number or date punctuation only: a spreadsheet may take it for either.
    if (!text.front().isDigit())
        return false;
    for (QChar c : text) {
        if (!c.isDigit() && !QStringView(u"./-:, eE%").contains(c))
            return false;
    }
    return true;
}

QString unmarkedText(const QString& cell) {
    if (cell.startsWith(u'\'') && needsTextMark(cell.mid(1)))
        return cell.mid(1);
    return cell;
}

QString csvText(const QString& text, QChar separator) {
    QString cell = needsTextMark(text) ? u'\'' + text : text;
    const bool blankAtEnds = !cell.isEmpty() && (cell.front().isSpace() || cell.back().isSpace());
    if (blankAtEnds || cell.contains(separator) || cell.contains(u'"') || cell.contains(u',') ||
        cell.contains(u';') || cell.contains(u'\n') || cell.contains(u'\r') ||
        cell.contains(u'\t')) {
        cell.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        cell = u'"' + cell + u'"';
    }
    return cell;
}

} // namespace drevant::keytool
