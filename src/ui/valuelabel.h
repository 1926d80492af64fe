// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace drevant {

// A label that shows a chosen value on the palette's highlight-text colour (on a dark window,
// on the field colour). Its text takes
// the window's text colour when that is readable there, else black or white: a dark palette
// has white highlight text and white window text, which would leave the value unseen.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    explicit ValueLabel(QWidget* parent = nullptr);

    // Below this relative luminance a window counts as dark (mid grey is about 0.22).
    static constexpr double DarkWindowLuminance = 0.18;

    QColor backgroundColour() const;
    QColor textColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace drevant
