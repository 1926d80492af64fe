// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfit.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <climits>

namespace drevant {

namespace {

int pixelSizeOf(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
}

} // namespace

bool textFits(const QFont& font, const QString& text, const QRect& box, bool wrap) {
    const int flags = wrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect needed =
        QFontMetrics(font).boundingRect(QRect(0, 0, box.width(), INT_MAX / 2), flags, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

QFont fittedFont(const QFont& font, const QString& text, const QRect& box, bool wrap) {
    QFont fitted = font;
    for (int pixels = pixelSizeOf(font);
         pixels > MinimumCaptionPixels && !textFits(fitted, text, box, wrap); --pixels)
        fitted.setPixelSize(pixels - 1);
    return fitted;
}

QRect captionBox(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->contentsRect();
    QStyleOptionButton option;
    option.initFrom(&control);
    if (const auto* radio = qobject_cast<const QRadioButton*>(&control)) {
        option.text = radio->text();
        return control.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &control);
    }
    return control.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &control);
}

} // namespace drevant
