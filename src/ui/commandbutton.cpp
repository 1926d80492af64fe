// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandbutton.h"

#include "ui/textfit.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace drevant {

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

QFont CommandButton::captionFont() const {
    return fittedFont(font(), text(), captionBox(*this), true);
}

void CommandButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option); // bevel and focus frame, no text
    const QRect textRect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.setFont(captionFont());
    p.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, caption);
}

} // namespace drevant
