// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing.h"

#include "numbertext.h"

#include <QIODevice>

#include <cmath>

namespace drevant {

QString PrintItem::render(const QLocale& locale) const {
    if (const auto* text = std::get_if<QString>(&m_item))
        return *text;
    if (const auto* n = std::get_if<Number>(&m_item))
        return printedNumber(*n, locale);
    return QString();
}

namespace {

void print(PrintTarget& target, const PrintItem& item) {
    const QString text = item.render(target.locale());
    if (!text.isEmpty())
        target.write(text);
}

} // namespace

void TextLine(PrintTarget& target, const PrintItem& item) {
    print(target, item);
    target.endLine();
}

void EmptyLine(PrintTarget& target) {
    TextLine(target, PrintItem::none());
}

void ZonedPair(PrintTarget& target, const PrintItem& first, const PrintItem& second) {
    print(target, first);
    target.nextZone();
    print(target, second);
    target.endLine();
}

void ZonedPairSkip(PrintTarget& target, const PrintItem& first, const PrintItem& second) {
    print(target, first);
    target.nextZone();
    target.nextZone(); // the none item between them: it writes nothing, only its separator acts
    print(target, second);
    target.endLine();
}

void JoinedPair(PrintTarget& target, const PrintItem& first, const PrintItem& second) {
    print(target, first);
    print(target, second);
    target.endLine();
}

void DrawingSurface::write(const QString& text) {
    m_x += drawText(m_x, m_y, text);
}

void DrawingSurface::nextZone() {
    const double zone = PrintZoneColumns * averageCharWidth();
    if (zone <= 0)
        return;
    m_x = (std::floor(m_x / zone) + 1) * zone;
}

void DrawingSurface::endLine() {
    m_x = 0;
    m_y += lineHeight();
}

void TextFileTarget::put(const QByteArray& bytes) {
    if (m_device.write(bytes) != bytes.size())
        m_ok = false;
}

void TextFileTarget::write(const QString& text) {
    put(text.toUtf8());
    m_column += static_cast<int>(text.size());
}

void TextFileTarget::nextZone() {
    const int zoneIndex = (m_column - 1) / PrintZoneColumns;
    const int target = (zoneIndex + 1) * PrintZoneColumns + 1;
    put(QByteArray(target - m_column, ' '));
    m_column = target;
}

void TextFileTarget::endLine() {
    put(QByteArrayLiteral("\r\n"));
    m_column = 1;
}

} // namespace drevant
