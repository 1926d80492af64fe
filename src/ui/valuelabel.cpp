// SPDX-License-Identifier: GPL-3.0-or-later
#include "valuelabel.h"

#include "ui/contrast.h"

#include <QPainter>
#include <QStyle>

namespace drevant {

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {}

QColor ValueLabel::backgroundColour() const {
    // A dark desktop's highlight text is white: a white field would glare from the dark
    // window, so the value lies on the palette's field colour there instead.
    if (relativeLuminance(palette().color(QPalette::Window)) < DarkWindowLuminance)
        return palette().color(QPalette::Base);
    return palette().color(QPalette::HighlightedText);
}

QColor ValueLabel::textColour() const {
    return readableOn(backgroundColour(), palette().color(QPalette::WindowText));
}

void ValueLabel::paintEvent(QPaintEvent*) {
    // Painted here rather than through a palette of its own, so that a change of the
    // application's palette (a desktop switching to a dark theme) reaches the label too.
    QPainter p(this);
    p.fillRect(rect(), backgroundColour());
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, textColour());
    style()->drawItemText(&p, contentsRect(), int(alignment()), pal, isEnabled(), text(),
                          QPalette::WindowText);
}

} // namespace drevant
